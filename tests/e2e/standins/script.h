/* The stand-ins' script: "standin_script.txt" in the folder of the running
 * program, read afresh at every call, one fact a line (UTF-8):
 *   up <name> <client address>   an active dial-up connection
 *   if <index> <received> <sent> <speed>   a network interface
 *   ip <index> <a.b.c.d>         an IPv4 address of an interface
 * A hang-up appends "<name>" to "standin_hungup.txt" beside it. */
#ifndef TIKOLVO_STANDIN_SCRIPT_H
#define TIKOLVO_STANDIN_SCRIPT_H

#include <windows.h>
#include <stdio.h>
#include <string.h>

static void StandinPath(const wchar_t* name, wchar_t* path) {
  GetModuleFileNameW(NULL, path, MAX_PATH);
  wchar_t* slash = wcsrchr(path, L'\\');
  if (slash) slash[1] = L'\0';
  wcscat(path, name);
}

/* Calls back for each line of the script that starts with `kind`. */
typedef void (*ScriptLine)(const char* rest, void* context);
static void ReadScript(const char* kind, ScriptLine each, void* context) {
  wchar_t path[MAX_PATH + 32];
  StandinPath(L"standin_script.txt", path);
  FILE* file = _wfopen(path, L"rb");
  if (!file) return;
  char line[512];
  const size_t kindLength = strlen(kind);
  while (fgets(line, sizeof(line), file)) {
    line[strcspn(line, "\r\n")] = '\0';
    if (strncmp(line, kind, kindLength) == 0 && line[kindLength] == ' ') each(line + kindLength + 1, context);
  }
  fclose(file);
}

#endif
