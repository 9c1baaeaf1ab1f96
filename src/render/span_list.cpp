#include "render/span_list.h"

#include <algorithm>

namespace tikolvo {

void SpanList::Reset(int width, int height) {
  width_ = width;
  height_ = height;
  spans_.clear();
}

void SpanList::Replay(Surface& target) const {
  const int first = target.FirstRow(), end = target.EndRow();
  for (const Span& s : spans_) {
    if (s.y >= first && s.y < end) target.FillSpan(s.y, s.x0, s.x1, s.colour);
  }
}

PixelBox SpanList::Bounds() const {
  if (spans_.empty()) return {};
  PixelBox box{spans_.front().x0, spans_.front().y, spans_.front().x1, spans_.front().y + 1};
  for (const Span& s : spans_) {
    box.left = std::min(box.left, s.x0);
    box.right = std::max(box.right, s.x1);
    box.top = std::min(box.top, s.y);
    box.bottom = std::max(box.bottom, s.y + 1);
  }
  return box;
}

}  // namespace tikolvo
