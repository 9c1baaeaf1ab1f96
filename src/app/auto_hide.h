#pragma once
// Auto-hide and dragging rules of the main window.
//
// Auto-hide: when the mouse enters the clock it hides, then a 500 ms poll
// shows it again as soon as the cursor is no longer over where it stood.
// Holding Shift lets the user reach the clock without it running away.
namespace tikolvo {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Strictly inside: a cursor on the border line counts as outside.
bool StrictlyInside(const ScreenRect& rect, int x, int y);

bool HideOnMouseEnter(bool autoHideOn, bool shiftHeld);

enum class AutoHidePoll { ShowAndStop, StayHiddenAndPollAgain };

// One tick of the poll timer; rect is where the window stood when it hid.
AutoHidePoll PollAutoHide(bool autoHideOn, const ScreenRect& rect, int cursorX, int cursorY);

enum class MouseButton { Left, Middle, Right };

// Which mouse-down starts dragging the borderless window by its face. The
// right button belongs to the popup menu; a pinned window moves only while
// Shift is held.
bool StartsWindowDrag(MouseButton button, bool pinned, bool shiftHeld);

}  // namespace tikolvo
