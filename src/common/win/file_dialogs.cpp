#include "common/win/file_dialogs.h"

#include <commdlg.h>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// The common dialogs library is looked up when first needed, so the program
// does not load it at start for a dialog most runs never show.
using FileDialogFn = BOOL(WINAPI*)(OPENFILENAMEW*);

FileDialogFn OpenFileDialog() {
  static const FileDialogFn function = SystemFunction<FileDialogFn>(L"comdlg32.dll", "GetOpenFileNameW");
  return function;
}

FileDialogFn SaveFileDialog() {
  static const FileDialogFn function = SystemFunction<FileDialogFn>(L"comdlg32.dll", "GetSaveFileNameW");
  return function;
}

// The dialog wants NUL-separated pairs ending in two NULs.
std::wstring FilterPairs(std::string_view filter) {
  std::wstring pairs = Widen(filter);
  for (wchar_t& ch : pairs)
    if (ch == L'|') ch = L'\0';
  pairs.push_back(L'\0');
  pairs.push_back(L'\0');
  return pairs;
}

// One run of either dialog; the path chosen, or nothing.
std::optional<std::string> RunDialog(FileDialogFn run, HWND owner, std::string_view filter, const std::wstring& initial,
                                     const std::wstring& extension, DWORD flags) {
  if (!run) return std::nullopt;
  const std::wstring pairs = FilterPairs(filter);
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!run(&dialog)) return std::nullopt;
  return Narrow(path);
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(HWND owner, std::string_view filter, DialogFolder& folder) {
  std::optional<std::string> chosen =
      RunDialog(OpenFileDialog(), owner, filter, Widen(folder.initial), L"", OFN_FILEMUSTEXIST);
  if (chosen) folder.Remember(*chosen);
  return chosen;
}

std::optional<std::string> ChooseFileToSave(HWND owner, std::string_view filter, std::string_view extension) {
  return RunDialog(SaveFileDialog(), owner, filter, L"", Widen(extension), OFN_OVERWRITEPROMPT);
}

}  // namespace tikolvo
