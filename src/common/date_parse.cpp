// Reading back a date-time written with the locale's short date and long
// time patterns (ParseDateTime in date_format.h).
#include <array>
#include <optional>
#include <string>

#include "common/date_format.h"

namespace tikolvo {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Order of day, month and year in the short date pattern, e.g. "dmy".
std::string DateOrder(std::string_view pattern) {
  std::string order;
  char quote = 0;
  for (char c : pattern) {
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '\'' || c == '"') {
      quote = c;
      continue;
    }
    const char letter = Lower(c);
    if ((letter == 'd' || letter == 'm' || letter == 'y') && order.find(letter) == std::string::npos)
      order += letter;
  }
  return order.size() == 3 ? order : "dmy";
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipSpaces();
    return pos_ == text_.size();
  }

  void SkipSpaces() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  // A run of up to 9 digits; digitCount tells how many were read.
  std::optional<int> Number(int& digitCount) {
    SkipSpaces();
    int value = 0;
    digitCount = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      if (++digitCount > 9) return std::nullopt;
      value = value * 10 + (text_[pos_++] - '0');
    }
    if (digitCount == 0) return std::nullopt;
    return value;
  }

  bool Take(std::string_view expected) {
    if (expected.empty() || text_.substr(pos_, expected.size()) != expected) return false;
    pos_ += expected.size();
    return true;
  }

  bool TakeNoCase(std::string_view expected) {
    if (expected.empty() || text_.size() - pos_ < expected.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
      if (Lower(text_[pos_ + i]) != Lower(expected[i])) return false;
    pos_ += expected.size();
    return true;
  }

  // The locale's separator, or one of the usual ones a hand-edited file may
  // carry.
  bool TakeSeparator(std::string_view localeSeparator, std::string_view usual) {
    SkipSpaces();
    if (Take(localeSeparator)) return true;
    if (pos_ < text_.size() && usual.find(text_[pos_]) != std::string_view::npos) {
      ++pos_;
      return true;
    }
    return false;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

int FullYear(int year, int digitCount) {
  if (digitCount > 2) return year;
  return year < 50 ? 2000 + year : 1900 + year;
}

std::optional<DateTime> ScanDate(Scanner& scanner, const Locale& locale) {
  const std::string order = DateOrder(locale.shortDateFormat);
  int day = 0, month = 0, year = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && !scanner.TakeSeparator(locale.dateSeparator, "./-")) return std::nullopt;
    int digits = 0;
    const auto number = scanner.Number(digits);
    if (!number) return std::nullopt;
    if (order[i] == 'd') day = *number;
    if (order[i] == 'm') month = *number;
    if (order[i] == 'y') year = FullYear(*number, digits);
  }
  return TryEncodeDate(year, month, day);
}

// +1 for an afternoon marker, -1 for a morning one, 0 for none.
int ScanMarker(Scanner& scanner, const Locale& locale) {
  scanner.SkipSpaces();
  if (scanner.TakeNoCase(locale.pmString) || scanner.TakeNoCase("pm") || scanner.TakeNoCase("p")) return 1;
  if (scanner.TakeNoCase(locale.amString) || scanner.TakeNoCase("am") || scanner.TakeNoCase("a")) return -1;
  return 0;
}

std::optional<DateTime> ScanTime(Scanner& scanner, const Locale& locale) {
  std::array<int, 4> parts = {0, 0, 0, 0};  // hour, minute, second, millisecond
  int digits = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0 && !scanner.TakeSeparator(locale.timeSeparator, ":")) {
      if (i == 1) return std::nullopt;  // an hour alone is not a time
      break;
    }
    const auto number = scanner.Number(digits);
    if (!number) return std::nullopt;
    parts[i] = *number;
  }
  if (scanner.Take(".")) {
    const auto number = scanner.Number(digits);
    if (!number || digits > 3) return std::nullopt;
    parts[3] = *number * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
  }
  const int marker = ScanMarker(scanner, locale);
  if (marker != 0) {
    if (parts[0] < 1 || parts[0] > 12) return std::nullopt;
    parts[0] = parts[0] % 12 + (marker > 0 ? 12 : 0);
  }
  return TryEncodeTime(parts[0], parts[1], parts[2], parts[3]);
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text, const Locale& locale) {
  Scanner scanner(text);
  const auto date = ScanDate(scanner, locale);
  if (!date) return std::nullopt;
  if (scanner.AtEnd()) return date;
  const auto time = ScanTime(scanner, locale);
  if (!time || !scanner.AtEnd()) return std::nullopt;
  return CombineDateAndTime(*date, *time);
}

}  // namespace tikolvo
