// The record and number helpers on arbitrary lines: no crash, and the fields
// always come back as pieces of the line they were cut from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/text_record.h"
#include "common/utf8_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void CheckFields(std::string_view line) {
  using namespace tikolvo;
  const std::string head = HeadOf(line);
  const std::string tail = TailOf(line);
  if (line.find(kHeadSeparator) != std::string_view::npos) {
    Check(std::string(head) + std::string(kHeadSeparator) + tail == line);
    Check(head.find(kHeadSeparator) == std::string::npos);
  } else {
    Check(head.empty());
  }
  Check(EndsWith(line, tail));
  Check(EndsWith(line, LastOf(line)));
  const std::string middle = MiddleOf(line);
  Check(middle.find(kLastSeparator) == std::string::npos);
  Check(line.find(middle) != std::string_view::npos);
  Check(MiddleNumber(line) == Int32OrZero(middle));
  (void)TailNumber(line);
}

void CheckNumbers(std::string_view text) {
  using namespace tikolvo;
  const std::string grouped = GroupThousands(text);
  Check(grouped.size() <= text.size() + text.size() / 3 + 1);
  (void)GroupNumberText(text);
  const std::string stripped = StripExtension(text);
  Check(stripped.empty() || text.substr(0, stripped.size()) == stripped);
  if (auto number = ParseInt32(text)) Check(ParseInt32(std::to_string(*number)) == number);
  Check(CharCount(text) <= text.size());
  (void)CopyChars(text, static_cast<long long>(text.size() % 7) - 2, static_cast<long long>(text.size() % 5) - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  CheckFields(line);
  CheckNumbers(line);
  return 0;
}
