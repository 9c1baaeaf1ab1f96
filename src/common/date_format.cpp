#include "common/date_format.h"

#include <algorithm>
#include <string>

namespace tikolvo {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view prefix) {
  if (text.size() - pos < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Upper(text[pos + i]) != Upper(prefix[i])) return false;
  return true;
}

std::string Padded(int number, std::size_t minDigits) {
  std::string digits = std::to_string(number < 0 ? -number : number);
  if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return number < 0 ? "-" + digits : digits;
}

bool IsQuote(char c) { return c == '\'' || c == '"'; }

// True when an unquoted "d" or "dd" (a day number, not a name) stands in the
// pattern: month names then take the form used after a number.
bool HasDayNumber(std::string_view pattern) {
  char quote = 0;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (quote) {
      if (c == quote) quote = 0;
      ++pos;
    } else if (IsQuote(c)) {
      quote = c;
      ++pos;
    } else if (c == 'd' || c == 'D') {
      std::size_t end = pos;
      while (end < pattern.size() && pattern[end] == c) ++end;
      if (end - pos <= 2) return true;
      pos = end;
    } else {
      ++pos;
    }
  }
  return false;
}

// Whether an am/pm marker follows before the next hour letter, which puts
// that hour on the 12-hour clock.
bool MarkerFollows(std::string_view pattern, std::size_t pos) {
  bool quoted = false;
  for (; pos < pattern.size(); ++pos) {
    const char c = pattern[pos];
    if (IsQuote(c)) {
      quoted = !quoted;
    } else if (!quoted && Upper(c) == 'A') {
      return StartsWithNoCase(pattern, pos, "am/pm") || StartsWithNoCase(pattern, pos, "a/p") ||
             StartsWithNoCase(pattern, pos, "ampm");
    } else if (!quoted && Upper(c) == 'H') {
      return false;
    }
  }
  return false;
}

class Formatter {
 public:
  Formatter(DateTime value, const Locale& locale) : civil_(DecodeDateTime(value)), value_(value), locale_(locale) {}

  std::string Format(std::string_view pattern) {
    Append(pattern, 0);
    return std::move(out_);
  }

 private:
  // The locale's own patterns may contain c, t or ddddd again; two levels
  // are enough for any sane pattern and stop a loop.
  static constexpr int kMaxDepth = 2;

  struct Level {
    std::string_view pattern;
    std::size_t pos = 0;
    int depth = 0;
    bool twelveHour = false;
    bool genitive = false;
    char lastToken = 0;
  };

  void Append(std::string_view pattern, int depth) {
    if (depth > kMaxDepth) return;
    Level level{pattern, 0, depth, false, HasDayNumber(pattern), 0};
    while (level.pos < pattern.size()) AppendToken(level);
  }

  static std::size_t TakeRun(Level& level) {
    const char starter = level.pattern[level.pos];
    std::size_t count = 0;
    while (level.pos < level.pattern.size() && level.pattern[level.pos] == starter) {
      ++level.pos;
      ++count;
    }
    return count;
  }

  void AppendToken(Level& level) {
    const char starter = level.pattern[level.pos];
    char token = Upper(starter);
    if (token >= 'A' && token <= 'Z') {
      if (token == 'M' && level.lastToken == 'H') token = 'N';
      level.lastToken = token;
    }
    switch (token) {
      case 'Y': AppendYear(TakeRun(level)); break;
      case 'M': AppendMonth(TakeRun(level), level.genitive); break;
      case 'D': AppendDay(TakeRun(level), level.depth); break;
      case 'H': AppendHour(level); break;
      case 'N': AppendNumber(civil_.minute, TakeRun(level)); break;
      case 'S': AppendNumber(civil_.second, TakeRun(level)); break;
      case 'Z': out_ += Padded(civil_.millisecond, std::min<std::size_t>(TakeRun(level), 3)); break;
      case 'T': AppendTime(TakeRun(level), level.depth); break;
      case 'C': AppendShortDateAndTime(level); break;
      case 'A': AppendMarker(level); break;
      case '/': out_ += locale_.dateSeparator; ++level.pos; break;
      case ':': out_ += locale_.timeSeparator; ++level.pos; break;
      case '\'':
      case '"': AppendQuoted(level); break;
      default: out_ += starter; ++level.pos; break;
    }
  }

  void AppendNumber(int number, std::size_t count) { out_ += Padded(number, count >= 2 ? 2 : 1); }

  void AppendYear(std::size_t count) {
    out_ += count <= 2 ? Padded(civil_.year % 100, 2) : Padded(civil_.year, 4);
  }

  void AppendMonth(std::size_t count, bool genitive) {
    const auto index = static_cast<std::size_t>(civil_.month - 1);
    if (count <= 2) AppendNumber(civil_.month, count);
    else if (count == 3) out_ += locale_.shortMonthNames[index];
    else out_ += (genitive ? locale_.genitiveMonthNames : locale_.longMonthNames)[index];
  }

  void AppendDay(std::size_t count, int depth) {
    const auto weekday = static_cast<std::size_t>(DayOfWeek(value_) - 1);
    switch (count) {
      case 1:
      case 2: AppendNumber(civil_.day, count); break;
      case 3: out_ += locale_.shortDayNames[weekday]; break;
      case 4: out_ += locale_.longDayNames[weekday]; break;
      case 5: Append(locale_.shortDateFormat, depth + 1); break;
      default: Append(locale_.longDateFormat, depth + 1); break;
    }
  }

  void AppendHour(Level& level) {
    const std::size_t count = TakeRun(level);
    if (MarkerFollows(level.pattern, level.pos)) level.twelveHour = true;
    int hour = civil_.hour;
    if (level.twelveHour) hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
    AppendNumber(hour, count);
  }

  void AppendTime(std::size_t count, int depth) {
    Append(count == 1 ? locale_.shortTimeFormat : locale_.longTimeFormat, depth + 1);
  }

  void AppendShortDateAndTime(Level& level) {
    TakeRun(level);
    Append(locale_.shortDateFormat, level.depth + 1);
    if (civil_.hour != 0 || civil_.minute != 0 || civil_.second != 0) {
      out_ += ' ';
      Append(locale_.longTimeFormat, level.depth + 1);
    }
  }

  // am/pm and a/p print the pattern's own letters in its case; ampm prints
  // the locale's strings.
  void AppendMarker(Level& level) {
    const std::string_view pattern = level.pattern;
    const std::size_t pos = level.pos;
    const bool afternoon = civil_.hour >= 12;
    if (StartsWithNoCase(pattern, pos, "am/pm")) {
      out_ += pattern.substr(afternoon ? pos + 3 : pos, 2);
      level.pos += 5;
    } else if (StartsWithNoCase(pattern, pos, "a/p")) {
      out_ += pattern.substr(afternoon ? pos + 2 : pos, 1);
      level.pos += 3;
    } else if (StartsWithNoCase(pattern, pos, "ampm")) {
      out_ += afternoon ? locale_.pmString : locale_.amString;
      level.pos += 4;
    } else {
      out_ += pattern[pos];
      ++level.pos;
      return;
    }
    level.twelveHour = true;
  }

  void AppendQuoted(Level& level) {
    const char quote = level.pattern[level.pos++];
    const std::size_t close = level.pattern.find(quote, level.pos);
    const std::size_t end = close == std::string_view::npos ? level.pattern.size() : close;
    out_ += level.pattern.substr(level.pos, end - level.pos);
    level.pos = close == std::string_view::npos ? end : end + 1;
  }

  CivilTime civil_;
  DateTime value_;
  const Locale& locale_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view pattern, DateTime value, const Locale& locale) {
  return Formatter(value, locale).Format(pattern);
}

}  // namespace tikolvo
