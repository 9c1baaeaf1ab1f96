#include "common/text_record.h"

#include "common/number_text.h"
#include "common/utf8_text.h"

namespace tikolvo {

std::string HeadOf(std::string_view line) {
  const auto bar = line.find(kHeadSeparator);
  if (bar == std::string_view::npos) return {};
  return std::string(line.substr(0, bar));
}

std::string TailOf(std::string_view line) {
  const auto bar = line.find(kHeadSeparator);
  if (bar == std::string_view::npos) return DropFirstChar(line);
  return std::string(line.substr(bar + kHeadSeparator.size()));
}

std::string MiddleOf(std::string_view line) {
  const auto bracket = line.find(kLastSeparator);
  if (bracket == std::string_view::npos) return {};
  const auto bar = line.find(kHeadSeparator);
  std::size_t begin;
  if (bar != std::string_view::npos) {
    begin = bar + kHeadSeparator.size();
  } else {
    // Without "||" the first character is skipped, as if the separator
    // stood just before the line.
    begin = line.size() - DropFirstChar(line).size();
  }
  if (bracket <= begin) return {};
  return std::string(line.substr(begin, bracket - begin));
}

std::string LastOf(std::string_view line) {
  const auto bracket = line.find(kLastSeparator);
  if (bracket == std::string_view::npos) return DropFirstChar(line);
  return std::string(line.substr(bracket + kLastSeparator.size()));
}

std::int32_t MiddleNumber(std::string_view line) { return Int32OrZero(MiddleOf(line)); }

std::int32_t TailNumber(std::string_view line) {
  if (line.find(kHeadSeparator) == std::string_view::npos) return 0;
  return Int32OrZero(TrimBlanks(TailOf(line)));
}

}  // namespace tikolvo
