#include "common/win/installed_fonts.h"

#include <windows.h>

#include "common/font_list.h"
#include "common/win/gdi.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  reinterpret_cast<std::vector<std::string>*>(names)->push_back(Narrow(font->lfFaceName));
  return 1;
}

}  // namespace

std::vector<std::string> InstalledFontNames() {
  std::vector<std::string> names;
  WindowDc screen(nullptr);
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;  // every family, whatever its character sets
  EnumFontFamiliesExW(screen.get(), &query, &CollectFamily, reinterpret_cast<LPARAM>(&names), 0);
  return SortedFontNames(std::move(names));
}

}  // namespace tikolvo
