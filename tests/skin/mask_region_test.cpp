#include "skin/mask_region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tikolvo {
namespace {

// Rows of '#' (black, kept) and '.' (white, cut away).
Picture Mask(const std::vector<std::string>& rows) {
  Picture p;
  p.width = static_cast<int>(rows[0].size());
  p.height = static_cast<int>(rows.size());
  for (const std::string& row : rows) {
    for (char c : row) p.pixels.push_back(c == '.' ? 0x00FFFFFFu : 0x00000000u);
  }
  return p;
}

TEST(MaskRegion, AllWhiteCutsEverythingAway) {
  const Picture mask = Mask({"...", "..."});
  EXPECT_TRUE(KeptRectangles(mask).empty());
  EXPECT_EQ(WhiteRuns(mask), (std::vector<MaskRect>{{0, 0, 3, 1}, {0, 1, 3, 2}}));
}

TEST(MaskRegion, NoWhiteKeepsTheFullRectangle) {
  const Picture mask = Mask({"####", "####", "####"});
  EXPECT_TRUE(WhiteRuns(mask).empty());
  EXPECT_EQ(KeptRectangles(mask), (std::vector<MaskRect>{{0, 0, 4, 3}}));
}

TEST(MaskRegion, ShapeIsCutRowByRowAndKeptRowsMerge) {
  const Picture mask = Mask({
      ".##.",
      "####",
      "####",
      "#..#",
      ".##.",
  });
  EXPECT_EQ(WhiteRuns(mask), (std::vector<MaskRect>{
                                 {0, 0, 1, 1}, {3, 0, 4, 1}, {1, 3, 3, 4}, {0, 4, 1, 5}, {3, 4, 4, 5}}));
  EXPECT_EQ(KeptRectangles(mask), (std::vector<MaskRect>{
                                      {1, 0, 3, 1}, {0, 1, 4, 3}, {0, 3, 1, 4}, {3, 3, 4, 4}, {1, 4, 3, 5}}));
}

TEST(MaskRegion, OnlyPureWhiteIsCutWhateverTheAlpha) {
  Picture mask = Mask({"...."});
  mask.pixels[1] = 0xFFFFFFFFu;  // white with alpha: still white
  mask.pixels[2] = 0x00FFFEFFu;  // almost white: kept
  EXPECT_EQ(KeptRectangles(mask), (std::vector<MaskRect>{{2, 0, 3, 1}}));
}

}  // namespace
}  // namespace tikolvo
