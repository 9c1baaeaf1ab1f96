// The calendar control's behaviour under the mouse: what a press, a
// release, a double click and the header buttons select, which events they
// raise in which order, hover and press looks, and the day marks.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "reminders/calendar_state.h"

namespace tikolvo::calendar {
namespace {

constexpr int kW = 225;
constexpr int kH = 241;

using Events = std::vector<Event>;

struct Point {
  int x;
  int y;
};

Point CentreOf(const CanvasRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

Point DayPoint(const CalendarState& s, int day) { return CentreOf(s.GetLayout().CellRect(s.Shown().CellOf(day))); }
const Point kPrevious{19, 16};
const Point kNext{kW - 19, 16};
const Point kCaption{kW / 2, 16};

CivilTime Civil(DateTime d) { return DecodeDateTime(d); }

// A click: press and release at the same point, the events of both.
Events Click(CalendarState& s, Point p) {
  Events events = s.Press(p.x, p.y).events;
  const Events released = s.Release(p.x, p.y).events;
  events.insert(events.end(), released.begin(), released.end());
  return events;
}

TEST(CalendarEvents, ClickOnADaySelectsItThenReportsTheClick) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  EXPECT_EQ(s.SelectedDay(), -1) << "no day is picked before the user picks one";
  const Point p = DayPoint(s, 17);
  const Response pressed = s.Press(p.x, p.y);
  EXPECT_EQ(pressed.events, (Events{{EventKind::ChangeDay}}));
  EXPECT_TRUE(pressed.redraw);
  EXPECT_EQ(Civil(s.SelectedDate()), (CivilTime{2026, 6, 17}));
  EXPECT_EQ(s.SelectedDay(), 17);
  EXPECT_EQ(s.Release(p.x, p.y).events, (Events{{EventKind::ClickDay, 17}}));
}

TEST(CalendarEvents, FirstPickOfTheAlreadySelectedDateStillChangesTheDay) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  EXPECT_EQ(Click(s, DayPoint(s, 10)), (Events{{EventKind::ChangeDay}, {EventKind::ClickDay, 10}}));
  EXPECT_EQ(Click(s, DayPoint(s, 10)), (Events{{EventKind::ClickDay, 10}})) << "nothing changed the second time";
}

TEST(CalendarEvents, ReleaseOutsideKeepsThePickButIsNoClick) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Point p = DayPoint(s, 3);
  s.Press(p.x, p.y);
  EXPECT_TRUE(s.Release(kW + 40, 10).events.empty());
  EXPECT_EQ(s.SelectedDay(), 3);
  EXPECT_EQ(s.HoverLook(), Look::Normal);
}

TEST(CalendarEvents, HeaderButtonsStepTheMonthAndReportMonthThenDay) {
  CalendarState s(EncodeDate(2024, 1, 31), kW, kH);
  EXPECT_EQ(Click(s, kNext), (Events{{EventKind::ChangeMonth}, {EventKind::ChangeDay}}));
  EXPECT_EQ(Civil(s.SelectedDate()), (CivilTime{2024, 2, 29}));
  EXPECT_EQ(Click(s, kNext), (Events{{EventKind::ChangeMonth}, {EventKind::ChangeDay}}));
  EXPECT_EQ(Civil(s.SelectedDate()), (CivilTime{2024, 3, 29})) << "the cut day stays cut";
  Click(s, kPrevious);
  Click(s, kPrevious);
  Click(s, kPrevious);
  EXPECT_EQ(Civil(s.SelectedDate()), (CivilTime{2023, 12, 29}));
}

TEST(CalendarEvents, PickedDayFollowsTheCutDate) {
  CalendarState s(EncodeDate(2023, 1, 5), kW, kH);
  Click(s, DayPoint(s, 31));
  Click(s, kNext);
  EXPECT_EQ(s.SelectedDay(), 28);
}

TEST(CalendarEvents, CaptionBetweenTheButtonsChangesNothing) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  Click(s, DayPoint(s, 12));
  const DateTime before = s.SelectedDate();
  EXPECT_TRUE(Click(s, kCaption).empty());
  EXPECT_EQ(s.SelectedDate(), before);
  EXPECT_EQ(s.SelectedDay(), 12);
}

TEST(CalendarEvents, DoubleClickOnADayReportsItOnceAndNoSecondClick) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Point p = DayPoint(s, 21);
  // The system's order: down, up, double click, up.
  Events events = Click(s, p);
  const Events second = s.DoubleClick(p.x, p.y).events;
  events.insert(events.end(), second.begin(), second.end());
  EXPECT_FALSE(s.ButtonHeld());
  const Events last = s.Release(p.x, p.y).events;
  events.insert(events.end(), last.begin(), last.end());
  EXPECT_EQ(events, (Events{{EventKind::ChangeDay}, {EventKind::ClickDay, 21}, {EventKind::DoubleClickDay, 21}}));
}

TEST(CalendarEvents, DoubleClickOnAButtonStepsAgainButIsNoDayDoubleClick) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  Click(s, DayPoint(s, 4));  // a day is selected, the last press was on a day
  Click(s, kNext);
  const Events events = s.DoubleClick(kNext.x, kNext.y).events;
  EXPECT_EQ(events, (Events{{EventKind::ChangeMonth}, {EventKind::ChangeDay}}));
  EXPECT_EQ(Civil(s.SelectedDate()), (CivilTime{2026, 8, 4}));
}

TEST(CalendarEvents, LostMouseEndsThePressWithoutAClick) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Point p = DayPoint(s, 8);
  s.Press(p.x, p.y);
  EXPECT_TRUE(s.CancelPress().redraw);
  EXPECT_FALSE(s.ButtonHeld());
  EXPECT_EQ(s.HoverLook(), Look::Normal);
  EXPECT_TRUE(s.Release(p.x, p.y).events.empty());
  EXPECT_FALSE(s.CancelPress().redraw) << "nothing to cancel";
}

TEST(CalendarEvents, LostMouseAfterADoubleClickEndsThePressedLook) {
  // The double-click handler may open a window that takes the release.
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Point p = DayPoint(s, 11);
  Click(s, p);
  s.DoubleClick(p.x, p.y);
  EXPECT_EQ(s.LookOf(11), Look::Pressed);
  EXPECT_TRUE(s.CancelPress().redraw);
  EXPECT_EQ(s.LookOf(11), Look::Normal);
}

TEST(CalendarHover, MovesRedrawOnlyWhenTheElementChanges) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  s.Enter();
  EXPECT_EQ(s.HoverLook(), Look::Hot);
  const Point five = DayPoint(s, 5);
  EXPECT_TRUE(s.Move(five.x, five.y).redraw);
  EXPECT_EQ(s.HoverCode(), 5);
  EXPECT_EQ(s.LookOf(5), Look::Hot);
  EXPECT_EQ(s.LookOf(6), Look::Normal);
  EXPECT_FALSE(s.Move(five.x + 1, five.y).redraw);
  EXPECT_TRUE(s.Move(kNext.x, kNext.y).redraw);
  EXPECT_EQ(s.HoverCode(), kNextMonth);
  EXPECT_TRUE(s.Move(kCaption.x, kCaption.y).redraw);
  EXPECT_EQ(s.HoverCode(), kNothing);
}

TEST(CalendarHover, PressedElementStaysPressedWhileTheButtonIsHeld) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  s.Enter();
  const Point p = DayPoint(s, 9);
  s.Move(p.x, p.y);
  s.Press(p.x, p.y);
  EXPECT_EQ(s.LookOf(9), Look::Pressed);
  const Point other = DayPoint(s, 20);
  EXPECT_FALSE(s.Move(other.x, other.y).redraw);
  EXPECT_EQ(s.HoverCode(), 9);
  s.Leave();
  EXPECT_EQ(s.LookOf(9), Look::Pressed) << "leaving with the button held";
  s.Enter();
  EXPECT_EQ(s.LookOf(9), Look::Pressed) << "coming back with the button held over it";
  s.Release(other.x, other.y);
  EXPECT_EQ(s.HoverCode(), 20) << "the release looks again at what is under the mouse";
  EXPECT_EQ(s.LookOf(20), Look::Hot);
}

TEST(CalendarHover, LeavingMakesEverythingNormal) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  s.Enter();
  s.Move(kPrevious.x, kPrevious.y);
  EXPECT_EQ(s.LookOf(kPreviousMonth), Look::Hot);
  EXPECT_TRUE(s.Leave().redraw);
  EXPECT_FALSE(s.MouseInside());
  EXPECT_EQ(s.LookOf(kPreviousMonth), Look::Normal);
}

TEST(CalendarMarks, BelongToTheShownMonth) {
  CalendarState s(EncodeDate(2026, 2, 10), kW, kH);
  s.SetMarkedDays({3, 15, 29, 31, 0, -4, 100});
  EXPECT_TRUE(s.IsMarked(3));
  EXPECT_TRUE(s.IsMarked(15));
  EXPECT_FALSE(s.IsMarked(29)) << "February 2026 has 28 days";
  EXPECT_FALSE(s.IsMarked(31));
  EXPECT_FALSE(s.IsMarked(0));

  EXPECT_FALSE(s.SetDate(EncodeDate(2026, 2, 20)));
  EXPECT_TRUE(s.IsMarked(15)) << "same month: the marks stay";

  Click(s, kNext);
  EXPECT_FALSE(s.IsMarked(3)) << "March has its own marks, set by the owner on ChangeMonth";
  s.SetMarkedDays({3});
  EXPECT_TRUE(s.IsMarked(3));
  EXPECT_TRUE(s.SetDate(EncodeDate(2026, 7, 1)));
  EXPECT_FALSE(s.IsMarked(3));
}

TEST(CalendarState, SetDateMovesTheHitMapAndRefusesNonsense) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Point firstCell = CentreOf(s.GetLayout().CellRect({0, 0}));
  EXPECT_EQ(HitTest(s.HitAreas(), firstCell.x, firstCell.y), 1);  // June 2026 starts on Monday
  s.SetDate(EncodeDate(2026, 3, 5));                              // March 2026 on Sunday
  EXPECT_EQ(HitTest(s.HitAreas(), firstCell.x, firstCell.y), 0);

  const DateTime before = s.SelectedDate();
  EXPECT_FALSE(s.SetDate(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(s.SetDate(1e12));
  EXPECT_FALSE(s.SetDate(-1e9));
  EXPECT_EQ(s.SelectedDate(), before);
}

TEST(CalendarState, NewSizeMovesTheButtons) {
  CalendarState s(EncodeDate(2026, 6, 10), 140, 120);
  EXPECT_EQ(HitTest(s.HitAreas(), 130, 10), kNextMonth);
  s.SetSize(kW, kH);
  EXPECT_EQ(HitTest(s.HitAreas(), 130, 10), kNothing);
  EXPECT_EQ(HitTest(s.HitAreas(), kNext.x, kNext.y), kNextMonth);
}

}  // namespace
}  // namespace tikolvo::calendar
