#include "common/ini_document.h"

#include <cstdint>

#include "common/cp1251.h"
#include "common/file_io.h"

namespace tikolvo {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// As the system's profile functions read: one pair of matching double or
// single quotes around a value goes.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

// "[name]" (a missing "]" lets the name run to the end of the line).
std::optional<std::string> SectionHeaderName(std::string_view trimmed) {
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  std::string_view inside = trimmed.substr(1);
  size_t close = inside.find(']');
  if (close != std::string_view::npos) inside = inside.substr(0, close);
  return std::string(Trim(inside));
}

std::string WithoutLineBreaks(std::string_view value) {
  std::string result(value);
  for (char& c : result)
    if (c == '\r' || c == '\n') c = ' ';
  return result;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = FoldAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<int> ParseHex(std::string_view digits, bool negative) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(d);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(static_cast<std::int32_t>(value));
}

std::optional<int> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '$') return ParseHex(text.substr(1), negative);
  if (text.size() >= 2 && text[0] == '0' && FoldAscii(text[1]) == 'x')
    return ParseHex(text.substr(2), negative);
  return ParseDecimal(text, negative);
}

IniDocument IniDocument::Parse(std::string_view cp1251Bytes) {
  IniDocument doc;
  doc.sections_.push_back(Section{});  // lines before the first header
  const std::string text = Cp1251ToUtf8(cp1251Bytes);
  for (std::string_view raw : SplitLines(text)) {
    std::string_view trimmed = Trim(raw);
    if (auto name = SectionHeaderName(trimmed)) {
      doc.sections_.push_back(Section{*name, true, std::string(raw), {}});
      continue;
    }
    Line line;
    line.text = std::string(raw);
    size_t equals = trimmed.find('=');
    if (!trimmed.empty() && trimmed.front() != ';' && equals != std::string_view::npos) {
      line.isKey = true;
      line.key = std::string(Trim(trimmed.substr(0, equals)));
      line.value = std::string(Trim(trimmed.substr(equals + 1)));
    }
    doc.sections_.back().lines.push_back(std::move(line));
  }
  return doc;
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const Section& section : sections_) {
    if (section.hasHeader) text += section.headerText + "\r\n";
    for (const Line& line : section.lines) text += line.text + "\r\n";
  }
  return Utf8ToCp1251(text);
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
  for (const Section& section : sections_)
    if (section.hasHeader && SameName(section.name, name)) return &section;
  return nullptr;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->FindSection(name));
}

const IniDocument::Line* IniDocument::FindKey(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return nullptr;
  for (const Line& line : found->lines)
    if (line.isKey && SameName(line.key, key)) return &line;
  return nullptr;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniDocument::HasKey(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != nullptr;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : sections_)
    if (section.hasHeader) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section))
    for (const Line& line : found->lines)
      if (line.isKey) names.push_back(line.key);
  return names;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const Line* line = FindKey(section, key);
  return std::string(line ? Unquote(line->value) : defaultValue);
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  const Line* line = FindKey(section, key);
  if (!line) return defaultValue;
  return ParseIniInteger(Unquote(line->value)).value_or(defaultValue);
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

IniDocument::Section& IniDocument::SectionForWrite(std::string_view name) {
  if (Section* found = FindSection(name)) return *found;
  Section added;
  added.name = std::string(Trim(name));
  added.hasHeader = true;
  added.headerText = "[" + added.name + "]";
  sections_.push_back(std::move(added));
  return sections_.back();
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = SectionForWrite(section);
  const std::string cleanValue = WithoutLineBreaks(value);
  size_t insertAt = 0;
  for (size_t i = 0; i < target.lines.size(); ++i) {
    Line& line = target.lines[i];
    if (!line.isKey) continue;
    if (SameName(line.key, key)) {
      line.value = cleanValue;
      line.text = line.key + "=" + cleanValue;
      return;
    }
    insertAt = i + 1;
  }
  // After the last key, so comments and blank lines that end the section
  // keep separating it from the next one.
  Line added;
  added.isKey = true;
  added.key = WithoutLineBreaks(Trim(key));
  added.value = cleanValue;
  added.text = added.key + "=" + cleanValue;
  target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(added));
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

IniDocument LoadIniFile(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  return IniDocument::Parse(bytes ? *bytes : std::string());
}

bool SaveIniFile(const std::string& path, const IniDocument& document) {
  return SaveFileAtomically(path, document.Serialize());
}

}  // namespace tikolvo
