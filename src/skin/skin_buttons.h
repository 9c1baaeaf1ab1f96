#pragma once
// The skin buttons without windows: how a button picture splits into its
// three frames, and which frame each button shows as the mouse moves, for
// shaped and layered skins (the button's own window decides what is hit)
// and for colour-map skins (a colour map decides what is hit).
#include <array>
#include <vector>

#include "skin/picture.h"
#include "skin/skin_description.h"

namespace tikolvo {

// Image-list indices of a button's pictures.
enum class ButtonFrame { Pressed = 0, Normal = 1, Hover = 2 };

struct ButtonFrames {
  std::array<Picture, 3> frames;  // indexed by ButtonFrame
  std::uint32_t transparentColour = 0;  // 0x00BBGGRR
  const Picture& Frame(ButtonFrame f) const { return frames[static_cast<std::size_t>(f)]; }
};

// A strip holds three equal frames stacked top to bottom: normal, hover,
// pressed; each is height / 3 rows high. The top-left pixel is the colour
// drawn transparently. A strip under three rows high gives empty frames.
ButtonFrames SplitButtonStrip(const Picture& strip);
// Separate pictures (a folder skin's n/l/i files); the normal picture's
// top-left pixel is the transparent colour.
ButtonFrames FramesFromPictures(Picture normal, Picture hover, Picture pressed);

// Something the window layer must do for a button after an event.
struct ButtonAction {
  enum class Kind {
    ShowFrame,         // show `frame`
    ShowHint,
    HideHint,
    UseHoverCursor,
    UseIdleCursor,
    ReleaseCapture,
    StartCaptionDrag,  // move the main window as if its caption were dragged
  };
  Kind kind;
  SkinButton button;
  ButtonFrame frame = ButtonFrame::Normal;
  bool operator==(const ButtonAction&) const = default;
};
using ButtonActions = std::vector<ButtonAction>;

// Window-space placement and colour key of a button on a colour-map skin.
struct ColourMapButton {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::uint32_t key = 0;  // 0x00BBGGRR
};

// The point a colour-map skin tests when the mouse has left a button: it is
// inside no button, so every active button is reset.
inline constexpr int kNoPoint = -50;

class SkinButtonStates {
 public:
  // At every skin load: all buttons absent, normal, disarmed; flags cleared.
  void Clear();
  // A button the skin provides: shown, armed, normal picture.
  void AddButton(SkinButton button);
  void AddColourMapButton(SkinButton button, const ColourMapButton& place);
  // The colour map of a colour-map skin (0xAARRGGBB pixels; points beyond it are black).
  void SetColourMap(Picture map);
  // Every present button back to its normal picture.
  ButtonActions ShowAllNormal();

  bool Present(SkinButton b) const { return At(b).present; }
  bool Armed(SkinButton b) const { return At(b).armed; }
  ButtonFrame Frame(SkinButton b) const { return At(b).frame; }
  bool MouseHeld() const { return mouseHeld_; }
  bool MouseInside() const { return mouseInside_; }

  // ---- Shaped and layered skins: the button's window reports these.
  ButtonActions MouseEnter(SkinButton button);
  ButtonActions MouseLeave(SkinButton button);
  ButtonActions MouseDown(SkinButton button);
  ButtonActions MouseUp(SkinButton button);

  // ---- Colour-map skins; points are in main-window coordinates.
  ButtonActions MapMouseMove(int x, int y);
  ButtonActions MapMouseDown(SkinButton button, int x, int y, bool rightButton);
  ButtonActions MapMouseUp(int x, int y);
  ButtonActions MapMouseLeave() { return MapMouseMove(kNoPoint, kNoPoint); }
  // The colour under a window point, black beyond the map.
  std::uint32_t MapColourAt(int x, int y) const;

 private:
  struct State {
    bool present = false;
    bool armed = false;
    bool active = false;  // colour-map skins: the pointer is over its key colour
    ButtonFrame frame = ButtonFrame::Normal;
    ColourMapButton place;
  };
  const State& At(SkinButton b) const { return buttons_[static_cast<std::size_t>(b)]; }
  State& At(SkinButton b) { return buttons_[static_cast<std::size_t>(b)]; }
  void Show(SkinButton b, ButtonFrame frame, ButtonActions& actions);
  bool Contains(const State& s, int x, int y) const;
  bool OnKey(const State& s, int x, int y) const;
  void Activate(SkinButton b, ButtonActions& actions);
  void Deactivate(SkinButton b, ButtonActions& actions);
  void HitTest(int x, int y, ButtonActions& actions);

  std::array<State, kSkinButtonCount> buttons_{};
  Picture map_;
  bool mouseHeld_ = false;
  bool mouseInside_ = false;
};

}  // namespace tikolvo
