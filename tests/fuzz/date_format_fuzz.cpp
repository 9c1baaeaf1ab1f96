// Label patterns come from skin files and stored dates from config.cfg, so
// the formatter and the date reader must survive any text. The first bytes
// pick the date-time value; the rest is the pattern and the text to parse.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  if (!std::isfinite(value)) value = 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const tikolvo::Locale locale;
  (void)tikolvo::FormatDateTime(text, value, locale);
  if (auto parsed = tikolvo::ParseDateTime(text, locale)) {
    // Whatever was read back must format without trouble too.
    (void)tikolvo::FormatDateTime("c", *parsed, locale);
  }
  return 0;
}
