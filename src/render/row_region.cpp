#include "render/row_region.h"

#include <algorithm>

namespace tikolvo {

void RowRegion::Clear(int height) {
  rows_.assign(static_cast<std::size_t>(std::max(height, 0)), BlockSpan{});
  top_ = bottom_ = 0;
}

void RowRegion::Fill(int width, int height) {
  rows_.assign(static_cast<std::size_t>(std::max(height, 0)), BlockSpan{0, width - 1});
  top_ = 0;
  bottom_ = width > 0 ? std::max(height, 0) : 0;
}

void RowRegion::Add(int y, int first, int last) {
  if (y < 0 || y >= static_cast<int>(rows_.size()) || first > last) return;
  BlockSpan& row = rows_[static_cast<std::size_t>(y)];
  if (row.Empty()) {
    row = {first, last};
  } else {
    row.first = std::min(row.first, first);
    row.last = std::max(row.last, last);
  }
  if (Empty()) {
    top_ = y;
    bottom_ = y + 1;
  } else {
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y + 1);
  }
}

void RowRegion::Add(const RowRegion& other) {
  for (int y = other.top_; y < other.bottom_; ++y) {
    const BlockSpan& row = other.Row(y);
    if (!row.Empty()) Add(y, row.first, row.last);
  }
}

}  // namespace tikolvo
