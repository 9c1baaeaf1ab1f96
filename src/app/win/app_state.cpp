#include "app/win/app_state.h"

#include <windows.h>

#include "app/menu_tables.h"
#include "common/file_io.h"
#include "common/font_list.h"
#include "common/win/installed_fonts.h"
#include "common/win/system_locale.h"
#include "settings/window_position.h"

namespace tikolvo {
namespace {

DateTime Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return EncodeDate(now.wYear, now.wMonth, now.wDay);
}

// The system configuration tool exists on NT systems from Windows XP on.
bool MsconfigAllowed() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExW(&version)) return false;
  return MsconfigSupported(version.dwPlatformId == VER_PLATFORM_WIN32_NT, version.dwMajorVersion,
                           version.dwMinorVersion);
}

SettingsContext MakeContext(const std::string& programFolder) {
  SettingsContext context;
  context.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  context.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  context.programFolder = programFolder;
  context.today = Today();
  context.messageAllExists = FileExists(programFolder + "message_all.db");
  context.msconfigAllowed = MsconfigAllowed();
  context.msSansSerifFontIndex = FontIndexOf(InstalledFontNames(), "MS Sans Serif");
  context.locale = ReadSystemLocale();
  return context;
}

}  // namespace

void LoadAppSettings(AppState& app) {
  app.context = MakeContext(app.programFolder);
  app.settings = LoadSettingsFile(app.ConfigPath(), app.context);
  app.settings.pos = RepairStartPosition(app.settings.pos, app.context.screenWidth,
                                         app.context.screenHeight);
  app.settingsLoaded = true;
}

bool SaveAppSettings(AppState& app) {
  if (app.takeWindowState) app.takeWindowState(app.settings);
  return SaveSettingsFile(app.ConfigPath(), app.settings, app.context.locale);
}

}  // namespace tikolvo
