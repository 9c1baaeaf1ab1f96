/* A stand-in for the remote access service, scripted from a file (see
 * script.h), so the end-to-end tests drive the real connection monitor. */
#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include "script.h"

struct Connections {
  int count;
  char names[16][128];
  char addresses[16][32];
};

static void CollectUp(const char* rest, void* context) {
  struct Connections* c = (struct Connections*)context;
  if (c->count >= 16) return;
  if (sscanf(rest, "%127s %31s", c->names[c->count], c->addresses[c->count]) >= 1) c->count++;
}

static struct Connections Active(void) {
  struct Connections c;
  memset(&c, 0, sizeof(c));
  ReadScript("up", CollectUp, &c);
  return c;
}

__declspec(dllexport) DWORD WINAPI RasEnumConnectionsW(LPRASCONNW entries, LPDWORD bytes, LPDWORD count) {
  const struct Connections c = Active();
  const DWORD size = entries ? entries[0].dwSize : sizeof(RASCONNW);
  if (!entries || *bytes < size * (DWORD)c.count) {
    *bytes = size * (DWORD)c.count;
    *count = (DWORD)c.count;
    return c.count ? ERROR_BUFFER_TOO_SMALL : 0;
  }
  for (int i = 0; i < c.count; ++i) {
    RASCONNW* entry = (RASCONNW*)((char*)entries + size * (DWORD)i);
    memset(entry, 0, size);
    entry->dwSize = size;
    entry->hrasconn = (HRASCONN)(INT_PTR)(i + 1);
    MultiByteToWideChar(CP_UTF8, 0, c.names[i], -1, entry->szEntryName, RAS_MaxEntryName + 1);
  }
  *count = (DWORD)c.count;
  return 0;
}

__declspec(dllexport) DWORD WINAPI RasEnumEntriesW(LPCWSTR reserved, LPCWSTR book, LPRASENTRYNAMEW entries,
                                                   LPDWORD bytes, LPDWORD count) {
  const struct Connections c = Active();
  const DWORD size = entries ? entries[0].dwSize : sizeof(RASENTRYNAMEW);
  if (!entries || *bytes < size * (DWORD)c.count) {
    *bytes = size * (DWORD)c.count;
    *count = (DWORD)c.count;
    return c.count ? ERROR_BUFFER_TOO_SMALL : 0;
  }
  for (int i = 0; i < c.count; ++i) {
    RASENTRYNAMEW* entry = (RASENTRYNAMEW*)((char*)entries + size * (DWORD)i);
    memset(entry, 0, size);
    entry->dwSize = size;
    MultiByteToWideChar(CP_UTF8, 0, c.names[i], -1, entry->szEntryName, RAS_MaxEntryName + 1);
  }
  *count = (DWORD)c.count;
  return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetProjectionInfoW(HRASCONN connection, RASPROJECTION projection, LPVOID data,
                                                         LPDWORD bytes) {
  const struct Connections c = Active();
  const int i = (int)(INT_PTR)connection - 1;
  if (projection != 0x8021 || i < 0 || i >= c.count || !data) return ERROR_INVALID_PARAMETER;
  RASPPPIPW* ip = (RASPPPIPW*)data;
  ip->dwError = 0;
  MultiByteToWideChar(CP_UTF8, 0, c.addresses[i], -1, ip->szIpAddress, RAS_MaxIpAddress + 1);
  return 0;
}

__declspec(dllexport) DWORD WINAPI RasHangUpW(HRASCONN connection) {
  const struct Connections c = Active();
  const int i = (int)(INT_PTR)connection - 1;
  if (i < 0 || i >= c.count) return ERROR_INVALID_HANDLE;
  wchar_t path[MAX_PATH + 32];
  StandinPath(L"standin_hungup.txt", path);
  FILE* file = _wfopen(path, L"ab");
  if (file) {
    fprintf(file, "%s\n", c.names[i]);
    fclose(file);
  }
  return 0;
}
