#include "skin/skin_buttons.h"

#include <cstddef>
#include <utility>

namespace tikolvo {
namespace {

Picture CopyRows(const Picture& source, int top, int height) {
  Picture frame;
  frame.width = source.width;
  frame.height = height;
  frame.source_bits = source.source_bits;
  frame.transparent_colour = source.transparent_colour;
  const auto begin = source.pixels.begin() + static_cast<std::ptrdiff_t>(top) * source.width;
  frame.pixels.assign(begin, begin + static_cast<std::ptrdiff_t>(height) * source.width);
  return frame;
}

std::uint32_t TopLeftColour(const Picture& picture) {
  return picture.empty() || picture.pixels.empty() ? 0 : PixelToColour(picture.pixels[0]);
}

}  // namespace

ButtonFrames SplitButtonStrip(const Picture& strip) {
  ButtonFrames result;
  const int frameHeight = strip.height / 3;
  const bool complete = strip.width > 0 && frameHeight > 0 &&
                        strip.pixels.size() >= static_cast<std::size_t>(strip.width) * strip.height;
  if (!complete) return result;
  result.frames[static_cast<std::size_t>(ButtonFrame::Normal)] = CopyRows(strip, 0, frameHeight);
  result.frames[static_cast<std::size_t>(ButtonFrame::Hover)] = CopyRows(strip, frameHeight, frameHeight);
  result.frames[static_cast<std::size_t>(ButtonFrame::Pressed)] = CopyRows(strip, 2 * frameHeight, frameHeight);
  result.transparentColour = TopLeftColour(strip);
  return result;
}

ButtonFrames FramesFromPictures(Picture normal, Picture hover, Picture pressed) {
  ButtonFrames result;
  result.transparentColour = TopLeftColour(normal);
  result.frames[static_cast<std::size_t>(ButtonFrame::Normal)] = std::move(normal);
  result.frames[static_cast<std::size_t>(ButtonFrame::Hover)] = std::move(hover);
  result.frames[static_cast<std::size_t>(ButtonFrame::Pressed)] = std::move(pressed);
  return result;
}

// ---- Set-up.

void SkinButtonStates::Clear() {
  buttons_ = {};
  map_ = {};
  mouseHeld_ = false;
  mouseInside_ = false;
}

void SkinButtonStates::AddButton(SkinButton button) {
  State& s = At(button);
  s = {};
  s.present = true;
  s.armed = true;
}

void SkinButtonStates::AddColourMapButton(SkinButton button, const ColourMapButton& place) {
  AddButton(button);
  At(button).place = place;
}

void SkinButtonStates::SetColourMap(Picture map) { map_ = std::move(map); }

ButtonActions SkinButtonStates::ShowAllNormal() {
  ButtonActions actions;
  for (int i = 0; i < kSkinButtonCount; ++i) {
    State& s = buttons_[static_cast<std::size_t>(i)];
    if (!s.present) continue;
    s.frame = ButtonFrame::Normal;
    actions.push_back({ButtonAction::Kind::ShowFrame, static_cast<SkinButton>(i), ButtonFrame::Normal});
  }
  return actions;
}

void SkinButtonStates::Show(SkinButton b, ButtonFrame frame, ButtonActions& actions) {
  State& s = At(b);
  if (!s.present || s.frame == frame) return;
  s.frame = frame;
  actions.push_back({ButtonAction::Kind::ShowFrame, b, frame});
}

// ---- Shaped and layered skins.

ButtonActions SkinButtonStates::MouseEnter(SkinButton button) {
  ButtonActions actions;
  mouseInside_ = true;
  for (int i = 0; i < kSkinButtonCount; ++i) Show(static_cast<SkinButton>(i), ButtonFrame::Normal, actions);
  Show(button, ButtonFrame::Hover, actions);
  return actions;
}

ButtonActions SkinButtonStates::MouseLeave(SkinButton button) {
  ButtonActions actions;
  // While the button is held it keeps looking pressed, so a drag back onto
  // it still reads as a press.
  if (!mouseHeld_) Show(button, ButtonFrame::Normal, actions);
  mouseInside_ = false;
  return actions;
}

ButtonActions SkinButtonStates::MouseDown(SkinButton button) {
  ButtonActions actions;
  mouseHeld_ = true;
  Show(button, ButtonFrame::Pressed, actions);
  return actions;
}

ButtonActions SkinButtonStates::MouseUp(SkinButton button) {
  ButtonActions actions;
  mouseHeld_ = false;
  Show(button, mouseInside_ ? ButtonFrame::Hover : ButtonFrame::Normal, actions);
  return actions;
}

// ---- Colour-map skins.

std::uint32_t SkinButtonStates::MapColourAt(int x, int y) const {
  const bool inside = x >= 0 && y >= 0 && x < map_.width && y < map_.height &&
                      map_.pixels.size() >= static_cast<std::size_t>(map_.width) * map_.height;
  return inside ? PixelToColour(map_.At(x, y)) : 0;
}

bool SkinButtonStates::Contains(const State& s, int x, int y) const {
  // Wide arithmetic: positions come from the skin file and may be anything.
  const ColourMapButton& p = s.place;
  const long long right = static_cast<long long>(p.left) + p.width;
  const long long bottom = static_cast<long long>(p.top) + p.height;
  return s.present && x > p.left && x < right && y > p.top && y < bottom;
}

bool SkinButtonStates::OnKey(const State& s, int x, int y) const { return MapColourAt(x, y) == s.place.key; }

void SkinButtonStates::Activate(SkinButton b, ButtonActions& actions) {
  State& s = At(b);
  if (!s.active) {
    actions.push_back({ButtonAction::Kind::UseHoverCursor, b});
    s.active = true;
    actions.push_back({ButtonAction::Kind::ShowHint, b});
    s.armed = true;
  }
  Show(b, mouseHeld_ ? ButtonFrame::Pressed : ButtonFrame::Hover, actions);
}

void SkinButtonStates::Deactivate(SkinButton b, ButtonActions& actions) {
  State& s = At(b);
  Show(b, ButtonFrame::Normal, actions);
  actions.push_back({ButtonAction::Kind::UseIdleCursor, b});
  s.active = false;
  actions.push_back({ButtonAction::Kind::HideHint, b});
  s.armed = false;
  actions.push_back({ButtonAction::Kind::ReleaseCapture, b});
}

void SkinButtonStates::HitTest(int x, int y, ButtonActions& actions) {
  for (int i = 0; i < kSkinButtonCount; ++i) {
    const auto b = static_cast<SkinButton>(i);
    const State& s = At(b);
    if (!s.present) continue;
    if (!Contains(s, x, y)) {
      if (s.active) Deactivate(b, actions);
    } else if (OnKey(s, x, y)) {
      Activate(b, actions);
    } else if (!mouseHeld_ && s.active) {
      Deactivate(b, actions);
    }
  }
}

ButtonActions SkinButtonStates::MapMouseMove(int x, int y) {
  ButtonActions actions;
  HitTest(x, y, actions);
  return actions;
}

ButtonActions SkinButtonStates::MapMouseDown(SkinButton button, int x, int y, bool rightButton) {
  ButtonActions actions;
  HitTest(x, y, actions);
  const State& s = At(button);
  if (!Contains(s, x, y)) return actions;
  if (OnKey(s, x, y)) {
    mouseHeld_ = true;
    Show(button, ButtonFrame::Pressed, actions);
  } else if (!rightButton) {
    // Off the key colour the button is just part of the face, which drags
    // the window like everywhere else.
    actions.push_back({ButtonAction::Kind::ReleaseCapture, button});
    actions.push_back({ButtonAction::Kind::StartCaptionDrag, button});
  }
  return actions;
}

ButtonActions SkinButtonStates::MapMouseUp(int x, int y) {
  ButtonActions actions;
  mouseHeld_ = false;
  HitTest(x, y, actions);
  return actions;
}

}  // namespace tikolvo
