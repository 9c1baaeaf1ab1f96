#pragma once
// A skin's mask picture cut into the window's shape: pure white pixels are
// cut away, every other colour stays.
#include <vector>

#include "skin/picture.h"

namespace tikolvo {

// Half-open on the right and bottom, like a Windows RECT.
struct MaskRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const MaskRect&) const = default;
};

// The one-pixel-high runs of pure white (255, 255, 255), row by row, left to
// right: what is cut out of the full rectangle (0, 0, width, height).
std::vector<MaskRect> WhiteRuns(const Picture& mask);

// The same shape as what stays: runs of non-white pixels, with rows of equal
// runs merged into taller rectangles. The list is sorted by top, then left,
// and its bands never overlap, so it can go straight into a region built
// from rectangles. An all-white mask gives an empty list.
std::vector<MaskRect> KeptRectangles(const Picture& mask);

}  // namespace tikolvo
