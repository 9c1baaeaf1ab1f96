#include "skin/mask_region.h"

#include <cstddef>

namespace tikolvo {
namespace {

// The alpha byte of a 32-bit mask plays no part: the mask is read as 24-bit.
bool IsWhite(std::uint32_t pixel) { return (pixel & 0xFFFFFFu) == 0xFFFFFFu; }

// Runs of one row whose whiteness equals `white`, as [left, right) pairs.
void RowRuns(const Picture& mask, int y, bool white, std::vector<MaskRect>& out) {
  const std::uint32_t* row = mask.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width);
  int x = 0;
  while (x < mask.width) {
    if (IsWhite(row[x]) != white) {
      ++x;
      continue;
    }
    const int start = x;
    while (x < mask.width && IsWhite(row[x]) == white) ++x;
    out.push_back({start, y, x, y + 1});
  }
}

bool SameSpans(const std::vector<MaskRect>& a, const std::vector<MaskRect>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].left != b[i].left || a[i].right != b[i].right) return false;
  }
  return true;
}

bool Usable(const Picture& mask) {
  return !mask.empty() &&
         mask.pixels.size() >= static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height);
}

}  // namespace

std::vector<MaskRect> WhiteRuns(const Picture& mask) {
  std::vector<MaskRect> runs;
  if (!Usable(mask)) return runs;
  for (int y = 0; y < mask.height; ++y) RowRuns(mask, y, true, runs);
  return runs;
}

std::vector<MaskRect> KeptRectangles(const Picture& mask) {
  std::vector<MaskRect> result;
  if (!Usable(mask)) return result;
  std::vector<MaskRect> band;  // the spans of the band still growing downwards
  std::vector<MaskRect> row;
  for (int y = 0; y < mask.height; ++y) {
    row.clear();
    RowRuns(mask, y, false, row);
    if (!band.empty() && SameSpans(band, row)) {
      for (MaskRect& r : band) r.bottom = y + 1;
      continue;
    }
    result.insert(result.end(), band.begin(), band.end());
    band.swap(row);
  }
  result.insert(result.end(), band.begin(), band.end());
  return result;
}

}  // namespace tikolvo
