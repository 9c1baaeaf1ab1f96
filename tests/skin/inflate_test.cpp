#include "skin/inflate.h"

#include <gtest/gtest.h>

#include "skin_bytes.h"

namespace tikolvo {
namespace {

std::string Sample() {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

TEST(SkinInflate, RestoresWhatZlibCompressedAndIgnoresTrailingBytes) {
  const std::string text = Sample();
  EXPECT_EQ(InflateZlib(test::Zlib(text)), text);
  EXPECT_EQ(InflateZlib(test::Zlib(text) + "tail"), text);
  EXPECT_EQ(InflateZlib(test::Zlib("")), "");
}

TEST(SkinInflate, RejectsStreamsThatAreNotWholeAndValid) {
  const std::string packed = test::Zlib(Sample());
  EXPECT_FALSE(InflateZlib(""));
  EXPECT_FALSE(InflateZlib("plain text, not zlib"));
  EXPECT_FALSE(InflateZlib(packed.substr(0, packed.size() / 2)));
  EXPECT_FALSE(InflateZlib(packed.substr(0, packed.size() - 1)));  // checksum cut
  std::string bad_sum = packed;
  bad_sum.back() ^= 0x01;
  EXPECT_FALSE(InflateZlib(bad_sum));
}

TEST(SkinInflate, OutputCapIsInclusive) {
  const std::string data(1000, 'z');
  EXPECT_EQ(InflateZlib(test::Zlib(data), 1000), data);
  EXPECT_FALSE(InflateZlib(test::Zlib(data), 999));
  EXPECT_FALSE(InflateZlib(test::Zlib("x"), 0));
}

}  // namespace
}  // namespace tikolvo
