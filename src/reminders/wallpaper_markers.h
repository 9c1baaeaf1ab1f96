#pragma once
// The two markers over the wallpaper preview: the calendar's rectangle and
// the reminders' one. A press on a marker picks it up, moving keeps the
// point it was grabbed by under the mouse, and a double click sends a
// marker home to (1, 1). Also the small rules of the controls that size the
// calendar marker, and the look of both markers.
#include <cstdint>
#include <optional>
#include <string_view>

#include "reminders/canvas.h"
#include "reminders/wallpaper_geometry.h"

namespace tikolvo {

// The reminder marker only says where the text goes; its size is fixed.
inline constexpr int kReminderMarkerSide = 32;
inline constexpr int kMarkerWidthMin = 10, kMarkerWidthMax = 312;
inline constexpr int kMarkerHeightMin = 10, kMarkerHeightMax = 232;

enum class MarkerKind { None, Calendar, Reminders };

struct MarkerLayout {
  MarkerBox calendar{24, 24, 57, 57};
  MarkerBox reminders{24, 88, kReminderMarkerSide, kReminderMarkerSide};

  MarkerBox& Of(MarkerKind kind) { return kind == MarkerKind::Reminders ? reminders : calendar; }
};

// The marker under a point: the reminder marker lies on top.
MarkerKind MarkerAt(const MarkerLayout& layout, int x, int y);

class MarkerDrag {
 public:
  // Picks up the marker under the point; None when there is none.
  MarkerKind Press(const MarkerLayout& layout, int x, int y);
  // Moves the held marker so that the grab point stays under (x, y), its
  // corner kept on the preview so it can always be grabbed again. True when
  // it moved.
  bool Move(MarkerLayout& layout, int x, int y) const;
  void Release() { held_ = MarkerKind::None; }
  MarkerKind Held() const { return held_; }

 private:
  MarkerKind held_ = MarkerKind::None;
  int grabX_ = 0;
  int grabY_ = 0;
};

// A double click: the marker under the point, or the calendar marker when
// the click hit the bare preview, goes to (1, 1). Returns which one.
MarkerKind SendMarkerHome(MarkerLayout& layout, int x, int y);

// The knobs fire twice as often as the marker should change: every second
// event counts.
class EverySecond {
 public:
  bool Counts() { return (count_++ & 1) != 0; }

 private:
  unsigned count_ = 0;
};

// The size edits: only digits and Backspace may be typed, and Enter accepts
// a positive number.
bool SizeEditAccepts(wchar_t typed);
std::optional<int> AcceptedSize(std::string_view text);

// The calendar marker as a sight: corner brackets of 5 pixels, a small
// cross in the middle and a tick at the middle of each side.
void DrawCalendarMarker(ShapeCanvas& canvas, const MarkerBox& box, std::uint32_t colour);
// The reminder marker: corner brackets and four short bars standing for
// lines of text, at the chosen corner (0 upper left, 1 upper right, 2 lower
// left, 3 lower right).
void DrawReminderMarker(ShapeCanvas& canvas, const MarkerBox& box, int corner, std::uint32_t colour);

}  // namespace tikolvo
