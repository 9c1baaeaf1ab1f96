#include "settings/win/settings_store.h"

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

void SettingsStore::Load() {
  context = MakeContext(programFolder);
  settings = LoadSettingsFile(ConfigPath(), context);
  settings.pos = RepairStartPosition(settings.pos, context.screenWidth, context.screenHeight);
  loaded = true;
}

bool SettingsStore::Save() {
  if (windowState) windowState->TakeWindowState(settings);
  return SaveSettingsFile(ConfigPath(), settings, context.locale);
}

}  // namespace tikolvo
