#pragma once
// Spans drawn once and played again. The hands that stand still while the
// second hand goes round are rasterized when they move, not every second:
// playing their spans back gives exactly the pixels drawing them would.
#include <vector>

#include "common/geometry.h"
#include "render/rasterizer.h"
#include "render/row_region.h"

namespace tikolvo {

class SpanList final : public Surface {
 public:
  // Forgets the spans (keeping the room they took) and takes the size of
  // the surface they will be played onto.
  void Reset(int width, int height);
  void Reserve(std::size_t spans) { spans_.reserve(spans); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void FillSpan(int y, int x0, int x1, Colour c) override { spans_.push_back({y, x0, x1, c}); }

  // Plays the spans onto a surface of the same size in the order they were
  // drawn, leaving out the rows the surface does not need.
  void Replay(Surface& target) const;
  // Adds the output pixels the spans' samples fall into.
  void AddTo(RowRegion& region) const;

 private:
  struct Span {
    int y, x0, x1;
    Colour colour;
  };
  int width_ = 0;
  int height_ = 0;
  std::vector<Span> spans_;
};

}  // namespace tikolvo
