// Reading config.cfg into Settings. Every field starts at its default and a
// key that is present and readable replaces it, so a key's default lives in
// exactly one place (the model and DefaultSettings).
#include <string_view>

#include "common/ini_document.h"
#include "settings/settings_keys.h"
#include "settings/settings_model.h"
#include "settings/settings_rules.h"

namespace tikolvo {
namespace {

class SettingsReader {
 public:
  SettingsReader(const IniDocument& document, const Locale& locale) : doc_(document), locale_(locale) {}

  void Section(std::string_view name) { section_ = name; }
  void Bool(std::string_view key, bool& field) { field = doc_.ReadBool(section_, key, field); }
  void Int(std::string_view key, int& field) { field = doc_.ReadInteger(section_, key, field); }
  void ColourValue(std::string_view key, Colour& field) {
    field = ColourFromStored(doc_.ReadInteger(section_, key, StoredColour(field)));
  }
  void Text(std::string_view key, std::string& field) { field = doc_.ReadString(section_, key, field); }
  void WrittenOnlyBool(std::string_view, bool) {}
  void WrittenOnlyText(std::string_view, std::string_view) {}
  void ReadAnyWriteTrue(std::string_view key, bool& field) { Bool(key, field); }
  void Folder(std::string_view key, DialogFolder& folder) { Text(key, folder.initial); }

  // The loader puts the stored hand colours on the face only when the user
  // chose his own; otherwise the skin's colours stay.
  void HandColours(bool ownColours, std::optional<tikolvo::HandColours>& field) {
    if (!ownColours) {
      field.reset();
      return;
    }
    tikolvo::HandColours colours;
    ColourValue("basic", colours.basic);
    ColourValue("timer", colours.timer);
    ColourValue("Sec", colours.second);
    field = colours;
  }

  void Date(std::string_view key, DateTime& field) {
    if (!doc_.HasKey(section_, key)) return;
    if (auto parsed = ParseStoredDate(doc_.ReadString(section_, key, ""), locale_)) field = *parsed;
  }

  void Background(DesktopBackground& field) {
    const DesktopBackgroundFlags defaults = FlagsOfDesktopBackground(field);
    const bool useNone = doc_.ReadBool(section_, "usepicNone", defaults.useNone);
    const bool usePicture = doc_.ReadBool(section_, "usepic", defaults.usePicture);
    field = DesktopBackgroundFromFlags(useNone, usePicture);
  }

 private:
  const IniDocument& doc_;
  const Locale& locale_;
  std::string section_;
};

void ApplyLoadRules(Settings& s, const SettingsContext& context) {
  s.inter.opacity = ClampOpacity(s.inter.opacity);
  s.calendar.markerWidth = ClampCalendarMarkerWidth(s.calendar.markerWidth);
  s.calendar.markerHeight = ClampCalendarMarkerHeight(s.calendar.markerHeight);
  s.reminders.corners = CornerRadiosAtLoad(s.reminders.corners);
  s.reminders.externalBase = ExternalBaseAtLoad(s.reminders.externalBase, context.messageAllExists);
  bool& msconfig = s.panelMenuVisible[kMsconfigItemIndex];
  msconfig = MsconfigVisibleAtLoad(msconfig, context.msconfigAllowed);
}

}  // namespace

Settings ReadSettings(const IniDocument& document, const SettingsContext& context) {
  Settings settings = DefaultSettings(context);
  SettingsReader reader(document, context.locale);
  settings_keys::VisitAllKeys(reader, settings);
  ApplyLoadRules(settings, context);
  return settings;
}

EarlySettings ReadWindowPosition(const IniDocument& document, const SettingsContext& context) {
  const WindowPosition centre = DefaultWindowPosition(context.screenWidth, context.screenHeight);
  EarlySettings early;
  early.pos.top = document.ReadInteger("Pos", "Top", centre.top);
  early.pos.left = document.ReadInteger("Pos", "Left", centre.left);
  early.oldSkins = document.ReadBool("Inter", "oldskins", false);
  return early;
}

Settings LoadSettingsFile(const std::string& path, const SettingsContext& context) {
  return ReadSettings(LoadIniFile(path), context);
}

}  // namespace tikolvo
