#include "menus/drop_entry.h"

#include "menus/entry_line.h"

namespace tikolvo {

namespace {

// A folder may come with its closing backslash.
std::string_view WithoutClosingSeparators(std::string_view path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.remove_suffix(1);
  return path;
}

}  // namespace

std::string DropProposedName(std::string_view path) {
  const std::string name = FileNamePart(WithoutClosingSeparators(path));
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return name;
  const std::string extension = name.substr(dot);
  std::string cut;
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t next = name.find(extension, at);
    cut.append(name, at, next == std::string::npos ? std::string::npos : next - at);
    if (next == std::string::npos) break;
    at = next + extension.size();
  }
  return cut.empty() ? name : cut;
}

LauncherKind DropProposedMenu(std::string_view path) {
  return LowerExtension(FileNamePart(WithoutClosingSeparators(path))) == ".url" ? LauncherKind::kWeb : LauncherKind::kPrograms;
}

std::string DropEntryLine(LauncherKind menu, std::string_view name, std::string_view path) {
  return menu == LauncherKind::kWeb ? WebLine(name, path) : ProgramLine(name, path, "");
}

}  // namespace tikolvo
