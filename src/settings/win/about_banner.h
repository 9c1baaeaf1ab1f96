#pragma once
// The about page's banner: the 545 x 54 picture "LOGO_BACK_IMAGE" with the
// program's name and a dial, over which a miniature clock shows the time,
// redrawn on the clock's own tick while visible (a timer of its own would
// drift against the face's and now and then skip or repeat a second). Also
// the page's program picture.
#include <windows.h>

#include "app/miniature_clock.h"
#include "common/win/system_clock.h"
#include "common/win/gdi.h"
#include "common/win/window_base.h"

namespace tikolvo {

// Draws the program's picture ("BITMAP_LOGO") with its soft edges, centred
// in the box; nothing when the resource is missing.
void DrawAboutLogo(HDC dc, const RECT& box);

class AboutBanner : public Window {
 public:
  static constexpr int kWidth = 545;
  static constexpr int kHeight = 54;

  bool Create(HWND parent, int x, int y);
  void Tick();

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
