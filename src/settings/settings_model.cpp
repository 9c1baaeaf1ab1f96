#include "settings/settings_model.h"

namespace tikolvo {

void DialogFolder::Remember(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return;  // a bare name says nothing of a folder
  chosen = path.substr(0, slash + 1);
  initial = chosen;
}

Settings DefaultSettings(const SettingsContext& context) {
  Settings settings;
  settings.alarm.launcherFileFolder.initial = context.programFolder;
  settings.alarm.soundFileFolder.initial = context.programFolder;
  settings.reminders.fontIndex = context.msSansSerifFontIndex;
  settings.calendar.shownDate = context.today;
  settings.pos = DefaultWindowPosition(context.screenWidth, context.screenHeight);
  return settings;
}

}  // namespace tikolvo
