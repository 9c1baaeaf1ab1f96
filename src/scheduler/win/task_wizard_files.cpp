#include "scheduler/win/task_wizard_files.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string_view>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// The common dialogs library is looked up when first needed, so the program
// does not load it at start for a dialog most runs never show.
using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);

GetOpenFileNameFn OpenFileDialog() {
  static const GetOpenFileNameFn function = SystemFunction<GetOpenFileNameFn>(L"comdlg32.dll", "GetOpenFileNameW");
  return function;
}

// `filter` holds "name|pattern|name|pattern"; the dialog wants NUL-separated
// pairs ending in two NULs.
std::optional<std::string> ChooseFile(HWND owner, std::string_view filter) {
  GetOpenFileNameFn open = OpenFileDialog();
  if (!open) return std::nullopt;
  std::wstring pairs = Widen(filter);
  for (wchar_t& ch : pairs)
    if (ch == L'|') ch = L'\0';
  pairs.push_back(L'\0');
  pairs.push_back(L'\0');
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!open(&dialog)) return std::nullopt;
  return Narrow(path);
}

}  // namespace

std::optional<std::string> ChooseProgramFile(HWND owner) {
  return ChooseFile(owner, "Все файлы (*.*)|*.*|Программы(*.exe)|*.exe");
}

std::optional<std::string> ChooseSoundFile(HWND owner) {
  return ChooseFile(owner, "Поддерживаемы форматы (mp3,wav,ogg)|*.mp3;*.wav;*.ogg;");
}

void OpenFileSearch(HWND owner) { ShellExecuteW(owner, L"find", L"C:\\", nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace tikolvo
