// The codec on arbitrary bytes: never crashes, always produces valid UTF-8
// from CP1251, and CP1251 -> UTF-8 -> CP1251 gives back every byte except
// the unassigned 0x98.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/cp1251.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Strict UTF-8 check: every sequence decodes to itself, and U+FFFD only
// appears where it was really written.
void CheckValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t cp;
    const std::size_t length = tikolvo::DecodeUtf8(text, pos, cp);
    if (cp == 0xFFFD) Check(length == 3 && text.substr(pos, 3) == "\xEF\xBF\xBD");
    pos += length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string fromUtf8 = tikolvo::Utf8ToCp1251(bytes);
  Check(fromUtf8.size() <= bytes.size());

  const std::string utf8 = tikolvo::Cp1251ToUtf8(bytes);
  CheckValidUtf8(utf8);
  std::string expected(bytes);
  for (char& c : expected)
    if (static_cast<unsigned char>(c) == 0x98) c = '?';
  Check(tikolvo::Utf8ToCp1251(utf8) == expected);
  return 0;
}
