#include "common/number_text.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "common/utf8_text.h"

namespace tikolvo {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Strips a hexadecimal marker and reports the base of what follows.
int TakeBase(std::string_view& text) {
  if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
    text.remove_prefix(1);
    return 16;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    return 16;
  }
  return 10;
}

std::vector<std::string_view> SplitIntoChars(std::string_view text) {
  std::vector<std::string_view> chars;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t next = ByteOffsetOfChar(text.substr(pos), 2);
    if (next == 0) next = text.size() - pos;
    chars.push_back(text.substr(pos, next));
    pos += next;
  }
  return chars;
}

double RoundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const int base = TakeBase(text);
  if (text.empty()) return std::nullopt;
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : 0x7FFFFFFFull + (negative ? 1 : 0);
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > limit) return std::nullopt;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

std::int32_t Int32OrZero(std::string_view text) { return ParseInt32(text).value_or(0); }

std::string GroupThousands(std::string_view digits) {
  const auto chars = SplitIntoChars(digits);
  std::string out;
  std::size_t index = 0;
  const std::size_t firstGroup = chars.size() % 3;
  for (; index < firstGroup; ++index) out += chars[index];
  while (index < chars.size()) {
    if (!out.empty()) out += ' ';
    for (int k = 0; k < 3; ++k) out += chars[index++];
  }
  return std::string(TrimBlanks(out));
}

std::string GroupNumberText(std::string_view text) {
  auto split = text.find('.');
  if (split == std::string_view::npos) split = text.find(' ');
  if (split == std::string_view::npos) return std::string(text);
  return GroupThousands(text.substr(0, split)) + std::string(text.substr(split));
}

std::string StripExtension(std::string_view name) {
  const auto last = name.find_last_of(".\\:");
  if (last == std::string_view::npos || name[last] != '.') return {};
  return std::string(name.substr(0, last));
}

std::string FormatFixed(int decimals, double x) {
  if (decimals < 0) decimals = 0;
  if (decimals > 20) decimals = 20;
  double rounded = x;
  if (std::isfinite(x) && std::fabs(x) < 1e15) rounded = RoundHalfToEven(x * 10000.0) / 10000.0;
  // The C library writes the exact binary value here (the Windows build
  // uses MinGW's own printf, not the system's, which rounds ties away from
  // zero); std::to_chars would do the same at the cost of 180 KB of tables.
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  if (length <= 0 || length >= static_cast<int>(sizeof buffer)) return "0";
  std::string text(buffer, static_cast<std::size_t>(length));
  // A value that rounds to zero is written without a sign.
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  return text;
}

}  // namespace tikolvo
