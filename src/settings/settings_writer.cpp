// Writing Settings into config.cfg: the whole key set every time, in one
// atomic replacement of the file.
#include <string_view>

#include "common/ini_document.h"
#include "settings/settings_keys.h"
#include "settings/settings_model.h"
#include "settings/settings_rules.h"

namespace tikolvo {
namespace {

class SettingsWriter {
 public:
  SettingsWriter(IniDocument& document, const Locale& locale) : doc_(document), locale_(locale) {}

  void Section(std::string_view name) { section_ = name; }
  void Bool(std::string_view key, bool value) { doc_.WriteBool(section_, key, value); }
  void Int(std::string_view key, int value) { doc_.WriteInteger(section_, key, value); }
  void ColourValue(std::string_view key, Colour value) { doc_.WriteInteger(section_, key, StoredColour(value)); }
  void Text(std::string_view key, const std::string& value) { doc_.WriteString(section_, key, value); }
  void WrittenOnlyBool(std::string_view key, bool value) { Bool(key, value); }
  void WrittenOnlyText(std::string_view key, std::string_view value) { doc_.WriteString(section_, key, value); }
  void ReadAnyWriteTrue(std::string_view key, bool) { Bool(key, true); }
  void Folder(std::string_view key, const DialogFolder& folder) { Text(key, folder.chosen); }

  void HandColours(bool, const std::optional<tikolvo::HandColours>& field) {
    const tikolvo::HandColours colours = field.value_or(tikolvo::HandColours{});
    ColourValue("basic", colours.basic);
    ColourValue("timer", colours.timer);
    ColourValue("Sec", colours.second);
  }

  void Date(std::string_view key, DateTime value) { doc_.WriteString(section_, key, StoredDateText(value, locale_)); }

  void Background(DesktopBackground value) {
    const DesktopBackgroundFlags flags = FlagsOfDesktopBackground(value);
    Bool("usepicNone", flags.useNone);
    Bool("usepic", flags.usePicture);
  }

 private:
  IniDocument& doc_;
  const Locale& locale_;
  std::string section_;
};

}  // namespace

void WriteSettings(const Settings& settings, IniDocument& document, const Locale& locale) {
  SettingsWriter writer(document, locale);
  settings_keys::VisitAllKeys(writer, settings);
}

bool SaveSettingsFile(const std::string& path, const Settings& settings, const Locale& locale) {
  IniDocument document = LoadIniFile(path);
  WriteSettings(settings, document, locale);
  return SaveIniFile(path, document);
}

}  // namespace tikolvo
