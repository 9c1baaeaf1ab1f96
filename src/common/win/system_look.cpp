#include "common/win/system_look.h"

#include "common/dialog_layout.h"

namespace tikolvo {

UniqueGdi<HFONT> CreateMessageFont(bool bold) {
  LOGFONTW font{};
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);  // the XP-sized record: this build targets XP
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font = metrics.lfMessageFont;
  } else {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  }
  if (bold) font.lfWeight = FW_BOLD;
  return UniqueGdi<HFONT>(CreateFontIndirectW(&font));
}

bool SystemHasDropShadow() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExW(&version)) return false;
  return dialog::DropShadowSupported(version.dwPlatformId == VER_PLATFORM_WIN32_NT,
                                     static_cast<int>(version.dwMajorVersion),
                                     static_cast<int>(version.dwMinorVersion));
}

}  // namespace tikolvo
