#include "common/locale_data.h"

namespace tikolvo {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::size_t RunLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && text[end] == text[pos]) ++end;
  return end - pos;
}

// Wraps literal text in whichever quote it does not contain.
std::string Quoted(std::string_view literal) {
  if (literal.empty()) return {};
  if (literal.find('\'') == std::string_view::npos) return "'" + std::string(literal) + "'";
  if (literal.find('"') == std::string_view::npos) return "\"" + std::string(literal) + "\"";
  std::string out;
  for (char c : literal) out += c == '\'' ? std::string("\"'\"") : "'" + std::string(1, c) + "'";
  return out;
}

// A Windows pattern letter run and its equivalent; "" drops the run (era).
std::string TranslateRun(char letter, std::size_t count) {
  switch (letter) {
    case 'd': return std::string(count > 4 ? 4 : count, 'd');
    case 'M': return std::string(count > 4 ? 4 : count, 'm');
    case 'y': return count <= 2 ? "yy" : "yyyy";
    case 'h':
    case 'H': return count >= 2 ? "hh" : "h";
    case 'm': return count >= 2 ? "nn" : "n";
    case 's': return count >= 2 ? "ss" : "s";
    case 't': return "ampm";
    case 'g': return "";
    default: return {};
  }
}

bool IsPatternLetter(char c) { return std::string_view("dMyhHmstg").find(c) != std::string_view::npos; }

// Reads '...' with '' standing for one quote; pos is at the opening quote.
std::string ReadQuotedText(std::string_view pattern, std::size_t& pos) {
  std::string literal;
  ++pos;
  while (pos < pattern.size()) {
    if (pattern[pos] == '\'') {
      if (pos + 1 < pattern.size() && pattern[pos + 1] == '\'') {
        literal += '\'';
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    literal += pattern[pos++];
  }
  return literal;
}

}  // namespace

std::string PatternFromWindowsFormat(std::string_view pattern) {
  std::string out;
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const char c = pattern[pos];
    if (c == '\'') {
      out += Quoted(ReadQuotedText(pattern, pos));
    } else if (IsPatternLetter(c)) {
      const std::size_t count = RunLength(pattern, pos);
      out += TranslateRun(c, count);
      pos += count;
    } else if (IsAsciiLetter(c) || c == '"') {
      out += Quoted(std::string_view(&pattern[pos], 1));
      ++pos;
    } else {
      out += c;
      ++pos;
    }
  }
  return out;
}

}  // namespace tikolvo
