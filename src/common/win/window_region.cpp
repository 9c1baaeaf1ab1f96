#include "common/win/window_region.h"

#include <cstring>

namespace tikolvo {

HRGN RegionFromRects(const std::vector<MaskRect>& rects, int width, int height) {
  if (rects.empty()) return CreateRectRgn(0, 0, 0, 0);
  const DWORD count = static_cast<DWORD>(rects.size());
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = count;
  data->rdh.nRgnSize = count * sizeof(RECT);
  data->rdh.rcBound = RECT{0, 0, width, height};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (DWORD i = 0; i < count; ++i) out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace tikolvo
