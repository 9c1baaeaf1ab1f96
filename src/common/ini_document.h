#pragma once
// An INI file held in memory, following the rules the Windows private-profile
// functions apply, because config.cfg, skin.cfg and config.ini were always
// written and read through them:
//  - section and key names match without regard to (ASCII) case;
//  - whitespace around names and values is ignored, a value wrapped in double
//    quotes loses them on read;
//  - the first occurrence of a duplicated section or key is the one read and
//    the one a write changes;
//  - a write changes the existing line in place, appends a new key after the
//    last key of its section, and appends a new section at the end of the file;
//  - comment lines, blank lines and lines we do not understand stay where they
//    are, so does every key and section the program does not know.
// Text inside is UTF-8; the file form is Windows-1251 with CRLF line ends.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

// Integer text as the profile readers accept it: optional sign, then decimal
// digits, or "$"/"0x" followed by up to eight hexadecimal digits (taken as a
// 32-bit pattern, so "$FFFFFFFF" is -1). Anything else is not a number.
std::optional<int> ParseIniInteger(std::string_view text);

class IniDocument {
 public:
  // Windows-1251 bytes; LF, CRLF and lone CR all end a line.
  static IniDocument Parse(std::string_view cp1251Bytes);
  // Windows-1251 bytes, every line ended by CRLF.
  std::string Serialize() const;

  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;

  // A missing key gives the default; a key with an empty value gives "".
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // A missing key or a value that is not a number gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // "0" is false, any other integer true; not a number gives the default.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Line breaks inside a value would split the line, so they become spaces.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  struct Line {
    std::string text;  // as read; rebuilt from key and value after a write
    bool isKey = false;
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    bool hasHeader = false;  // only the lines before the first header lack one
    std::string headerText;
    std::vector<Line> lines;
  };

  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  const Line* FindKey(std::string_view section, std::string_view key) const;
  Section& SectionForWrite(std::string_view name);

  std::vector<Section> sections_;
};

// A missing or unreadable file is an empty document.
IniDocument LoadIniFile(const std::string& path);
// Replaces the file atomically; false when it could not (read-only, locked).
bool SaveIniFile(const std::string& path, const IniDocument& document);

}  // namespace tikolvo
