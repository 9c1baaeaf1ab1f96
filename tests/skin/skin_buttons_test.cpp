#include "skin/skin_buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikolvo {
namespace {

using Kind = ButtonAction::Kind;

bool Has(const ButtonActions& actions, Kind kind, SkinButton button) {
  return std::any_of(actions.begin(), actions.end(),
                     [&](const ButtonAction& a) { return a.kind == kind && a.button == button; });
}

Picture Solid(int width, int height, std::uint32_t pixel) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<std::size_t>(width) * height, pixel);
  return p;
}

TEST(SkinButtonStrip, SplitsThreeFramesTopNormalMiddleHoverBottomPressed) {
  Picture strip = Solid(2, 7, 0);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 2; ++x) strip.pixels[static_cast<std::size_t>(y * 2 + x)] = static_cast<std::uint32_t>(y);
  }
  strip.pixels[0] = 0x00FF0000;  // top-left: red
  const ButtonFrames frames = SplitButtonStrip(strip);
  EXPECT_EQ(frames.transparentColour, 0x0000FFu);
  EXPECT_EQ(frames.Frame(ButtonFrame::Pressed).height, 2);  // 7 / 3
  EXPECT_EQ(frames.Frame(ButtonFrame::Normal).At(1, 1), 1u);
  EXPECT_EQ(frames.Frame(ButtonFrame::Hover).At(0, 0), 2u);
  EXPECT_EQ(frames.Frame(ButtonFrame::Pressed).At(0, 1), 5u);
  EXPECT_TRUE(SplitButtonStrip(Solid(4, 2, 0)).Frame(ButtonFrame::Normal).empty());
}

TEST(SkinButtonStates, EnterDownUpLeave) {
  SkinButtonStates s;
  s.AddButton(SkinButton::Close);
  s.AddButton(SkinButton::Power);
  s.MouseEnter(SkinButton::Power);
  s.MouseLeave(SkinButton::Power);
  s.MouseEnter(SkinButton::Close);
  EXPECT_EQ(s.Frame(SkinButton::Power), ButtonFrame::Normal);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Hover);
  s.MouseDown(SkinButton::Close);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Pressed);
  s.MouseUp(SkinButton::Close);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Hover);
  s.MouseLeave(SkinButton::Close);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
}

TEST(SkinButtonStates, HeldButtonStaysPressedWhenTheMouseLeaves) {
  SkinButtonStates s;
  s.AddButton(SkinButton::Settings);
  s.MouseEnter(SkinButton::Settings);
  s.MouseDown(SkinButton::Settings);
  s.MouseLeave(SkinButton::Settings);
  EXPECT_EQ(s.Frame(SkinButton::Settings), ButtonFrame::Pressed);
  EXPECT_FALSE(s.MouseInside());
  s.MouseUp(SkinButton::Settings);
  EXPECT_EQ(s.Frame(SkinButton::Settings), ButtonFrame::Normal);
  EXPECT_FALSE(s.MouseHeld());
}

TEST(SkinButtonStates, ReloadWithoutAWebButtonLeavesNone) {
  SkinButtonStates s;
  s.AddButton(SkinButton::WebMenu);
  s.Clear();
  s.AddButton(SkinButton::Close);
  EXPECT_FALSE(s.Present(SkinButton::WebMenu));
  const ButtonActions shown = s.ShowAllNormal();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].button, SkinButton::Close);
}

// ---- Colour-map skins: a 20 x 20 map whose left half is the close button's key.

constexpr std::uint32_t kCloseKey = 0x0000FF;  // red, 0x00BBGGRR

SkinButtonStates ColourMapSkin() {
  SkinButtonStates s;
  Picture map = Solid(20, 20, 0x00000000);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 10; ++x) map.pixels[static_cast<std::size_t>(y * 20 + x)] = 0x00FF0000;  // red pixel
  }
  s.SetColourMap(std::move(map));
  s.AddColourMapButton(SkinButton::Close, {0, 0, 30, 30, kCloseKey});
  // A black key: hit only where the map is black or beyond it.
  s.AddColourMapButton(SkinButton::Minimise, {15, 0, 20, 30, 0});
  return s;
}

TEST(ColourMapButtons, PointsBeyondTheMapAreBlack) {
  SkinButtonStates s = ColourMapSkin();
  EXPECT_EQ(s.MapColourAt(5, 5), kCloseKey);
  EXPECT_EQ(s.MapColourAt(25, 5), 0u);
  EXPECT_EQ(s.MapColourAt(-1, 5), 0u);
  const ButtonActions actions = s.MapMouseMove(28, 5);  // beyond the map, inside Minimise
  EXPECT_TRUE(Has(actions, Kind::ShowHint, SkinButton::Minimise));
  EXPECT_EQ(s.Frame(SkinButton::Minimise), ButtonFrame::Hover);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
}

TEST(ColourMapButtons, HoverOnKeyThenOffKeyOrNoPointResets) {
  SkinButtonStates s = ColourMapSkin();
  ButtonActions on = s.MapMouseMove(5, 5);
  EXPECT_TRUE(Has(on, Kind::UseHoverCursor, SkinButton::Close));
  EXPECT_TRUE(Has(on, Kind::ShowHint, SkinButton::Close));
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Hover);
  EXPECT_TRUE(s.MapMouseMove(6, 6).empty());  // already active: nothing new

  ButtonActions off = s.MapMouseMove(12, 5);  // inside the rectangle, black
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
  EXPECT_FALSE(s.Armed(SkinButton::Close));
  EXPECT_TRUE(Has(off, Kind::UseIdleCursor, SkinButton::Close));
  EXPECT_TRUE(Has(off, Kind::ReleaseCapture, SkinButton::Close));

  s.MapMouseMove(0, 5);  // on the left edge: not strictly inside
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
  s.MapMouseMove(1, 5);
  EXPECT_TRUE(Has(s.MapMouseLeave(), Kind::HideHint, SkinButton::Close));  // the no-point
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
}

TEST(ColourMapButtons, PressOnKeyHoldsUntilRelease) {
  SkinButtonStates s = ColourMapSkin();
  s.MapMouseMove(5, 5);
  s.MapMouseDown(SkinButton::Close, 5, 5, false);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Pressed);
  EXPECT_TRUE(s.MouseHeld());
  s.MapMouseMove(12, 5);  // off the key while held: stays active
  EXPECT_TRUE(s.Armed(SkinButton::Close));
  s.MapMouseMove(5, 6);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Pressed);
  s.MapMouseUp(5, 6);
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Hover);
  EXPECT_TRUE(s.Armed(SkinButton::Close));
}

TEST(ColourMapButtons, PressOffKeyDragsTheWindowUnlessRightButton) {
  SkinButtonStates s = ColourMapSkin();
  const ButtonActions left = s.MapMouseDown(SkinButton::Close, 12, 5, false);
  EXPECT_TRUE(Has(left, Kind::StartCaptionDrag, SkinButton::Close));
  EXPECT_FALSE(s.MouseHeld());
  EXPECT_EQ(s.Frame(SkinButton::Close), ButtonFrame::Normal);
  EXPECT_FALSE(Has(s.MapMouseDown(SkinButton::Close, 12, 5, true), Kind::StartCaptionDrag, SkinButton::Close));
}

}  // namespace
}  // namespace tikolvo
