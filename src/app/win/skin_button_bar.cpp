#include "app/win/skin_button_bar.h"

namespace tikolvo {
namespace {

constexpr SkinButton kAllButtons[] = {SkinButton::Minimise, SkinButton::Settings, SkinButton::Close,
                                      SkinButton::WebMenu,  SkinButton::Power,    SkinButton::ProgramMenu};

}  // namespace

void SkinButtonBar::Clear() {
  buttons_ = {};
  states_.Clear();
  hot_.reset();
  pressed_.reset();
  colourMap_ = false;
}

void SkinButtonBar::Reset(const LoadedSkin& skin) {
  Clear();
  colourMap_ = skin.type == 2;
  if (colourMap_) states_.SetColourMap(skin.colourMap);
  for (SkinButton b : kAllButtons) {
    const int i = static_cast<int>(b);
    const LoadedButton& loaded = skin.buttons[i];
    if (!loaded.present) continue;
    Button& button = buttons_[i];
    button.loaded = loaded;
    const ButtonDescription& d = skin.description.Button(b);
    button.hint = d.hint;
    button.menuX = d.menuOffsetX;
    button.menuY = d.menuOffsetY;
    button.hoverCursor = skin.cursors.buttons[i].hover;
    button.idleCursor = skin.cursors.buttons[i].idle;
    // A colour-map button shows its hover cursor only over its key colour.
    button.cursor = colourMap_ ? button.idleCursor : button.hoverCursor;
    if (colourMap_) {
      states_.AddColourMapButton(b, ColourMapButton{loaded.left, loaded.top, loaded.width, loaded.height,
                                                    loaded.colourKey});
    } else {
      states_.AddButton(b);
    }
  }
  states_.ShowAllNormal();
}

Box SkinButtonBar::BoxOf(SkinButton b) const {
  const LoadedButton& l = buttons_[static_cast<int>(b)].loaded;
  return {l.left, l.top, l.left + l.width, l.top + l.height};
}

std::optional<SkinButton> SkinButtonBar::ButtonAt(int x, int y) const {
  // The last created lies on top.
  for (int i = kSkinButtonCount - 1; i >= 0; --i) {
    const auto b = static_cast<SkinButton>(i);
    if (!states_.Present(b)) continue;
    const Box box = BoxOf(b);
    if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return b;
  }
  return std::nullopt;
}

void SkinButtonBar::DrawOver(const FrameView& frame, const Box& clip) {
  for (SkinButton b : kAllButtons) {
    if (!states_.Present(b)) continue;
    const Button& button = buttons_[static_cast<int>(b)];
    const Picture& picture = button.loaded.frames.Frame(states_.Frame(b));
    if (picture.empty()) continue;
    const std::optional<std::uint32_t> key =
        button.loaded.transparent ? std::optional(button.loaded.frames.transparentColour) : std::nullopt;
    PutKeyed(picture, button.loaded.left, button.loaded.top, key, frame, Intersect(clip, BoxOf(b)));
  }
}

ButtonBarResult SkinButtonBar::Perform(const ButtonActions& actions) {
  ButtonBarResult result;
  for (const ButtonAction& a : actions) {
    Button& button = buttons_[static_cast<int>(a.button)];
    switch (a.kind) {
      case ButtonAction::Kind::ShowFrame: result.dirty = Union(result.dirty, BoxOf(a.button)); break;
      case ButtonAction::Kind::ShowHint:
        result.showHint = !button.hint.empty();
        result.hint = button.hint;
        break;
      case ButtonAction::Kind::HideHint: result.hideHint = true; break;
      case ButtonAction::Kind::UseHoverCursor: button.cursor = button.hoverCursor; break;
      case ButtonAction::Kind::UseIdleCursor: button.cursor = button.idleCursor; break;
      case ButtonAction::Kind::ReleaseCapture: result.releaseCapture = true; break;
      case ButtonAction::Kind::StartCaptionDrag: result.captionDrag = true; break;
    }
  }
  return result;
}

ButtonBarResult SkinButtonBar::MouseMove(int x, int y) {
  const std::optional<SkinButton> under = ButtonAt(x, y);
  if (colourMap_) {
    ButtonBarResult r = Perform(states_.MapMouseMove(x, y));
    r.handled = under.has_value();
    return r;
  }
  if (under == hot_) {
    ButtonBarResult r;
    r.handled = under.has_value();
    return r;
  }
  ButtonActions actions;
  if (hot_) actions = states_.MouseLeave(*hot_);
  hot_ = under;
  ButtonBarResult r;
  if (under) {
    const ButtonActions enter = states_.MouseEnter(*under);
    actions.insert(actions.end(), enter.begin(), enter.end());
  }
  r = Perform(actions);
  if (under && !buttons_[static_cast<int>(*under)].hint.empty()) {
    r.showHint = true;
    r.hint = buttons_[static_cast<int>(*under)].hint;
  } else if (!under) {
    r.hideHint = true;
  }
  r.handled = under.has_value();
  return r;
}

ButtonBarResult SkinButtonBar::MouseDown(int x, int y, bool rightButton) {
  const std::optional<SkinButton> under = ButtonAt(x, y);
  if (!under) return {};
  ButtonBarResult r = colourMap_ ? Perform(states_.MapMouseDown(*under, x, y, rightButton))
                                 : (rightButton ? ButtonBarResult{} : Perform(states_.MouseDown(*under)));
  r.handled = !rightButton;
  if (!rightButton && !r.captionDrag) {
    pressed_ = under;
    r.setCapture = true;
  }
  return r;
}

ButtonBarResult SkinButtonBar::MouseUp(int x, int y) {
  if (!pressed_) return {};
  const SkinButton button = *pressed_;
  pressed_.reset();
  ButtonBarResult r = colourMap_ ? Perform(states_.MapMouseUp(x, y)) : Perform(states_.MouseUp(button));
  r.handled = true;
  r.releaseCapture = true;
  if (ButtonAt(x, y) == button && states_.Armed(button)) r.clicked = button;
  return r;
}

ButtonBarResult SkinButtonBar::MouseLeave() {
  if (colourMap_) return Perform(states_.MapMouseLeave());
  if (!hot_) return {};
  const SkinButton was = *hot_;
  hot_.reset();
  ButtonBarResult r = Perform(states_.MouseLeave(was));
  r.hideHint = true;
  return r;
}

std::optional<int> SkinButtonBar::CursorAt(int x, int y) const {
  const std::optional<SkinButton> under = ButtonAt(x, y);
  if (!under) return std::nullopt;
  return buttons_[static_cast<int>(*under)].cursor;
}

POINT SkinButtonBar::MenuOrigin(SkinButton button) const {
  const Button& b = buttons_[static_cast<int>(button)];
  return POINT{b.loaded.left + b.menuX, b.loaded.top + b.menuY};
}

}  // namespace tikolvo
