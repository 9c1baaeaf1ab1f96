#pragma once
// The wallpaper preview with the two markers over it (I_1 with P_F and
// P_Fs): a code-built child window of exactly 310 × 232 client pixels that
// shows the shared preview, draws the markers and lets the mouse drag them.
// It tells its owner when a marker has been put down somewhere new.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/win/window_base.h"
#include "reminders/wallpaper_markers.h"
#include "reminders/win/calendar_canvas.h"
#include "reminders/win/wallpaper_preview.h"

namespace tikolvo {

class PlacementPreview : public Window {
 public:
  explicit PlacementPreview(const WallpaperPreview& preview) : preview_(preview) {}

  // A visible child of parent with its upper left corner at (x, y).
  bool Create(HWND parent, int x, int y, int id);

  MarkerLayout layout;
  std::uint32_t calendarColour = 0x0000FF;
  std::uint32_t reminderColour = 0x00FF00;
  int reminderCorner = 0;
  // A marker was put down (at the end of a drag or by a double click).
  std::function<void(MarkerKind)> onMarkerPlaced;

  void Redraw();
  // The picture as last painted, for tests.
  const DibCanvas& Picture() const { return canvas_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void Compose();
  void Placed(MarkerKind kind);

  const WallpaperPreview& preview_;
  DibCanvas canvas_;
  MarkerDrag drag_;
};

}  // namespace tikolvo
