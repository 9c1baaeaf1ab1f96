#include "settings/window_position.h"

namespace tikolvo {

int HalfRoundedToEven(int n) {
  int floorHalf = n >= 0 ? n / 2 : -((-n + 1) / 2);
  bool isTie = (n % 2) != 0;
  if (isTie && (floorHalf % 2) != 0) ++floorHalf;
  return floorHalf;
}

WindowPosition DefaultWindowPosition(int screenWidth, int screenHeight) {
  return WindowPosition{HalfRoundedToEven(screenHeight), HalfRoundedToEven(screenWidth)};
}

WindowPosition RepairStartPosition(WindowPosition position, int screenWidth, int screenHeight) {
  if (position.top >= screenHeight - 80) position.top = HalfRoundedToEven(screenHeight) - 160;
  if (position.left >= screenWidth - 20) position.left = HalfRoundedToEven(screenWidth) - 72;
  return position;
}

}  // namespace tikolvo
