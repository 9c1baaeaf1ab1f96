// Where the calendar control's parts lie and what a point hits, at the size
// the scheduler page uses (225 × 241) and at sizes nobody should use.
#include <gtest/gtest.h>

#include "reminders/calendar_layout.h"

namespace tikolvo::calendar {
namespace {

TEST(CalendarRounding, ExactTiesGoToTheEvenNumber) {
  EXPECT_EQ(RoundRatio(55, 2), 28);   // 27.5
  EXPECT_EQ(RoundRatio(165, 2), 82);  // 82.5
  EXPECT_EQ(RoundRatio(10, 4), 2);    // 2.5
  EXPECT_EQ(RoundRatio(11, 4), 3);    // 2.75
  EXPECT_EQ(RoundRatio(-7, 2), -4);   // -3.5
  EXPECT_EQ(RoundRatio(5, 0), 0);
}

TEST(CalendarLayout, BandsOfTheSchedulerPageSize) {
  const Layout l(225, 241);
  EXPECT_EQ(l.Header(), (CanvasRect{0, 0, 225, 32}));
  EXPECT_EQ(l.Footer(), (CanvasRect{0, 219, 225, 241}));
  EXPECT_EQ(l.WeekdayRow(), (CanvasRect{4, 34, 221, 52}));
  EXPECT_EQ(l.Weeks(), (CanvasRect{4, 52, 221, 217}));
  EXPECT_EQ(l.PreviousButton(), (CanvasRect{6, 6, 32, 26}));
  EXPECT_EQ(l.NextButton(), (CanvasRect{193, 6, 219, 26}));
}

TEST(CalendarLayout, CellsTileTheWeeksWithoutGapsOrOverlaps) {
  for (const auto& [w, h] : {std::pair{225, 241}, std::pair{140, 120}, std::pair{301, 199}}) {
    SCOPED_TRACE(w);
    const Layout l(w, h);
    const CanvasRect weeks = l.Weeks();
    for (int row = 0; row < kRows; ++row) {
      EXPECT_EQ(l.CellRect({0, row}).left, weeks.left);
      EXPECT_EQ(l.CellRect({kColumns - 1, row}).right, weeks.right);
      for (int column = 1; column < kColumns; ++column) {
        EXPECT_EQ(l.CellRect({column, row}).left, l.CellRect({column - 1, row}).right);
      }
    }
    for (int column = 0; column < kColumns; ++column) {
      EXPECT_EQ(l.CellRect({column, 0}).top, weeks.top);
      EXPECT_EQ(l.CellRect({column, kRows - 1}).bottom, weeks.bottom);
      for (int row = 1; row < kRows; ++row) {
        EXPECT_EQ(l.CellRect({column, row}).top, l.CellRect({column, row - 1}).bottom);
      }
    }
  }
}

TEST(CalendarHitMap, ButtonsDaysAndEverythingElse) {
  const Layout l(225, 241);
  const MonthGrid june(2026, 6);  // starts on Monday
  const auto areas = l.HitAreas(june);
  ASSERT_EQ(areas.size(), 2u + 30u);

  EXPECT_EQ(HitTest(areas, 6, 6), kPreviousMonth);
  EXPECT_EQ(HitTest(areas, 31, 25), kPreviousMonth);
  EXPECT_EQ(HitTest(areas, 32, 25), kNothing);
  EXPECT_EQ(HitTest(areas, 31, 26), kNothing);
  EXPECT_EQ(HitTest(areas, 193, 6), kNextMonth);
  EXPECT_EQ(HitTest(areas, 218, 25), kNextMonth);
  EXPECT_EQ(HitTest(areas, 219, 10), kNothing);

  EXPECT_EQ(HitTest(areas, 112, 16), kNothing) << "the caption between the buttons";
  EXPECT_EQ(HitTest(areas, 50, 40), kNothing) << "the weekday names";
  EXPECT_EQ(HitTest(areas, 112, 230), kNothing) << "the footer";
  EXPECT_EQ(HitTest(areas, 2, 100), kNothing) << "the margin beside the grid";
  EXPECT_EQ(HitTest(areas, -1, -1), kNothing);

  // Every cell's corners and centre hit its own day; empty cells hit nothing.
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const CanvasRect r = l.CellRect({column, row});
      const int day = june.DayAt({column, row});
      EXPECT_EQ(HitTest(areas, r.left, r.top), day);
      EXPECT_EQ(HitTest(areas, r.right - 1, r.bottom - 1), day);
      EXPECT_EQ(HitTest(areas, (r.left + r.right) / 2, (r.top + r.bottom) / 2), day);
    }
  }
}

TEST(CalendarHitMap, FollowsTheShownMonth) {
  const Layout l(225, 241);
  const CanvasRect firstCell = l.CellRect({0, 0});
  const int x = firstCell.left + 5;
  const int y = firstCell.top + 5;
  EXPECT_EQ(HitTest(l.HitAreas(MonthGrid(2026, 6)), x, y), 1);   // Monday the 1st
  EXPECT_EQ(HitTest(l.HitAreas(MonthGrid(2026, 3)), x, y), 0);   // starts on Sunday
  EXPECT_EQ(HitTest(l.HitAreas(MonthGrid(2026, 3)), x, y + firstCell.Height()), 2);
}

TEST(CalendarLayout, TinySizesGiveEmptyButOrderedRectangles) {
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{5, 5}, std::pair{-20, -20}, std::pair{60, 40}}) {
    const Layout l(w, h);
    const CanvasRect weeks = l.Weeks();
    EXPECT_GE(weeks.Width(), 0);
    EXPECT_GE(weeks.Height(), 0);
    EXPECT_GE(l.WeekdayRow().Height(), 0);
    for (const HitArea& a : l.HitAreas(MonthGrid(2026, 1))) {
      if (a.code >= 1 && a.code <= 31) EXPECT_TRUE(a.rect.Empty()) << a.code;
    }
  }
}

}  // namespace
}  // namespace tikolvo::calendar
