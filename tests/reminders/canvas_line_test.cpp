// The lines every shape canvas draws out of filled runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

#include "reminders/canvas.h"

namespace tikolvo {
namespace {

// Counts how often each pixel was painted.
class CountingCanvas : public ShapeCanvas {
 public:
  void SetFont(const CanvasFont&) override {}
  void SetTextColour(std::uint32_t) override {}
  TextExtent MeasureText(std::string_view) override { return {}; }
  void DrawText(int, int, std::string_view) override {}
  void FillRect(const CanvasRect& r, std::uint32_t) override {
    ++fills;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) ++painted[{x, y}];
  }
  void TintRect(const CanvasRect&, std::uint32_t) override {}

  std::map<std::pair<int, int>, int> painted;
  int fills = 0;
};

TEST(CanvasLine, CoversBothEndsOncePerStepCloseToTheTrueLine) {
  const std::pair<PixelPoint, PixelPoint> lines[] = {
      {{0, 0}, {10, 3}}, {{3, 10}, {0, 0}}, {{-4, 2}, {6, 2}}, {{5, 5}, {5, 5}}, {{7, 1}, {1, 7}}};
  for (const auto& [from, to] : lines) {
    for (const int thickness : {1, 2}) {
      CountingCanvas canvas;
      canvas.DrawLine(from, to, thickness, 0);
      SCOPED_TRACE(std::to_string(from.x) + "," + std::to_string(from.y) + " thickness " + std::to_string(thickness));
      const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
      EXPECT_EQ(canvas.painted.size(), static_cast<std::size_t>((std::max(dx, dy) + 1) * thickness));
      EXPECT_LE(canvas.fills, std::min(dx, dy) + 1);  // runs, not single pixels
      for (const auto& [pixel, times] : canvas.painted) {
        EXPECT_EQ(times, 1);
        // Across the true line at most half a pixel beyond the thickness.
        const double cross = (to.x - from.x) * (pixel.second - from.y) - (to.y - from.y) * (pixel.first - from.x);
        EXPECT_LE(std::abs(cross), (thickness - 0.5 + 0.01) * std::hypot(dx, dy));
      }
      if (thickness == 1) {
        EXPECT_TRUE(canvas.painted.count({from.x, from.y}));
        EXPECT_TRUE(canvas.painted.count({to.x, to.y}));
      }
    }
  }
}

}  // namespace
}  // namespace tikolvo
