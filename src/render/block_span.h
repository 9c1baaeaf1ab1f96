#pragma once
// The columns of 4 x 4 blocks touched in one block row, used to skip the
// parts of the supersampled buffers where nothing was drawn.
#include <algorithm>

namespace tikolvo {

constexpr int kSupersample = 4;
// Output rows the supersampled buffers keep at a time.
constexpr int kBandRows = 32;

struct BlockSpan {
  int first = 0;
  int last = -1;  // inclusive; empty when last < first

  bool Empty() const { return last < first; }
  void Clear() { first = 0, last = -1; }
};

}  // namespace tikolvo
