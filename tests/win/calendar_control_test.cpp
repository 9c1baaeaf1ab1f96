// The month calendar control as the scheduler page meets it: mouse messages
// select days and step months and reach the owner's callbacks, the picture
// on screen follows the system's colours, a lost mouse cancels a press, and
// redrawing leaks no GDI objects.
#include "win_test.h"

#include "handle_counts.h"

#include <string>
#include <vector>

#include "common/win/system_time.h"
#include "dialog_test_support.h"
#include "reminders/calendar_colours.h"
#include "reminders/win/calendar_control.h"

namespace tikolvo {
namespace {

constexpr int kW = CalendarControl::kPageWidth;
constexpr int kH = CalendarControl::kPageHeight;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A plain window holding one calendar, on top so its pixels can be read from
// the screen; every callback writes a line into `log`.
struct CalendarWindow {
  HWND parent = nullptr;
  CalendarControl calendar;
  std::vector<std::string> log;

  CalendarWindow() {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"CalendarTestParent";
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&cls);
    parent = CreateWindowExW(WS_EX_TOPMOST, cls.lpszClassName, L"calendar", WS_POPUP | WS_VISIBLE, 40, 40, kW + 20,
                             kH + 20, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(parent);
    REQUIRE(calendar.Create(parent, RECT{10, 10, 10 + kW, 10 + kH}));
    calendar.onChangeDay = [this] { log.push_back("day " + DateText()); };
    calendar.onChangeMonth = [this] { log.push_back("month " + DateText()); };
    calendar.onClickDay = [this](int day) { log.push_back("click " + std::to_string(day)); };
    calendar.onDoubleClickDay = [this](int day) { log.push_back("double " + std::to_string(day)); };
    test::Pump(50);
  }
  ~CalendarWindow() { DestroyWindow(parent); }

  std::string DateText() const {
    const CivilTime c = DecodeDateTime(calendar.SelectedDate());
    return std::to_string(c.day) + "." + std::to_string(c.month) + "." + std::to_string(c.year);
  }
  HWND control() const { return calendar.hwnd(); }
  POINT DayCentre(int day) const {
    const auto& s = calendar.State();
    const CanvasRect r = s.GetLayout().CellRect(s.Shown().CellOf(day));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Click(POINT p) {
    SendMessageW(control(), WM_MOUSEMOVE, 0, At(p.x, p.y));
    SendMessageW(control(), WM_LBUTTONDOWN, MK_LBUTTON, At(p.x, p.y));
    SendMessageW(control(), WM_LBUTTONUP, 0, At(p.x, p.y));
  }
  void DoubleClick(POINT p) {
    Click(p);
    SendMessageW(control(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(p.x, p.y));
    SendMessageW(control(), WM_LBUTTONUP, 0, At(p.x, p.y));
  }
};

const POINT kNext{kW - 19, 16};
const POINT kPrevious{19, 16};

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  WindowDc screen(nullptr);
  return GetPixel(screen.get(), p.x, p.y);
}

TEST_CASE("calendar control: a click on a day selects it and tells the owner") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 6, 10));
  CHECK(w.log.empty());  // the owner's own change raises nothing
  w.Click(w.DayCentre(17));
  CHECK(w.DateText() == "17.6.2026");
  CHECK(w.calendar.SelectedDay() == 17);
  CHECK(w.log == std::vector<std::string>{"day 17.6.2026", "click 17"});
}

TEST_CASE("calendar control: the header buttons step months, cutting the day") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2024, 1, 31));
  w.Click(kNext);
  CHECK(w.DateText() == "29.2.2024");
  CHECK(w.log == std::vector<std::string>{"month 29.2.2024", "day 29.2.2024"});
  w.log.clear();
  w.Click(kPrevious);
  w.Click(kPrevious);
  CHECK(w.DateText() == "29.12.2023");
  CHECK(w.log.size() == 4);
  w.log.clear();
  w.Click({kW / 2, 16});  // the caption
  CHECK(w.log.empty());
  CHECK(w.DateText() == "29.12.2023");
}

TEST_CASE("calendar control: a double click on a day reaches the owner once") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 6, 10));
  w.DoubleClick(w.DayCentre(5));
  CHECK(w.log == std::vector<std::string>{"day 5.6.2026", "click 5", "double 5"});
  CHECK(GetCapture() != w.control());
}

TEST_CASE("calendar control: a press the control loses is no click") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 6, 10));
  const POINT p = w.DayCentre(8);
  SendMessageW(w.control(), WM_LBUTTONDOWN, MK_LBUTTON, At(p.x, p.y));
  CHECK(GetCapture() == w.control());
  SetCapture(w.parent);  // another window takes the mouse
  CHECK_FALSE(w.calendar.State().ButtonHeld());
  ReleaseCapture();
  SendMessageW(w.control(), WM_LBUTTONUP, 0, At(p.x, p.y));
  CHECK(w.log == std::vector<std::string>{"day 8.6.2026"});
}

TEST_CASE("calendar control: marks belong to the month and the owner re-marks on a month change") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 6, 10));
  w.calendar.onChangeMonth = [&w] { w.calendar.SetMarkedDays({2}); };
  w.calendar.SetMarkedDays({3, 20});
  CHECK(w.calendar.State().IsMarked(20));
  w.Click(kNext);
  CHECK_FALSE(w.calendar.State().IsMarked(20));
  CHECK(w.calendar.State().IsMarked(2));
}

TEST_CASE("calendar control: the screen shows the picture in the system's colours") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 3, 10));  // starts on Sunday: the first cells are empty
  w.calendar.SetMarkedDays({12});
  w.Click(w.DayCentre(20));
  SendMessageW(w.control(), WM_MOUSELEAVE, 0, 0);
  test::Pump(100);
  test::SavePicture(w.parent, "calendar_control");

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const auto& layout = w.calendar.State().GetLayout();
  const CanvasRect empty = layout.CellRect({2, 0});
  const int ex = (empty.left + empty.right) / 2, ey = (empty.top + empty.bottom) / 2;
  CHECK(w.calendar.Picture().PixelAt(ex, ey) == face);
  CHECK(w.calendar.Picture().PixelAt(0, 0) == calendar::Darken(face, 80));

  // The selected and the marked cell carry their tints over the same shading.
  const CanvasRect selected = layout.CellRect(w.calendar.State().Shown().CellOf(20));
  const CanvasRect marked = layout.CellRect(w.calendar.State().Shown().CellOf(12));
  // Rows differ in height by a pixel, so each is compared with its neighbour.
  const CanvasRect besideSelected = layout.CellRect(w.calendar.State().Shown().CellOf(21));
  const CanvasRect besideMarked = layout.CellRect(w.calendar.State().Shown().CellOf(13));
  auto probe = [&w](const CanvasRect& r) { return w.calendar.Picture().PixelAt(r.left + 3, r.top + 5); };
  CHECK(probe(selected) == calendar::Tint(probe(besideSelected), calendar::kSelectedTint));
  CHECK(probe(marked) == calendar::Tint(probe(besideMarked), calendar::kMarkedTint));

  // Texts were written into the picture: the caption has ink in the text colour.
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  int inked = 0;
  for (int y = 8; y < 26; ++y)
    for (int x = 40; x < kW - 40; ++x) inked += w.calendar.Picture().PixelAt(x, y) == ink;
  CHECK(inked > 20);

  // And the screen shows what the picture holds.
  RedrawWindow(w.parent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test::Pump(150);
  CHECK(ScreenPixel(w.control(), ex, ey) == face);
  CHECK(ScreenPixel(w.control(), selected.left + 3, selected.top + 5) ==
        w.calendar.Picture().PixelAt(selected.left + 3, selected.top + 5));

  // TIKOLVO_DIALOG_PAUSE_MS keeps the window up for a look (and real clicks).
  const std::string pause = test::EnvVar(L"TIKOLVO_DIALOG_PAUSE_MS");
  if (!pause.empty()) test::Pump(static_cast<DWORD>(std::stoul(pause)));
}

TEST_CASE("calendar control: hover follows the mouse and leaving clears it") {
  CalendarWindow w;
  w.calendar.SetDate(EncodeDate(2026, 6, 10));
  SendMessageW(w.control(), WM_MOUSEMOVE, 0, At(kNext.x, kNext.y));
  CHECK(w.calendar.State().HoverCode() == calendar::kNextMonth);
  CHECK(w.calendar.State().LookOf(calendar::kNextMonth) == calendar::Look::Hot);
  SendMessageW(w.control(), WM_MOUSELEAVE, 0, 0);
  CHECK(w.calendar.State().LookOf(calendar::kNextMonth) == calendar::Look::Normal);
  CHECK_FALSE(w.calendar.State().MouseInside());
}

TEST_CASE("dib canvas: fills and tints land in the program's colour order") {
  DibCanvas canvas;
  REQUIRE(canvas.Resize(20, 10));
  canvas.FillRect({0, 0, 20, 10}, 0x0000FF);  // red
  canvas.FillRect({-5, -5, 3, 3}, 0x00FF00);  // clipped at the corner
  canvas.TintRect({10, 0, 30, 10}, 0xFF0000);  // blue tint, clipped at the right
  CHECK(canvas.PixelAt(1, 1) == 0x00FF00u);
  CHECK(canvas.PixelAt(5, 5) == 0x0000FFu);
  CHECK(canvas.PixelAt(15, 5) == calendar::Tint(0x0000FF, 0xFF0000));
  CHECK(canvas.PixelAt(15, 5) == 0x4D00B3u);
  CHECK(canvas.PixelAt(25, 5) == 0u);
  canvas.TintRect({5, 5, 5, 9}, 0xFFFFFF);  // empty: nothing changes
  CHECK(canvas.PixelAt(5, 5) == 0x0000FFu);
}

TEST_CASE("calendar control: redrawing and resizing leak no GDI objects") {
  CalendarWindow w;
  w.calendar.Redraw();
  const long before = test::CountGuiHandles().gdi;
  for (int i = 0; i < 40; ++i) {
    w.Click(i % 2 ? kNext : w.DayCentre(1 + i % 28));
    SetWindowPos(w.control(), nullptr, 0, 0, kW - i % 3, kH, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(w.control());
  }
  CHECK(test::CountGuiHandles().gdi == before);
}

}  // namespace
}  // namespace tikolvo
