#include "reminders/wallpaper_markers.h"

#include <algorithm>
#include <climits>

namespace tikolvo {
namespace {

bool Covers(const MarkerBox& box, int x, int y) {
  return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

void Dot(ShapeCanvas& canvas, int x, int y, int width, int height, std::uint32_t colour) {
  canvas.FillRect({x, y, x + width, y + height}, colour);
}

// An L of `arm` pixels at each corner of the box.
void CornerBrackets(ShapeCanvas& canvas, const MarkerBox& box, int arm, std::uint32_t colour) {
  const int left = box.x, top = box.y, right = box.x + box.width - 1, bottom = box.y + box.height - 1;
  Dot(canvas, left, top, arm, 1, colour);
  Dot(canvas, left, top, 1, arm, colour);
  Dot(canvas, right - arm + 1, top, arm, 1, colour);
  Dot(canvas, right, top, 1, arm, colour);
  Dot(canvas, left, bottom, arm, 1, colour);
  Dot(canvas, left, bottom - arm + 1, 1, arm, colour);
  Dot(canvas, right - arm + 1, bottom, arm, 1, colour);
  Dot(canvas, right, bottom - arm + 1, 1, arm, colour);
}

}  // namespace

MarkerKind MarkerAt(const MarkerLayout& layout, int x, int y) {
  if (Covers(layout.reminders, x, y)) return MarkerKind::Reminders;
  if (Covers(layout.calendar, x, y)) return MarkerKind::Calendar;
  return MarkerKind::None;
}

MarkerKind MarkerDrag::Press(const MarkerLayout& layout, int x, int y) {
  held_ = MarkerAt(layout, x, y);
  if (held_ == MarkerKind::None) return held_;
  const MarkerBox& box = held_ == MarkerKind::Reminders ? layout.reminders : layout.calendar;
  grabX_ = x - box.x;
  grabY_ = y - box.y;
  return held_;
}

bool MarkerDrag::Move(MarkerLayout& layout, int x, int y) const {
  if (held_ == MarkerKind::None) return false;
  MarkerBox& box = layout.Of(held_);
  const int newX = std::clamp(x - grabX_, 0, kWallpaperPreviewWidth - 1);
  const int newY = std::clamp(y - grabY_, 0, kWallpaperPreviewHeight - 1);
  if (newX == box.x && newY == box.y) return false;
  box.x = newX;
  box.y = newY;
  return true;
}

MarkerKind SendMarkerHome(MarkerLayout& layout, int x, int y) {
  MarkerKind kind = MarkerAt(layout, x, y);
  if (kind == MarkerKind::None) kind = MarkerKind::Calendar;
  layout.Of(kind).x = 1;
  layout.Of(kind).y = 1;
  return kind;
}

bool SizeEditAccepts(wchar_t typed) { return (typed >= L'0' && typed <= L'9') || typed == L'\b'; }

std::optional<int> AcceptedSize(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value <= 0) return std::nullopt;
  return value;
}

void DrawCalendarMarker(ShapeCanvas& canvas, const MarkerBox& box, std::uint32_t colour) {
  CornerBrackets(canvas, box, 5, colour);
  const int midX = box.x + box.width / 2, midY = box.y + box.height / 2;
  const int right = box.x + box.width - 1, bottom = box.y + box.height - 1;
  Dot(canvas, midX - 3, midY, 7, 1, colour);  // the cross
  Dot(canvas, midX, midY - 3, 1, 7, colour);
  Dot(canvas, midX, box.y, 1, 3, colour);  // the side ticks
  Dot(canvas, midX, bottom - 2, 1, 3, colour);
  Dot(canvas, box.x, midY, 3, 1, colour);
  Dot(canvas, right - 2, midY, 3, 1, colour);
}

void DrawReminderMarker(ShapeCanvas& canvas, const MarkerBox& box, int corner, std::uint32_t colour) {
  CornerBrackets(canvas, box, 5, colour);
  const bool right = corner == 1 || corner == 3, bottom = corner == 2 || corner == 3;
  const int barWidth = std::max(box.width / 2, 1);
  for (int line = 0; line < 4; ++line) {
    // Shorter bars toward the inside, like lines of ragged text.
    const int width = std::max(barWidth - line % 2 * barWidth / 3, 1);
    const int x = right ? box.x + box.width - 4 - width : box.x + 4;
    const int y = bottom ? box.y + box.height - 6 - line * 4 : box.y + 4 + line * 4;
    Dot(canvas, x, y, width, 2, colour);
  }
}

}  // namespace tikolvo
