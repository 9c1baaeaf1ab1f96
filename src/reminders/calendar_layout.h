#pragma once
// Where the parts of the month calendar control lie for a control of a
// given size, and which clickable element is under a point. The hit map is
// kept as data: every clickable element with its code and rectangle.
//
//   header band    y 0..32, with the previous- and next-month buttons
//   grid area      y 32..H-22: the weekday names, then six rows of weeks
//   footer band    y H-22..H: today's date
#include <vector>

#include "reminders/calendar_month.h"
#include "reminders/canvas.h"

namespace tikolvo::calendar {

// Hit codes: 1..31 are the day cells.
inline constexpr int kNothing = 0;
inline constexpr int kPreviousMonth = 100;
inline constexpr int kNextMonth = 101;

inline constexpr int kHeaderHeight = 32;
inline constexpr int kFooterHeight = 22;
inline constexpr int kWeekdayRowHeight = 18;

struct HitArea {
  int code = kNothing;
  CanvasRect rect;
  bool operator==(const HitArea&) const = default;
};

// round(numerator / denominator) with exact ties going to the even number.
int RoundRatio(long long numerator, long long denominator);

class Layout {
 public:
  Layout(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  CanvasRect Header() const { return {0, 0, width_, kHeaderHeight}; }
  CanvasRect PreviousButton() const { return {6, 6, 32, 26}; }
  CanvasRect NextButton() const { return {width_ - 32, 6, width_ - 6, 26}; }
  CanvasRect GridArea() const { return {0, kHeaderHeight, width_, height_ - kFooterHeight}; }
  CanvasRect Footer() const { return {0, height_ - kFooterHeight, width_, height_}; }
  // The grid area less 4 pixels left and right and 2 at the top and bottom.
  CanvasRect InnerGrid() const;
  CanvasRect WeekdayRow() const;
  // Where the six week rows lie, below the weekday row.
  CanvasRect Weeks() const;
  CanvasRect CellRect(Cell cell) const;
  // Left edge and width of weekday column `column` in the weekday row.
  int WeekdayLeft(int column) const;

  // The buttons first, then the day cells, in the order they are painted.
  std::vector<HitArea> HitAreas(const MonthGrid& month) const;

 private:
  int width_;
  int height_;
};

// The code of the element at (x, y); the element painted last wins.
int HitTest(const std::vector<HitArea>& areas, int x, int y);

}  // namespace tikolvo::calendar
