#pragma once
// The clock face on screen: the skin's picture (or the built-in face) as the
// base, the hands the drawing engine puts over the hand rectangle, the skin's
// buttons and the digital labels on top. Everything is composed in one DIB
// section; an opaque face is painted from it, a layered (per-pixel alpha)
// face pushed to the screen with it.
#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "app/face_compose.h"
#include "app/face_labels.h"
#include "app/win/face_label_view.h"
#include "common/win/gdi.h"
#include "render/engine.h"
#include "skin/mask_region.h"

namespace tikolvo {

// What a redraw changed on screen, in at most two boxes: the labels' and the
// hands' stay apart when they do not meet, so that the face between them is
// neither put together nor shown again.
struct FaceChanges {
  std::array<Box, 2> boxes{};
  int count = 0;
  bool Empty() const { return count == 0; }
  void Add(const Box& box);
};

// Something drawn over the hands and under the labels (the skin buttons).
class FaceOverlay {
 public:
  virtual ~FaceOverlay() = default;
  virtual void DrawOver(const FrameView& frame, const Box& clip) = 0;
};

class FaceView {
 public:
  // The built-in face with its readout labels and hands about its dial.
  bool ShowBuiltin(FaceLabelTexts& texts);
  // An opaque skin face; hands at screen resolution with `keyColour`.
  bool ShowFace(const Picture& face, const HandRect& handRect, bool keyColour);
  // A per-pixel-alpha skin face (colours premultiplied by the mask's alpha).
  bool ShowLayered(const Bitmap32& premultiplied, const HandRect& handRect);

  int width() const { return frame_.width; }
  int height() const { return frame_.height; }
  bool layered() const { return layered_; }
  Engine& engine() { return engine_; }
  const Engine& engine() const { return engine_; }
  FaceLabelView& labels() { return labels_; }
  void SetOverlay(FaceOverlay* overlay) { overlay_ = overlay; }
  void SetHandsEnabled(bool on) { handsEnabled_ = on; }

  // The window region of the built-in face; the caller owns it.
  HRGN CreateBuiltinRegion() const;

  // Composes `dirty` again, with the hands when asked for and enabled, and
  // returns what changed on screen.
  FaceChanges Redraw(const Box& dirty, bool hands, const FaceLabelTexts& texts);
  Box Everything() const { return {0, 0, frame_.width, frame_.height}; }
  Box HandBox() const;

  void Paint(HDC target, const RECT& dirty) const;
  // Layered faces: hands the picture to the window at its screen position.
  bool Push(HWND hwnd, int opacity) const;

 private:
  bool SizeFrame(int width, int height);
  void Compose(const Box& box, HDC dc, const FaceLabelTexts& texts);
  FrameView View() const { return {static_cast<std::uint8_t*>(frame_.bits), frame_.width, frame_.height}; }

  DibSection frame_;
  Bitmap32 base_;
  Engine engine_;
  FaceLabelView labels_;
  FaceOverlay* overlay_ = nullptr;
  bool layered_ = false;
  bool handsEnabled_ = true;
  std::vector<MaskRect> builtinShape_;
  // The frame stays selected in one memory DC while it lives: making and
  // selecting a DC for every draw and paint cost more under Wine than the
  // drawing of a second. Declared after the frame, so it lets go first.
  MemDc frameDc_;
  std::optional<SelectGuard> frameSelected_;
};

}  // namespace tikolvo
