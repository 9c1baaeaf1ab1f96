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

void SpanList::AddTo(RowRegion& region) const {
  for (const Span& s : spans_) region.Add(s.y / kSupersample, s.x0 / kSupersample, (s.x1 - 1) / kSupersample);
}

}  // namespace tikolvo
