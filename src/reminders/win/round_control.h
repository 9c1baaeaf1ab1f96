#pragma once
// The round knob as a self-drawn, focusable child window (class
// "TRoundControl"): a bevelled disc with a dot marking the position, turned
// by dragging the mouse inside the disc or with the keys (Page Up/Down by
// the page size, Home/End to the ends, the arrows by one). The rules live in
// RoundKnob; this window feeds it the messages and draws what it holds.
#include <windows.h>

#include <functional>

#include "common/win/gdi.h"
#include "common/win/window_base.h"
#include "reminders/round_knob.h"
#include "reminders/win/calendar_canvas.h"

namespace tikolvo {

class RoundControl : public Window {
 public:
  RoundControl();

  // A visible tab-stop child of parent at (x, y), `side` pixels square.
  bool Create(HWND parent, int x, int y, int side, int id);

  // The model: ranges, angles, radius, flags. After changing what is drawn
  // call Redraw.
  RoundKnob& Knob() { return knob_; }
  const RoundKnob& Knob() const { return knob_; }
  void Redraw();

  COLORREF lineColor;          // the dot while focused
  COLORREF lineColorNoActive;  // the dot otherwise
  // A label that shows the position (or the value under the mouse) as
  // decimal text; none by default.
  HWND positionLabel = nullptr;
  // Drawn instead of the disc when useBitmap is on; the control takes the
  // picture's size.
  void SetBitmap(UniqueGdi<HBITMAP> bitmap);
  bool useBitmap = false;

  std::function<void()> onChange;
  std::function<void()> onChangeUp;
  std::function<void()> onChangeDown;

  // The picture as last painted, for tests.
  const DibCanvas& Picture() const { return canvas_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void Draw(bool focused);
  void DrawDisc(bool focused);
  void OnSize(int width, int height);
  void OnLeftDown(int x, int y);
  void OnMouseMove(int x, int y);
  bool OnKey(WPARAM key);
  void ShowValue(int value);

  RoundKnob knob_;
  DibCanvas canvas_;
  UniqueGdi<HBITMAP> bitmap_;
  SIZE bitmapSize_{0, 0};
  bool trackingLeave_ = false;
};

}  // namespace tikolvo
