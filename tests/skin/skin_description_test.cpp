#include "skin/skin_description.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp1251.h"

namespace tikolvo {
namespace {

SkinDescription Parse(const std::string& utf8Text) { return ParseSkinDescription(Utf8ToCp1251(utf8Text)); }

TEST(SkinDescriptionDefaults, EmptyAndBrokenFilesGiveTheKeyLessValues) {
  const std::string garbage("\xFF\x00[[[\r\n=\n[Clock\nRecX1=abc\n\x01\x02", 27);
  for (const std::string& bytes : {std::string(), garbage}) {
    const SkinDescription d = ParseSkinDescription(bytes);
    EXPECT_EQ(d.clock.handRect.bottom, 10);
    EXPECT_TRUE(d.clock.handsEnabled);
    EXPECT_FALSE(d.clock.enhanced);
    EXPECT_EQ(d.clock.shadowPercent, 10);
    EXPECT_EQ(d.colours.alarm, 0x00FFFFu);
    EXPECT_EQ(d.window.hintLayout, 0);  // Hint_all 1
    EXPECT_TRUE(d.window.dropShadow);
    EXPECT_EQ(d.date.top, 329);
    EXPECT_EQ(d.date.font.size, 13);
    EXPECT_EQ(d.date.hint.text, " ");
    EXPECT_TRUE(d.time.showSeconds);
    EXPECT_EQ(d.formats[2].format, "c");
    EXPECT_EQ(d.programMenuAlignment, MenuAlignment::Right);
    EXPECT_EQ(d.Button(SkinButton::ProgramMenu).menuOffsetX, 10);
    EXPECT_TRUE(d.Button(SkinButton::Close).transparent);
  }
}

// Keys whose names repeat across sections, read from the right one.
TEST(SkinDescriptionSections, EachValueComesFromItsOwnSectionAndKey) {
  const SkinDescription d = Parse(
      "[Clock]\nRecX2=90\nSecArrow=41\nenabled=0\n[Window]\nB=1\n[All]\nshadow=0\n"
      "[Data]\nLSize=9\nSize=40\nHINT=Сегодня\n[Format_3]\nL=4\nFormat=hh:nn:ss\n"
      "[ButtonSV]\nH=16\nMx=99\ntr=0\n[ButtonMenu]\nMy=3\n");
  EXPECT_EQ(d.clock.handRect.right, 90);
  EXPECT_EQ(d.clock.secondLength, 41);
  EXPECT_EQ(d.clock.minuteLength, 38);
  EXPECT_FALSE(d.clock.handsEnabled);
  EXPECT_TRUE(d.window.snapBottom);
  EXPECT_FALSE(d.window.dropShadow);
  EXPECT_EQ(d.date.font.size, 9);  // the date label's size is LSize
  EXPECT_EQ(d.date.hint.text, "Сегодня");
  EXPECT_EQ(d.formats[2].placement.left, 4);
  EXPECT_EQ(d.formats[2].format, "hh:nn:ss");
  EXPECT_EQ(d.Button(SkinButton::Minimise).height, 16);
  EXPECT_EQ(d.Button(SkinButton::Minimise).menuOffsetX, 10);  // not a menu button
  EXPECT_FALSE(d.Button(SkinButton::Minimise).transparent);
  EXPECT_EQ(d.Button(SkinButton::ProgramMenu).menuOffsetY, 3);
}

TEST(SkinDescriptionLabels, OnlyTheLastStyleSetApplies) {
  EXPECT_EQ(Parse("[Time]\nBold=1\nitalic=1\n").time.font.style, FontStyle::Italic);
  EXPECT_EQ(Parse("[Time]\nBold=1\n").time.font.style, FontStyle::Bold);
  EXPECT_EQ(Parse("[Format_2]\nStrikeOut=1\nBold=1\nunderline=1\n").formats[1].font.style, FontStyle::StrikeOut);
  EXPECT_EQ(Parse("[Format_1]\nBold=0\n").formats[0].font.style, FontStyle::Regular);
}

TEST(SkinDescriptionWindow, HintAllMapsToTheHintLayout) {
  const int expected[] = {4, 0, 1, 2, 3, 5};
  for (int value = 0; value <= 5; ++value) {
    const SkinDescription d = Parse("[Window]\nHint_all=" + std::to_string(value) + "\n");
    EXPECT_EQ(d.window.hintLayout, expected[value]) << value;
  }
  EXPECT_EQ(Parse("[Window]\nHint_all=9\n").window.hintLayout, 0);
  EXPECT_EQ(HintLayoutFor(false, Parse("[Window]\nHint_all=3\n").window), kTextOnlyHintLayout);
  EXPECT_EQ(HintLayoutFor(true, Parse("[Window]\nHint_all=3\n").window), 2);
}

TEST(SkinDescriptionMenus, AlignmentOutsideOneToThreeKeepsTheCurrentOne) {
  const SkinDescription d = Parse("[MenuPr]\nAlig=3\n[MenuWWW]\nAlig=7\n");
  EXPECT_EQ(ResolveMenuAlignment(d.programMenuAlignment, MenuAlignment::Left), MenuAlignment::Centre);
  EXPECT_EQ(ResolveMenuAlignment(d.webMenuAlignment, MenuAlignment::Left), MenuAlignment::Left);
  EXPECT_EQ(Parse("[MenuPr]\nAlig=1\n").programMenuAlignment, MenuAlignment::Left);
}

}  // namespace
}  // namespace tikolvo
