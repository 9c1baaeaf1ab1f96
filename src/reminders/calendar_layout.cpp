#include "reminders/calendar_layout.h"

#include <algorithm>

namespace tikolvo::calendar {

int RoundRatio(long long numerator, long long denominator) {
  if (denominator == 0) return 0;
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) remainder += denominator, --quotient;  // floor division
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
  return static_cast<int>(quotient);
}

Layout::Layout(int width, int height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

CanvasRect Layout::InnerGrid() const {
  const CanvasRect area = GridArea();
  return {area.left + 4, area.top + 2, std::max(area.right - 4, area.left + 4),
          std::max(area.bottom - 2, area.top + 2)};
}

CanvasRect Layout::WeekdayRow() const {
  const CanvasRect inner = InnerGrid();
  return {inner.left, inner.top, inner.right, std::min(inner.top + kWeekdayRowHeight, inner.bottom)};
}

CanvasRect Layout::Weeks() const {
  const CanvasRect inner = InnerGrid();
  return {inner.left, WeekdayRow().bottom, inner.right, inner.bottom};
}

CanvasRect Layout::CellRect(Cell cell) const {
  const CanvasRect weeks = Weeks();
  const int w = weeks.Width();
  const int h = weeks.Height();
  return {weeks.left + RoundRatio(1LL * w * cell.column, kColumns),
          weeks.top + RoundRatio(1LL * h * cell.row, kRows),
          weeks.left + RoundRatio(1LL * w * (cell.column + 1), kColumns),
          weeks.top + RoundRatio(1LL * h * (cell.row + 1), kRows)};
}

int Layout::WeekdayLeft(int column) const {
  const CanvasRect row = WeekdayRow();
  return row.left + RoundRatio(1LL * column * row.Width(), kColumns);
}

std::vector<HitArea> Layout::HitAreas(const MonthGrid& month) const {
  std::vector<HitArea> areas;
  areas.reserve(2 + 31);
  areas.push_back({kPreviousMonth, PreviousButton()});
  areas.push_back({kNextMonth, NextButton()});
  for (int day = 1; day <= month.Days(); ++day) areas.push_back({day, CellRect(month.CellOf(day))});
  return areas;
}

int HitTest(const std::vector<HitArea>& areas, int x, int y) {
  const auto hit = std::find_if(areas.rbegin(), areas.rend(), [x, y](const HitArea& a) { return a.rect.Contains(x, y); });
  return hit == areas.rend() ? kNothing : hit->code;
}

}  // namespace tikolvo::calendar
