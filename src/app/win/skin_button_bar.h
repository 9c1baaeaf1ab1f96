#pragma once
// The skin's six buttons, drawn by the face itself over the hands: each shows
// one of its three frames (normal, hover, pressed) with its see-through
// colour, follows the mouse as the skin type asks (the window's own hit test
// for shaped and layered skins, the colour map for colour-map skins) and
// reports clicks of armed buttons.
#include <array>
#include <optional>
#include <string>

#include "app/win/face_view.h"
#include "skin/skin_buttons.h"
#include "skin/skin_read.h"

namespace tikolvo {

// What the main window must do after a mouse event on the buttons.
struct ButtonBarResult {
  bool handled = false;  // the event was the buttons'; the face ignores it
  Box dirty;
  bool showHint = false;
  bool hideHint = false;
  std::string hint;
  bool setCapture = false;
  bool releaseCapture = false;
  bool captionDrag = false;
  std::optional<SkinButton> clicked;  // an armed button was clicked
};

class SkinButtonBar : public FaceOverlay {
 public:
  // A new skin: every button of the last one goes.
  void Reset(const LoadedSkin& skin);
  void Clear();

  void DrawOver(const FrameView& frame, const Box& clip) override;

  // Window coordinates.
  ButtonBarResult MouseMove(int x, int y);
  ButtonBarResult MouseDown(int x, int y, bool rightButton);
  ButtonBarResult MouseUp(int x, int y);
  ButtonBarResult MouseLeave();

  // The cursor number (skin_cursors.h) for a point over a button; nothing
  // when the point is over no button.
  std::optional<int> CursorAt(int x, int y) const;
  // Menu buttons: where their menu pops up, in window coordinates.
  POINT MenuOrigin(SkinButton button) const;
  bool Present(SkinButton button) const { return states_.Present(button); }

 private:
  struct Button {
    LoadedButton loaded;
    std::string hint;
    int menuX = 10;
    int menuY = 8;
    int hoverCursor = kHandPointerCursor;
    int idleCursor = kArrowCursor;
    int cursor = kArrowCursor;  // what the button shows now
  };
  Box BoxOf(SkinButton b) const;
  std::optional<SkinButton> ButtonAt(int x, int y) const;
  ButtonBarResult Perform(const ButtonActions& actions);

  std::array<Button, kSkinButtonCount> buttons_{};
  SkinButtonStates states_;
  bool colourMap_ = false;
  std::optional<SkinButton> hot_;      // shaped skins: the button under the mouse
  std::optional<SkinButton> pressed_;  // the button the mouse went down on
};

}  // namespace tikolvo
