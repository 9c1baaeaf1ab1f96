#pragma once
// Launcher entries as one-line texts, the form the editing lists and the
// menu items' hints carry:
//   program: Name + "||" + Path + "][" + Params
//   web:     Name + "||" + Target
// A web name of the form group + "<=>" + caption files the entry into the
// submenu `group`.
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr std::string_view kSeparatorName = "-";
inline constexpr std::string_view kGroupSeparator = "<=>";

struct ProgramEntry {
  std::string name;
  std::string path;
  std::string params;

  bool operator==(const ProgramEntry&) const = default;
};

struct WebEntry {
  std::string name;
  std::string target;

  bool operator==(const WebEntry&) const = default;
};

std::string ProgramLine(std::string_view name, std::string_view path, std::string_view params);
std::string WebLine(std::string_view name, std::string_view target);

ProgramEntry SplitProgramLine(std::string_view line);
WebEntry SplitWebLine(std::string_view line);

// The text before the first "<=>" ("" without one) and the text after it
// (the whole name without one).
struct WebName {
  std::string group;
  std::string caption;
};
WebName SplitWebName(std::string_view name);

// The extension of a path as the file system sees it: from the last "."
// after the last "\" or ":", dot included, in ASCII lower case; "" when
// there is none.
std::string LowerExtension(std::string_view path);

// The text after the last "\", "/" or ":".
std::string FileNamePart(std::string_view path);

}  // namespace tikolvo
