#pragma once
// The program's hint window (class "TIconHintX"): the hint icon beside the
// text on the system's hint colours, inside an etched flat frame, laid out by
// the skin's hint layout number.
#include <windows.h>

#include <string>
#include <utility>

#include "common/win/gdi.h"
#include "common/win/window_base.h"

namespace tikolvo {

inline constexpr wchar_t kHintWindowClass[] = L"TIconHintX";

class IconHintWindow : public Window {
 public:
  IconHintWindow() = default;

  // The application icon on the hint background, drawn once at start.
  void SetIconFromApplicationIcon(HICON icon, int size);
  // A skin's own hint icon.
  void SetIconBitmap(UniqueGdi<HBITMAP> icon, SIZE size) {
    icon_ = std::move(icon);
    iconSize_ = size;
  }
  void SetLayout(int layout) { layout_ = layout; }

  // Shows the text near the screen point, kept inside the screen.
  void ShowAt(POINT cursor, const std::wstring& text);
  void Hide();
  bool visible() const { return hwnd() && IsWindowVisible(hwnd()); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool EnsureCreated();
  SIZE MeasureText(const std::wstring& text) const;
  void Paint(HDC dc);

  UniqueGdi<HBITMAP> icon_;
  SIZE iconSize_{0, 0};
  UniqueGdi<HFONT> font_;
  int layout_ = 0;
  std::wstring text_;
};

}  // namespace tikolvo
