// The ink of a text as GDI really paints it: what today's frame on the
// desktop calendar is drawn round.
#include "win_test.h"

#include "reminders/win/calendar_canvas.h"

namespace tikolvo {

TEST_CASE("The ink box holds exactly the pixels a text paints") {
  DibCanvas canvas;
  REQUIRE(canvas.Resize(200, 100));
  canvas.FillRect({0, 0, 200, 100}, 0xFFFFFF);
  canvas.SetFont({"Arial", 20});
  canvas.SetTextColour(0x000000);
  const TextExtent extent = canvas.MeasureText(" 8");
  const CanvasRect ink = canvas.MeasureInk(" 8");
  REQUIRE_FALSE(ink.Empty());
  // The leading space and the line's room above and below are no ink.
  CHECK(ink.left >= canvas.MeasureText(" ").width);
  CHECK(ink.top > 0);
  CHECK(ink.bottom < extent.height);
  CHECK(ink.right <= extent.width + extent.width / 2);

  canvas.DrawText(10, 10, " 8");
  bool inkOutside = false, inkOnEdges[4] = {};
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (canvas.PixelAt(x, y) == 0xFFFFFF) continue;
      const int ix = x - 10, iy = y - 10;
      inkOutside |= ix < ink.left || ix >= ink.right || iy < ink.top || iy >= ink.bottom;
      inkOnEdges[0] |= ix == ink.left;
      inkOnEdges[1] |= ix == ink.right - 1;
      inkOnEdges[2] |= iy == ink.top;
      inkOnEdges[3] |= iy == ink.bottom - 1;
    }
  }
  CHECK_FALSE(inkOutside);
  CHECK((inkOnEdges[0] && inkOnEdges[1] && inkOnEdges[2] && inkOnEdges[3]));
  CHECK(canvas.MeasureInk("  ").Empty());
}

}  // namespace tikolvo
