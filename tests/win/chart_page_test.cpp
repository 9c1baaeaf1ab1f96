// The statistics window's chart page paints through GDI and paints again
// for new days and for a new size.
#include "win_test.h"

#include "dialog_test_support.h"
#include "netlog/win/chart_page.h"

namespace tikolvo {
namespace {

int PixelsOf(const DibCanvas& picture, std::uint32_t colour) {
  int count = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) count += picture.PixelAt(x, y) == colour;
  return count;
}

TEST_CASE("the chart page paints its bars at its own size") {
  WNDCLASSW cls{};
  cls.lpfnWndProc = &DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"ChartTestParent";
  RegisterClassW(&cls);
  HWND parent = CreateWindowExW(0, cls.lpszClassName, L"chart", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  REQUIRE(parent);
  ChartPage page;
  REQUIRE(page.Create(parent, RECT{0, 0, 300, 200}));
  TrafficChart chart;
  chart.sessions = 1;
  chart.days = {{EncodeDate(2026, 5, 1), 1000, 500, 1.0}, {EncodeDate(2026, 5, 2), 3000, 0, 2.0}};
  page.Show(chart);
  const ChartLook look;
  CHECK(page.Picture().Width() == 300);
  const int small = PixelsOf(page.Picture(), look.received);
  CHECK(small > 8 * 8);  // more than the legend's swatch
  CHECK(PixelsOf(page.Picture(), look.sent) > 8 * 8);

  SetWindowPos(page.hwnd(), nullptr, 0, 0, 500, 360, SWP_NOZORDER | SWP_NOMOVE);
  test::Pump(20);
  CHECK(page.Picture().Width() == 500);
  CHECK(PixelsOf(page.Picture(), look.received) > small);

  page.Show(TrafficChart{});
  CHECK(PixelsOf(page.Picture(), look.received) == 8 * 8);
  DestroyWindow(parent);
}

}  // namespace
}  // namespace tikolvo
