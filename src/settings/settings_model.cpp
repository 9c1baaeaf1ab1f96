#include "settings/settings_model.h"

namespace tikolvo {

Settings DefaultSettings(const SettingsContext& context) {
  Settings settings;
  settings.alarm.launcherFileFolder = context.programFolder;
  settings.alarm.soundFileFolder = context.programFolder;
  settings.reminders.fontIndex = context.msSansSerifFontIndex;
  settings.calendar.shownDate = context.today;
  settings.pos = DefaultWindowPosition(context.screenWidth, context.screenHeight);
  return settings;
}

}  // namespace tikolvo
