#pragma once
// The main window's stored position and the rules that place it at start:
// the screen centre when nothing is stored, and a pull back onto the screen
// when the stored spot lies off its bottom or right edge.
namespace tikolvo {

struct WindowPosition {
  int top = 0;
  int left = 0;

  bool operator==(const WindowPosition&) const = default;
};

// n / 2 rounded to the nearest integer, halves going to the even neighbour
// (the rounding the position rules have always used: 767 / 2 gives 384).
int HalfRoundedToEven(int n);

// Top-left corner at the centre of the screen.
WindowPosition DefaultWindowPosition(int screenWidth, int screenHeight);

// A top at or below screen height - 80 becomes round(height / 2) - 160; a
// left at or beyond screen width - 20 becomes round(width / 2) - 72. Spots
// off the top or left stay as they are.
WindowPosition RepairStartPosition(WindowPosition position, int screenWidth, int screenHeight);

}  // namespace tikolvo
