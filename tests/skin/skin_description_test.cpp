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
    EXPECT_EQ(d.clock.handRect.left, 1);
    EXPECT_EQ(d.clock.handRect.bottom, 10);
    EXPECT_EQ(d.clock.hourLength, 38);
    EXPECT_TRUE(d.clock.handsEnabled);
    EXPECT_FALSE(d.clock.enhanced);
    EXPECT_EQ(d.clock.shadowPercent, 10);
    EXPECT_EQ(d.colours.second, 128u);
    EXPECT_EQ(d.colours.alarm, 0x00FFFFu);
    EXPECT_EQ(d.window.hintLayout, 0);  // Hint_all 1
    EXPECT_TRUE(d.window.dropShadow);
    EXPECT_EQ(d.date.top, 329);
    EXPECT_EQ(d.date.format, "d mmm yyyy");
    EXPECT_EQ(d.date.font.size, 13);
    EXPECT_EQ(d.date.hint.text, " ");
    EXPECT_TRUE(d.time.showSeconds);
    EXPECT_EQ(d.time.placement.width, 20);
    EXPECT_EQ(d.time.font.size, 8);
    EXPECT_EQ(d.formats[2].format, "c");
    EXPECT_EQ(d.programMenuAlignment, MenuAlignment::Right);
    EXPECT_EQ(d.Button(SkinButton::ProgramMenu).menuOffsetX, 10);
    EXPECT_EQ(d.Button(SkinButton::WebMenu).menuOffsetY, 8);
    EXPECT_EQ(d.Button(SkinButton::Close).width, 1);
    EXPECT_TRUE(d.Button(SkinButton::Close).transparent);
  }
}

TEST(SkinDescriptionClock, ReadsTheSimpleModelAndWindow) {
  const SkinDescription d = Parse(
      "[clock]\nRecX1=10\nRecY1=12\nRecX2=90\nRecY2=92\nHourArrow=20\nSecArrow=41\nShadow=1\n"
      "transp_back=1\nenabled=0\n[Color]\nBasic=$FF\nSecond=65280\n[Window]\nL=1\nB=1\n[All]\nshadow=0\n");
  EXPECT_EQ(d.clock.handRect.left, 10);
  EXPECT_EQ(d.clock.handRect.top, 12);
  EXPECT_EQ(d.clock.handRect.right, 90);
  EXPECT_EQ(d.clock.handRect.bottom, 92);
  EXPECT_EQ(d.clock.hourLength, 20);
  EXPECT_EQ(d.clock.minuteLength, 38);
  EXPECT_EQ(d.clock.secondLength, 41);
  EXPECT_TRUE(d.clock.shadow);
  EXPECT_TRUE(d.clock.transparentBackground);
  EXPECT_FALSE(d.clock.handsEnabled);
  EXPECT_EQ(d.colours.basic, 0xFFu);
  EXPECT_EQ(d.colours.second, 0xFF00u);
  EXPECT_TRUE(d.window.snapLeft);
  EXPECT_FALSE(d.window.snapRight);
  EXPECT_TRUE(d.window.snapBottom);
  EXPECT_FALSE(d.window.dropShadow);
}

TEST(SkinDescriptionLabels, OnlyTheLastStyleSetApplies) {
  EXPECT_EQ(Parse("[Time]\nBold=1\nitalic=1\n").time.font.style, FontStyle::Italic);
  EXPECT_EQ(Parse("[Time]\nBold=1\n").time.font.style, FontStyle::Bold);
  EXPECT_EQ(Parse("[Format_2]\nStrikeOut=1\nBold=1\nunderline=1\n").formats[1].font.style, FontStyle::StrikeOut);
  EXPECT_EQ(Parse("[Format_1]\nBold=0\n").formats[0].font.style, FontStyle::Regular);
}

TEST(SkinDescriptionLabels, DateLabelUsesItsOwnFontKeysAndTextIsUtf8) {
  const SkinDescription d = Parse(
      "[Data]\nShowData=1\nLTop=5\nFormat=dd.mm\nName=Tahoma\nLSize=9\nLColor=255\nSize=40\n"
      "SHINT=1\nHINT=Сегодня\n[Format_3]\nShow=1\nT=3\nL=4\nFormat=hh:nn:ss\nEverySecond=1\n");
  EXPECT_TRUE(d.date.show);
  EXPECT_EQ(d.date.top, 5);
  EXPECT_EQ(d.date.format, "dd.mm");
  EXPECT_EQ(d.date.font.name, "Tahoma");
  EXPECT_EQ(d.date.font.size, 9);  // LSize, not Size
  EXPECT_EQ(d.date.font.colour, 255u);
  EXPECT_TRUE(d.date.hint.show);
  EXPECT_EQ(d.date.hint.text, "Сегодня");
  const FormatLabelDescription& f = d.formats[2];
  EXPECT_TRUE(f.show);
  EXPECT_EQ(f.placement.top, 3);
  EXPECT_EQ(f.placement.left, 4);
  EXPECT_EQ(f.format, "hh:nn:ss");
  EXPECT_TRUE(f.everySecond);
  EXPECT_FALSE(d.formats[0].show);
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
  EXPECT_EQ(ResolveMenuAlignment(Parse("[MenuWWW]\nAlig=0\n").webMenuAlignment, MenuAlignment::Centre),
            MenuAlignment::Centre);
  EXPECT_EQ(Parse("[MenuPr]\nAlig=1\n").programMenuAlignment, MenuAlignment::Left);
}

TEST(SkinDescriptionButtons, ReadsEachSectionAndMenuOffsetsOnlyForMenus) {
  const SkinDescription d = Parse(
      "[ButtonSV]\nL=5\nT=6\nW=15\nH=16\nHint=Свернуть\nMx=99\ntr=0\n"
      "[ButtonMenu]\nL=40\nMx=2\nMy=3\n[ButtonPower]\nT=77\n");
  const ButtonDescription& minimise = d.Button(SkinButton::Minimise);
  EXPECT_EQ(minimise.left, 5);
  EXPECT_EQ(minimise.top, 6);
  EXPECT_EQ(minimise.width, 15);
  EXPECT_EQ(minimise.height, 16);
  EXPECT_EQ(minimise.hint, "Свернуть");
  EXPECT_EQ(minimise.menuOffsetX, 10);  // not a menu button
  EXPECT_FALSE(minimise.transparent);
  EXPECT_EQ(d.Button(SkinButton::ProgramMenu).left, 40);
  EXPECT_EQ(d.Button(SkinButton::ProgramMenu).menuOffsetX, 2);
  EXPECT_EQ(d.Button(SkinButton::ProgramMenu).menuOffsetY, 3);
  EXPECT_EQ(d.Button(SkinButton::Power).top, 77);
  EXPECT_EQ(d.Button(SkinButton::WebMenu).hint, "");
}

}  // namespace
}  // namespace tikolvo
