#include "common/win/file_open_dialog.h"

#include <commdlg.h>

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

// The dialog wants NUL-separated pairs ending in two NULs.
std::wstring FilterPairs(std::string_view filter) {
  std::wstring pairs = Widen(filter);
  for (wchar_t& ch : pairs)
    if (ch == L'|') ch = L'\0';
  pairs.push_back(L'\0');
  pairs.push_back(L'\0');
  return pairs;
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(HWND owner, std::string_view filter, DialogFolder& folder) {
  GetOpenFileNameFn open = OpenFileDialog();
  if (!open) return std::nullopt;
  const std::wstring pairs = FilterPairs(filter);
  const std::wstring initial = Widen(folder.initial);
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!open(&dialog)) return std::nullopt;
  std::string chosen = Narrow(path);
  folder.Remember(chosen);
  return chosen;
}

}  // namespace tikolvo
