#pragma once
// A window region from the rectangles a mask keeps, built in one call from
// the rectangle list (a region grown by combining one rectangle at a time
// costs seconds on a large mask).
#include <windows.h>

#include <vector>

#include "skin/mask_region.h"

namespace tikolvo {

// The caller owns the region. An empty list gives an empty region.
HRGN RegionFromRects(const std::vector<MaskRect>& rects, int width, int height);

}  // namespace tikolvo
