#include "reminders/calendar_template.h"

#include "common/file_io.h"
#include "settings/settings_rules.h"

namespace tikolvo {
namespace {

constexpr const char* kSection = "CAL";
constexpr const char* kNameKey = "_name";

using C = CalendarSettings;
using O = CalendarColourOption;

// The keys in the order templates have always been written. The display
// name sits between "curram" and the marker's size and place.
template <class Io>
void VisitTemplateKeys(Io& io) {
  io.WrittenOnlyBool("use", &C::draw);
  io.Int("god", &C::layout);
  io.Bool("current", &C::markCurrentDay);
  io.Bool("line", &C::underline);
  io.Bool("VH", &C::verticalText);
  io.Bool("SHD1", &C::shadow1);
  io.Bool("SHD2", &C::shadow2);
  io.Colour("mainSh2", &C::shadow2Colour);
  io.Colour("mainColor", &C::textColour);
  io.Colour("mainCC", &C::currentDayColour);
  io.Colour("mainSh", &C::shadow1Colour);
  io.Bool("bold", &C::fontBold);
  io.Bool("ital", &C::fontItalic);
  io.Bool("undr", &C::fontUnderline);
  io.Text("name", &C::fontName);
  io.Bool("year", &C::writeYear);
  io.Bool("SHD3", &C::shadow3);
  io.Colour("mainSh3", &C::shadow3Colour);
  io.Option("u_nedel", "C_nedel", &C::weekdayNames);
  io.Option("u_bith", "C_bith", &C::sundays);
  io.Option("u_month", "C_month", &C::monthNames);
  io.Option("u_line", "C_line", &C::lines);
  io.Option("u_bith_s", "C_bith_s", &C::saturdays);
  io.Bool("curram", &C::currentDayFrame);
  io.DisplayName();
  io.Int("wid", &C::markerWidth);
  io.Int("hei", &C::markerHeight);
  io.Int("l", &C::markerLeft);
  io.Int("t", &C::markerTop);
}

class TemplateReader {
 public:
  TemplateReader(const IniDocument& doc, C& target) : doc_(doc), target_(target) { defaults_.layout = 0; }

  void WrittenOnlyBool(const char*, bool C::*) {}
  void Bool(const char* key, bool C::*field) { target_.*field = doc_.ReadBool(kSection, key, defaults_.*field); }
  void Int(const char* key, int C::*field) { target_.*field = doc_.ReadInteger(kSection, key, defaults_.*field); }
  void Colour(const char* key, tikolvo::Colour C::*field) {
    target_.*field = ColourFromStored(doc_.ReadInteger(kSection, key, StoredColour(defaults_.*field)));
  }
  void Text(const char* key, std::string C::*field) { target_.*field = doc_.ReadString(kSection, key, defaults_.*field); }
  void Option(const char* useKey, const char* colourKey, O C::*field) {
    (target_.*field).use = doc_.ReadBool(kSection, useKey, (defaults_.*field).use);
    (target_.*field).colour =
        ColourFromStored(doc_.ReadInteger(kSection, colourKey, StoredColour((defaults_.*field).colour)));
  }
  void DisplayName() {}

 private:
  const IniDocument& doc_;
  C& target_;
  C defaults_;
};

class TemplateWriter {
 public:
  TemplateWriter(IniDocument& doc, const C& source, const std::string& name) : doc_(doc), source_(source), name_(name) {}

  void WrittenOnlyBool(const char* key, bool C::*field) { Bool(key, field); }
  void Bool(const char* key, bool C::*field) { doc_.WriteBool(kSection, key, source_.*field); }
  void Int(const char* key, int C::*field) { doc_.WriteInteger(kSection, key, source_.*field); }
  void Colour(const char* key, tikolvo::Colour C::*field) {
    doc_.WriteInteger(kSection, key, StoredColour(source_.*field));
  }
  void Text(const char* key, std::string C::*field) { doc_.WriteString(kSection, key, source_.*field); }
  void Option(const char* useKey, const char* colourKey, O C::*field) {
    doc_.WriteBool(kSection, useKey, (source_.*field).use);
    doc_.WriteInteger(kSection, colourKey, StoredColour((source_.*field).colour));
  }
  void DisplayName() {
    if (!name_.empty()) doc_.WriteString(kSection, kNameKey, name_);
  }

 private:
  IniDocument& doc_;
  const C& source_;
  const std::string& name_;
};

bool EndsWithLowerSfc(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".sfc") == 0;
}

}  // namespace

std::vector<CalendarTemplateItem> ListTemplates(const std::string& skinsFolder,
                                                const std::vector<std::string>& fileNames) {
  std::vector<CalendarTemplateItem> items;
  for (const std::string& name : fileNames) {
    if (!EndsWithLowerSfc(name)) continue;
    const IniDocument doc = LoadIniFile(skinsFolder + name);
    items.push_back({name, doc.ReadString(kSection, kNameKey, kUnnamedTemplate)});
  }
  return items;
}

bool LoadTemplate(const std::string& path, CalendarSettings& settings) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return false;
  const IniDocument doc = IniDocument::Parse(*bytes);
  if (!doc.HasSection(kSection)) return false;
  TemplateReader reader(doc, settings);
  VisitTemplateKeys(reader);
  settings.markerWidth = ClampCalendarMarkerWidth(settings.markerWidth);
  settings.markerHeight = ClampCalendarMarkerHeight(settings.markerHeight);
  return true;
}

IniDocument TemplateDocument(const CalendarSettings& settings, const std::string& displayName) {
  IniDocument doc;
  TemplateWriter writer(doc, settings, displayName);
  VisitTemplateKeys(writer);
  return doc;
}

bool SaveTemplate(const std::string& path, const CalendarSettings& settings, const std::string& displayName) {
  return SaveIniFile(path, TemplateDocument(settings, displayName));
}

std::optional<std::string> TemplateFileName(const std::string& typed) {
  const std::size_t slash = typed.find_last_of("\\/:");
  const std::string bare = slash == std::string::npos ? typed : typed.substr(slash + 1);
  const std::size_t dot = bare.find_last_of('.');
  const std::string stem = dot == std::string::npos ? bare : bare.substr(0, dot);
  if (stem.empty()) return std::nullopt;
  return stem + ".sfc";
}

}  // namespace tikolvo
