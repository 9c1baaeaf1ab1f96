#include "common/balloon_layout.h"

#include <gtest/gtest.h>

#include "common/utf8_text.h"

namespace tikolvo::balloon {
namespace {

// Every character 6 pixels wide, lines 13 pixels high: 50 characters fill
// the 300 pixels of a text line.
int SixPerChar(std::string_view text) { return static_cast<int>(CharCount(text)) * 6; }
const TextFont kFont{SixPerChar, 13};
// The title font, bold: 8 pixels a character.
const TextFont kTitleFont{[](std::string_view t) { return static_cast<int>(CharCount(t)) * 8; }, 13};

const Box kScreen{0, 0, 1024, 768};

std::vector<std::string> Wrap(std::string_view text, int width = kTextWidth) { return WrapText(text, width, kFont); }
using Lines = std::vector<std::string>;

TEST(BalloonWrap, BreaksAtBlanksWithinTheWidth) {
  EXPECT_EQ(Wrap("Пора обедать"), Lines{"Пора обедать"});
  EXPECT_EQ(Wrap("aaaa bbbb cccc", 60), (Lines{"aaaa bbbb", "cccc"}));  // "aaaa bbbb" is 54 px
  EXPECT_EQ(Wrap("aaaa bbbb cccc", 54), (Lines{"aaaa bbbb", "cccc"}));  // exactly the width still fits
  EXPECT_EQ(Wrap("aaaa bbbb cccc", 53), (Lines{"aaaa", "bbbb", "cccc"}));
  EXPECT_EQ(Wrap("aaaa    bbbb", 30), (Lines{"aaaa", "bbbb"}));  // blanks at a break are dropped
}

TEST(BalloonWrap, EmptyTextIsOneEmptyLine) {
  EXPECT_EQ(Wrap(""), Lines{""});
}

TEST(BalloonWrap, LineBreaksInTheText) {
  EXPECT_EQ(Wrap("один\r\nдва\nтри\rчетыре"), (Lines{"один", "два", "три", "четыре"}));
  EXPECT_EQ(Wrap("один\n\nдва\n"), (Lines{"один", "", "два", ""}));
  EXPECT_EQ(Wrap("a\tb\x01" "c"), Lines{"a b c"});  // tabs and control characters read as blanks
}

TEST(BalloonWrap, WordWiderThanALineIsBrokenBetweenCharacters) {
  const std::string url = "http://example.org/" + std::string(81, 'x');  // 100 characters, 600 px
  const Lines lines = Wrap("см. " + url);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "см.");
  EXPECT_EQ(lines[1], url.substr(0, 50));
  EXPECT_EQ(lines[2], url.substr(50));
  // Cyrillic is never cut inside a character.
  std::string cyrillic;
  for (int i = 0; i < 60; ++i) cyrillic += "ж";
  const Lines cut = Wrap(cyrillic);
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(CharCount(cut[0]), 50u);
  EXPECT_EQ(CharCount(cut[1]), 10u);
  EXPECT_EQ(cut[0] + cut[1], cyrillic);
}

TEST(BalloonWrap, AlwaysProgressesEvenWithNoRoom) {
  EXPECT_EQ(WrapText("abc", 0, kFont), (Lines{"a", "b", "c"}));
  EXPECT_EQ(WrapText("ab", -10, kFont), (Lines{"a", "b"}));
  // Broken UTF-8 from a damaged file still wraps, byte by byte where it must.
  const std::string broken = "\xD0\xD0\x80\x80\x80";
  EXPECT_FALSE(WrapText(broken, 6, kFont).empty());
}

TEST(BalloonWrap, TrailingBlanksStayWhenTheyFit) {
  EXPECT_EQ(Wrap("00:04 до выполнения  "), Lines{"00:04 до выполнения  "});
  EXPECT_EQ(Wrap("aaaa bbbb  ", 54), (Lines{"aaaa bbbb"}));
}

TEST(BalloonLayout, SizeFromTitleAndText) {
  // Title 20 characters = 160 px + 80 = 240; text 12 characters = 72 px + 24 = 96.
  const Layout shortText = LayOutBalloon("Tikolvo: Планировщик", "Пора обедать", kTitleFont, kFont, kScreen);
  EXPECT_EQ(shortText.window.Width(), 240);
  EXPECT_EQ(shortText.window.Height(), 13 + 42);
  EXPECT_EQ(shortText.lines, Lines{"Пора обедать"});
  EXPECT_EQ(shortText.titleBox, (Box{36, 10, 196, 23}));
  EXPECT_EQ(shortText.textBox, (Box{12, 31, 84, 44}));
  EXPECT_EQ(shortText.closeBox, (Box{216, 6, 234, 24}));

  // A long text wraps at 300 px and the window grows in height.
  std::string words = "слово";
  for (int i = 1; i < 40; ++i) words += " слово";  // 40 words of five characters
  const Layout longText = LayOutBalloon("Tikolvo: Планировщик", words, kTitleFont, kFont, kScreen);
  EXPECT_EQ(longText.lines.size(), 5u);  // eight words (47 characters) to a line
  EXPECT_EQ(longText.window.Width(), 47 * 6 + 24);
  EXPECT_EQ(longText.window.Height(), 5 * 13 + 42);
  EXPECT_EQ(longText.textBox.Height(), 5 * 13);
}

TEST(BalloonLayout, SitsInTheBottomRightCornerOfTheWorkArea) {
  struct Taskbar {
    const char* where;
    Box workArea;
  };
  const Taskbar taskbars[] = {
      {"bottom", {0, 0, 1024, 738}},
      {"top", {0, 30, 1024, 768}},
      {"left", {60, 0, 1024, 768}},
      {"right", {0, 0, 964, 768}},
      {"second monitor", {-1280, 0, -60, 1024}},
  };
  for (const Taskbar& t : taskbars) {
    const Layout l = LayOutBalloon("Tikolvo: Планировщик", "Пора обедать", kTitleFont, kFont, t.workArea);
    EXPECT_EQ(l.window.right, t.workArea.right - 2) << t.where;
    EXPECT_EQ(l.window.bottom, t.workArea.bottom - 1) << t.where;
    EXPECT_EQ(l.window.Width(), 240) << t.where;
    EXPECT_EQ(l.window.Height(), 55) << t.where;
  }
}

TEST(BalloonLayout, NeverShrinksBelowWhatIsOnScreen) {
  const Layout l = LayOutBalloon("T", "00:09", kTitleFont, kFont, kScreen, Size{250, 70});
  EXPECT_EQ(l.window.Width(), 250);
  EXPECT_EQ(l.window.Height(), 70);
  EXPECT_EQ(l.window.right, 1022);
  EXPECT_EQ(l.closeBox.left, 250 - 24);
  // ...but grows when the text needs more.
  const Layout wider = LayOutBalloon("T", std::string(45, 'x'), kTitleFont, kFont, kScreen, Size{250, 70});
  EXPECT_EQ(wider.window.Width(), 45 * 6 + 24);
}

TEST(BalloonLayout, NeverOutgrowsTheWorkArea) {
  // A title far too wide is cut with an ellipsis so the close picture stays on screen.
  const Box small{0, 0, 400, 200};
  const Layout wideTitle = LayOutBalloon(std::string(100, 'T'), "x", kTitleFont, kFont, small);
  EXPECT_LE(wideTitle.window.Width(), 398);
  EXPECT_EQ(wideTitle.window.right, 398);
  EXPECT_EQ(wideTitle.title.substr(wideTitle.title.size() - 3), "…");
  EXPECT_EQ(wideTitle.titleBox.Width(), static_cast<int>(CharCount(wideTitle.title)) * 8);

  // 200 short lines do not fit 200 pixels: (200 - 1 - 42) / 13 = 12 lines, the last with "…".
  std::string manyLines;
  for (int i = 0; i < 200; ++i) manyLines += "строка\n";
  const Layout tall = LayOutBalloon("T", manyLines, kTitleFont, kFont, small);
  ASSERT_EQ(tall.lines.size(), 12u);
  EXPECT_EQ(tall.lines.back(), "строка…");
  EXPECT_LE(tall.window.Height(), 199);
  EXPECT_GE(tall.window.top, 0);

  // A full last line loses characters to make room for the ellipsis.
  const Layout fullLines = LayOutBalloon("T", std::string(50 * 20, 'x'), kTitleFont, kFont, small);
  ASSERT_EQ(fullLines.lines.size(), 12u);
  EXPECT_EQ(fullLines.lines.back(), std::string(49, 'x') + "…");
}

}  // namespace
}  // namespace tikolvo::balloon
