#include "menus/entry_line.h"

#include "common/text_record.h"

namespace tikolvo {
namespace {

std::size_t AfterLastSeparator(std::string_view path, std::string_view separators) {
  const std::size_t at = path.find_last_of(separators);
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

std::string ProgramLine(std::string_view name, std::string_view path, std::string_view params) {
  std::string line(name);
  line.append(kHeadSeparator).append(path).append(kLastSeparator).append(params);
  return line;
}

std::string WebLine(std::string_view name, std::string_view target) {
  std::string line(name);
  line.append(kHeadSeparator).append(target);
  return line;
}

ProgramEntry SplitProgramLine(std::string_view line) { return {HeadOf(line), MiddleOf(line), LastOf(line)}; }

WebEntry SplitWebLine(std::string_view line) { return {HeadOf(line), TailOf(line)}; }

WebName SplitWebName(std::string_view name) {
  const std::size_t at = name.find(kGroupSeparator);
  if (at == std::string_view::npos) return {"", std::string(name)};
  return {std::string(name.substr(0, at)), std::string(name.substr(at + kGroupSeparator.size()))};
}

std::string LowerExtension(std::string_view path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < AfterLastSeparator(path, "\\:")) return "";
  std::string extension(path.substr(dot));
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

std::string FileNamePart(std::string_view path) {
  return std::string(path.substr(AfterLastSeparator(path, "\\/:")));
}

}  // namespace tikolvo
