#include "reminders/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace tikolvo {

// Bresenham's walk, handing the pixels over in runs: a mostly flat line is a
// few wide rectangles, a steep one a few tall ones.
void ShapeCanvas::DrawLine(PixelPoint from, PixelPoint to, int thickness, std::uint32_t colour) {
  const int across = std::max(thickness, 1);
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  const bool flat = dx >= dy;
  const auto runAt = [&](int x, int y) {
    return flat ? CanvasRect{x, y - (across - 1) / 2, x + 1, y + across / 2 + 1}
                : CanvasRect{x - (across - 1) / 2, y, x + across / 2 + 1, y + 1};
  };
  long long error = dx - dy;
  int x = from.x, y = from.y;
  CanvasRect run = runAt(x, y);
  while (x != to.x || y != to.y) {
    const long long twice = 2 * error;
    if (twice > -dy) error -= dy, x += sx;
    if (twice < dx) error += dx, y += sy;
    const CanvasRect next = runAt(x, y);
    if (flat ? next.top == run.top : next.left == run.left) {
      run = {std::min(run.left, next.left), std::min(run.top, next.top), std::max(run.right, next.right),
             std::max(run.bottom, next.bottom)};
    } else {
      FillRect(run, colour);
      run = next;
    }
  }
  FillRect(run, colour);
}

void InkCanvas::FrameRect(const CanvasRect& r, int thickness, std::uint32_t colour) {
  const int across = std::max(thickness, 1);
  FillRect({r.left, r.top, r.right, std::min(r.top + across, r.bottom)}, colour);
  FillRect({r.left, std::max(r.bottom - across, r.top), r.right, r.bottom}, colour);
  FillRect({r.left, r.top + across, std::min(r.left + across, r.right), r.bottom - across}, colour);
  FillRect({std::max(r.right - across, r.left), r.top + across, r.right, r.bottom - across}, colour);
}

}  // namespace tikolvo
