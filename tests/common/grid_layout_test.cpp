#include "common/grid_layout.h"

#include <gtest/gtest.h>

namespace tikolvo::grid {
namespace {

TEST(GridStripes, FirstRowGreenThenAlternating) {
  // Colours are 0x00BBGGRR: dark green text is red 0x33, green 0x66.
  EXPECT_EQ(StripeOfRow(0), (RowColours{0x006633, 0xE0FFE0}));
  EXPECT_EQ(StripeOfRow(1), (RowColours{0x660000, 0xFFE0E0}));
  EXPECT_EQ(StripeOfRow(2), StripeOfRow(0));
  EXPECT_EQ(StripeOfRow(7), StripeOfRow(1));
}

TEST(GridStripes, EmptyAreaContinuesWithTheNextRowsColour) {
  EXPECT_EQ(BackgroundBelowRows(0), 0xE0FFE0u);  // an empty grid looks like its first row
  EXPECT_EQ(BackgroundBelowRows(1), 0xFFE0E0u);
  EXPECT_EQ(BackgroundBelowRows(4), 0xE0FFE0u);
  EXPECT_EQ(BackgroundBelowRows(-3), 0xE0FFE0u);
}

TEST(GridColours, LockedTextMovesSixtyFivePercentTowardWhite) {
  // 0x33 + 65 * (255 - 0x33) / 100 = 51 + 132 = 183; 0x66 -> 102 + 99 = 201; 0 -> 165.
  EXPECT_EQ(Lightened(0x006633, 65), 0xA5C9B7u);
  EXPECT_EQ(Lightened(0xFFFFFF, 65), 0xFFFFFFu);
  EXPECT_EQ(Lightened(0x123456, 0), 0x123456u);
  EXPECT_EQ(Lightened(0x000000, 250), 0xFFFFFFu);  // clamped to 100 %
}

TEST(GridColours, BlendAtOpacity) {
  EXPECT_EQ(Blend(0xE0FFE0, 0x0000FF, 255), 0x0000FFu);
  EXPECT_EQ(Blend(0xE0FFE0, 0x0000FF, 0), 0xE0FFE0u);
  // Red at 230/255 over light green: red (224*25 + 255*230)/255 = 252, green 255*25/255 = 25, blue 224*25/255 = 22.
  EXPECT_EQ(Blend(0xE0FFE0, 0x0000FF, 230), 0x1619FCu);
}

TEST(GridText, IndentFromTheAlignedEdge) {
  const Box cell{10, 0, 110, 20};
  EXPECT_EQ(TextBox(cell, Align::Left, 3), (Box{13, 0, 110, 20}));
  EXPECT_EQ(TextBox(cell, Align::Right, 2), (Box{10, 0, 108, 20}));
  EXPECT_EQ(TextBox(cell, Align::Centre, 4), (Box{14, 0, 106, 20}));
  // A cell narrower than its indent gives an empty box, never a reversed one.
  EXPECT_EQ(TextBox(Box{0, 0, 4, 20}, Align::Centre, 3), (Box{3, 0, 3, 20}));
}

TEST(GridPictures, CentredAcrossWithTruncatingHalf) {
  // The scheduler's picture: 18 wide, cell 22 wide at x 40, 2 below the top.
  EXPECT_EQ(PictureOrigin(Box{40, 100, 62, 120}, 18, 18, PictureColumnPlace::Centred, PictureRowPlace::Top, 0, 2),
            (Point{42, 102}));
  // (23 - 18) div 2 = 2; the locked picture 2 further right.
  EXPECT_EQ(PictureOrigin(Box{0, 0, 23, 20}, 18, 18, PictureColumnPlace::Centred, PictureRowPlace::Top, 2, 2),
            (Point{4, 2}));
  // A picture wider than its cell overhangs both sides evenly (toward zero).
  EXPECT_EQ(PictureOrigin(Box{10, 0, 15, 20}, 18, 18, PictureColumnPlace::Centred, PictureRowPlace::Top, 0, 0),
            (Point{4, 0}));
}

TEST(GridPictures, LeftEdgeAndMiddle) {
  // The next-task mark: at the cell's left edge, 1 pixel above its top.
  EXPECT_EQ(PictureOrigin(Box{60, 40, 200, 60}, 18, 18, PictureColumnPlace::Left, PictureRowPlace::Top, 0, -1),
            (Point{60, 39}));
  // A check box of 13 in a 23 x 20 cell.
  EXPECT_EQ(PictureOrigin(Box{0, 20, 23, 40}, 13, 13, PictureColumnPlace::Centred, PictureRowPlace::Middle, 0, 0),
            (Point{5, 23}));
}

TEST(GridColumns, StretchColumnTakesTheRest) {
  EXPECT_EQ(FitColumns({22, 100, 40}, 1, 300), (std::vector<int>{22, 238, 40}));
  EXPECT_EQ(FitColumns({20, 22, 50}, 2, 200), (std::vector<int>{20, 22, 158}));
}

TEST(GridColumns, StretchKeepsItsMinimumAndBadIndexChangesNothing) {
  EXPECT_EQ(FitColumns({50, 80, 60}, 1, 100), (std::vector<int>{50, 80, 60}));
  EXPECT_EQ(FitColumns({50, 80}, 2, 500), (std::vector<int>{50, 80}));
  EXPECT_EQ(FitColumns({50, 80}, -1, 500), (std::vector<int>{50, 80}));
  EXPECT_EQ(FitColumns({}, 0, 500), (std::vector<int>{}));
}

TEST(GridColumns, NumberColumnSampleGrowsPastTenRows) {
  EXPECT_EQ(NumberColumnSample(0), "10");
  EXPECT_EQ(NumberColumnSample(10), "10");
  EXPECT_EQ(NumberColumnSample(11), "11");
  EXPECT_EQ(NumberColumnSample(1234), "1234");
}

}  // namespace
}  // namespace tikolvo::grid
