#include "app/auto_hide.h"

namespace tikolvo {

bool StrictlyInside(const ScreenRect& rect, int x, int y) {
  return rect.left < x && x < rect.left + rect.width && rect.top < y && y < rect.top + rect.height;
}

bool HideOnMouseEnter(bool autoHideOn, bool shiftHeld) { return autoHideOn && !shiftHeld; }

AutoHidePoll PollAutoHide(bool autoHideOn, const ScreenRect& rect, int cursorX, int cursorY) {
  if (!autoHideOn || !StrictlyInside(rect, cursorX, cursorY)) return AutoHidePoll::ShowAndStop;
  return AutoHidePoll::StayHiddenAndPollAgain;
}

bool StartsWindowDrag(MouseButton button, bool pinned, bool shiftHeld) {
  if (button == MouseButton::Right) return false;
  return !pinned || shiftHeld;
}

}  // namespace tikolvo
