#pragma once
// The about page's banner: a 545 x 54 picture with the program's name and a
// small dial whose hands show the time, redrawn every second while visible.
#include <windows.h>

#include "app/miniature_clock.h"
#include "app/win/system_clock.h"
#include "common/win/gdi.h"
#include "common/win/window_base.h"

namespace tikolvo {

class AboutBanner : public Window {
 public:
  static constexpr int kWidth = 545;
  static constexpr int kHeight = 54;

  bool Create(HWND parent, int x, int y);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawBanner();
  void Paint();

  SystemClock clock_;
  MiniatureClock miniature_;
  DibSection picture_;  // the banner with the latest miniature copied in
};

}  // namespace tikolvo
