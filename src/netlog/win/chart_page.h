#pragma once
// The statistics window's page "График": a child window that paints the
// traffic chart off screen at its own size and copies it to the screen.
// It draws again whenever it is given new days or a new size.
//
// <windows.h> before the chart: the canvas's DrawText must be seen under
// the same name here as in the GDI canvas.
#include <windows.h>

#include "common/win/window_base.h"
#include "netlog/traffic_chart.h"
#include "reminders/win/calendar_canvas.h"

namespace tikolvo {

class ChartPage : public Window {
 public:
  // A hidden child of parent over `area` (parent's client pixels).
  bool Create(HWND parent, const RECT& area);
  void Show(TrafficChart chart);

  // The picture last painted, for tests.
  const DibCanvas& Picture() const { return canvas_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Redraw();

  TrafficChart chart_;
  DibCanvas canvas_;
};

}  // namespace tikolvo
