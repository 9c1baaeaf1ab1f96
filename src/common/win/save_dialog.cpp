#include "common/win/save_dialog.h"

#include <commdlg.h>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {

std::optional<std::string> ChooseSaveFile(HWND owner, std::string_view filter, std::string_view extension) {
  using GetSaveFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const auto save = SystemFunction<GetSaveFileNameFn>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!save) return std::nullopt;
  std::wstring pairs = Widen(filter);
  for (wchar_t& ch : pairs)
    if (ch == L'|') ch = L'\0';
  pairs.append(2, L'\0');
  const std::wstring defaultExtension = Widen(extension);
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = defaultExtension.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!save(&dialog)) return std::nullopt;
  return Narrow(path);
}

}  // namespace tikolvo
