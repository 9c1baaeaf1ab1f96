#include "reminders/desktop_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/utf8_text.h"
#include "reminders/wallpaper_geometry.h"

namespace tikolvo {
namespace {

// Every character is as wide as the font's size and one and a half times
// as high; the ink leaves one pixel free on every side.
class RecordingInkCanvas : public InkCanvas {
 public:
  struct Event {
    enum Kind { kText, kFill, kLine } kind;
    int x = 0, y = 0;
    std::string text;
    std::uint32_t colour = 0;
    CanvasRect rect;
  };

  void SetFont(const CanvasFont& font) override { size_ = font.size; }
  void SetTextColour(std::uint32_t colour) override { colour_ = colour; }
  TextExtent MeasureText(std::string_view utf8) override {
    return {static_cast<int>(CharCount(utf8)) * size_, size_ * 3 / 2};
  }
  void DrawText(int x, int y, std::string_view utf8) override {
    events.push_back({Event::kText, x, y, std::string(utf8), colour_, {}});
  }
  void FillRect(const CanvasRect& rect, std::uint32_t colour) override {
    events.push_back({Event::kFill, rect.left, rect.top, {}, colour, rect});
  }
  void TintRect(const CanvasRect&, std::uint32_t) override {}
  void DrawLine(PixelPoint from, PixelPoint to, int, std::uint32_t colour) override {
    events.push_back({Event::kLine, from.x, from.y, {}, colour, {from.x, from.y, to.x, to.y}});
  }
  CanvasRect MeasureInk(std::string_view utf8) override {
    const TextExtent e = MeasureText(utf8);
    return {1, 1, e.width - 1, e.height - 1};
  }

  std::vector<Event> Texts() const {
    std::vector<Event> texts;
    for (const Event& e : events)
      if (e.kind == Event::kText) texts.push_back(e);
    return texts;
  }
  const Event* Text(const std::string& text) const {
    for (const Event& e : events)
      if (e.kind == Event::kText && e.text == text) return &e;
    return nullptr;
  }

  std::vector<Event> events;

 private:
  int size_ = 8;
  std::uint32_t colour_ = 0;
};

bool IsDay(const std::string& text) { return text.find_first_not_of(" 0123456789") == std::string::npos; }

DesktopCalendarLook Look(CalendarLayout layout, int year, int month) {
  CalendarSettings settings;
  settings.layout = static_cast<int>(layout);
  settings.followToday = false;
  settings.shownDate = EncodeDate(year, month, 1);
  settings.shadow1 = false;
  return MakeCalendarLook(settings, Locale(), EncodeDate(2000, 1, 1));
}

std::vector<RecordingInkCanvas::Event> DrawnDays(const DesktopCalendarLook& look) {
  RecordingInkCanvas canvas;
  DrawCalendar(canvas, {800, 600}, look, {100, 100, 500, 450});
  std::vector<RecordingInkCanvas::Event> days;
  for (const auto& e : canvas.Texts())
    if (IsDay(e.text) && e.text.size() <= 2) days.push_back(e);
  return days;
}

TEST(DesktopCalendar, MonthGridHoldsEveryDayOfTheMonthInItsWeeks) {
  // March 2026 begins on a Sunday and has 31 days: six weeks.
  DesktopCalendarLook look = Look(CalendarLayout::Month, 2026, 3);
  for (bool vertical : {false, true}) {
    look.vertical = vertical;
    const auto days = DrawnDays(look);
    ASSERT_EQ(days.size(), 31u);
    std::set<int> weeks;
    for (const auto& day : days) weeks.insert(vertical ? day.x : day.y);
    EXPECT_EQ(weeks.size(), 6u) << (vertical ? "columns" : "rows");
  }
  // The last day of a leap February exists; a common year has none.
  look.vertical = false;
  look.year = 2028, look.month = 2;
  auto days = DrawnDays(look);
  ASSERT_EQ(days.size(), 29u);
  EXPECT_EQ(days.back().text, "29");
  look.year = 2027;
  EXPECT_EQ(DrawnDays(look).size(), 28u);
}

TEST(DesktopCalendar, ThreeMonthsKeepTheirPositionsAtTheYearsEnds) {
  const CanvasRect rect{100, 100, 700, 400};  // block width 200, stacked block height 100
  struct Case {
    CalendarLayout layout;
    int month;
    std::vector<std::string> names;
    int firstBlock;
  };
  for (const Case& c : {Case{CalendarLayout::ThreeSideBySide, 1, {"Январь", "Февраль"}, 1},
                        Case{CalendarLayout::ThreeSideBySide, 12, {"Ноябрь", "Декабрь"}, 0},
                        Case{CalendarLayout::ThreeStacked, 1, {"Январь", "Февраль"}, 1},
                        Case{CalendarLayout::ThreeStacked, 12, {"Ноябрь", "Декабрь"}, 0}}) {
    RecordingInkCanvas canvas;
    DrawCalendar(canvas, {800, 600}, Look(c.layout, 2026, c.month), rect);
    const bool side = c.layout == CalendarLayout::ThreeSideBySide;
    std::vector<std::string> names;
    for (const auto& e : canvas.Texts())
      if (!IsDay(e.text) && e.text.size() > 4) names.push_back(e.text);
    EXPECT_EQ(names, c.names);
    for (std::size_t i = 0; i < c.names.size(); ++i) {
      const auto* name = canvas.Text(c.names[i]);
      const int block = c.firstBlock + static_cast<int>(i);
      EXPECT_EQ(name->x, side ? 100 + block * 200 : 100) << c.names[i];
      EXPECT_EQ(name->y, side ? 100 : 100 + block * 100) << c.names[i];
    }
  }
}

TEST(DesktopCalendar, ShadowsComeFirstAndTheMainPassMarksThePictureBeforeItsText) {
  DesktopCalendarLook look = Look(CalendarLayout::Month, 2026, 3);
  look.shadow1 = look.shadow2 = look.shadow3 = true;
  look.shadow1Colour = 0x000001, look.shadow2Colour = 0x000002, look.shadow3Colour = 0x000003;
  look.textColour = 0xFFFFFF;
  look.today = EncodeDate(2026, 3, 11);
  look.fillCurrentDay = true;
  look.currentDayColour = 0x00AA00;
  RecordingInkCanvas canvas;
  DrawCalendar(canvas, {800, 600}, look, {100, 100, 500, 450});

  std::vector<std::pair<int, std::uint32_t>> names;  // x of "Март", colour
  std::vector<std::uint32_t> frames;  // colours of fills beside today's number
  int markerAt = -1, mainTextAt = -1, todayFills = 0;
  for (std::size_t i = 0; i < canvas.events.size(); ++i) {
    const auto& e = canvas.events[i];
    if (e.kind == RecordingInkCanvas::Event::kText && e.text == "Март") names.push_back({e.x, e.colour});
    if (e.kind == RecordingInkCanvas::Event::kText && e.colour == look.textColour && mainTextAt < 0) mainTextAt = int(i);
    if (e.kind != RecordingInkCanvas::Event::kFill) continue;
    if (e.rect == CanvasRect{797, 599, 798, 600} && e.colour == kComposedMarkRed) markerAt = int(i);
    if (e.colour == look.currentDayColour) ++todayFills;
    if (e.colour != look.currentDayColour && e.rect.top < 599) frames.push_back(e.colour);
  }
  const std::vector<std::pair<int, std::uint32_t>> order = {{102, 2}, {99, 3}, {101, 1}, {100, 0xFFFFFF}};
  EXPECT_EQ(names, order);
  ASSERT_GE(markerAt, 0);
  EXPECT_LT(markerAt, mainTextAt);
  EXPECT_EQ(canvas.events[markerAt + 1].colour, kComposedMarkBlue);
  EXPECT_EQ(canvas.events[markerAt + 1].rect, (CanvasRect{798, 599, 799, 600}));
  EXPECT_EQ(canvas.events[markerAt + 2].colour, kComposedMarkGreen);
  EXPECT_EQ(canvas.events[markerAt + 2].rect, (CanvasRect{799, 599, 800, 600}));
  for (int i = 0; i < markerAt; ++i)
    EXPECT_FALSE(canvas.events[std::size_t(i)].kind == RecordingInkCanvas::Event::kFill && canvas.events[std::size_t(i)].rect.top == 599);
  // Today's frame goes round the number in every pass, the fill only once.
  EXPECT_EQ(todayFills, 1);
  EXPECT_EQ(frames, (std::vector<std::uint32_t>{2, 2, 2, 2, 3, 3, 3, 3, 1, 1, 1, 1, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                                0xFFFFFF}));
}

}  // namespace
}  // namespace tikolvo
