#pragma once
// Calendar templates: the look of the desktop calendar saved under a name
// as an ".sfc" file in the skins folder (an INI file with one section
// "CAL", keys as in config.cfg).
#include <optional>
#include <string>
#include <vector>

#include "common/ini_document.h"
#include "settings/settings_model.h"

namespace tikolvo {

inline constexpr const char* kUnnamedTemplate = "Шаблон";

struct CalendarTemplateItem {
  std::string fileName;  // inside the skins folder
  std::string displayName;
  // The list line: file name "||" display name.
  std::string ListLine() const { return fileName + "||" + displayName; }
};

// The templates among the file names of the skins folder (ending with a
// separator): those whose extension is ".sfc" in lower case, in the order
// given, each named by its "_name" ("Шаблон" when it has none).
std::vector<CalendarTemplateItem> ListTemplates(const std::string& skinsFolder,
                                                const std::vector<std::string>& fileNames);

// The template's keys over the calendar settings; every other setting
// (the base picture, the date, the knobs, whether the calendar is drawn)
// stays. A missing key takes the config default, except the layout, which
// a template without one leaves as a year calendar. False, and nothing
// changed, for a file that cannot be read or holds no section "CAL".
bool LoadTemplate(const std::string& path, CalendarSettings& settings);
IniDocument TemplateDocument(const CalendarSettings& settings, const std::string& displayName);
// Written atomically; false when it could not be.
bool SaveTemplate(const std::string& path, const CalendarSettings& settings, const std::string& displayName);

// The file name a template is saved under: its extension replaced by (or
// given) ".sfc"; nothing for a name that is empty or names a folder.
std::optional<std::string> TemplateFileName(const std::string& typed);

}  // namespace tikolvo
