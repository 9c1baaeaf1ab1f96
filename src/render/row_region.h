#pragma once
// Pixels of a picture given as one run of columns per row: the pixels a
// thin hand covers, and so what a picture must draw again when only that
// hand moved. Far tighter than a box round a slanting hand.
#include <vector>

#include "render/block_span.h"

namespace tikolvo {

class RowRegion {
 public:
  // Nothing, for a picture `height` rows high.
  void Clear(int height);
  // Every pixel of a picture of that size.
  void Fill(int width, int height);
  // Adds the columns first..last (inclusive) of row y.
  void Add(int y, int first, int last);
  void Add(const RowRegion& other);

  bool Empty() const { return bottom_ <= top_; }
  // The rows with anything in them: [Top(), Bottom()).
  int Top() const { return top_; }
  int Bottom() const { return bottom_; }
  const BlockSpan& Row(int y) const { return rows_[static_cast<std::size_t>(y)]; }

 private:
  std::vector<BlockSpan> rows_;
  int top_ = 0;
  int bottom_ = 0;
};

}  // namespace tikolvo
