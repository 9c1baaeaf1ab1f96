#include "common/win/colour_button.h"

#include <commdlg.h>

#include "common/win/gdi.h"
#include "common/win/system_library.h"

namespace tikolvo {
namespace {

using ChooseColorProc = BOOL(WINAPI*)(LPCHOOSECOLORW);

ChooseColorProc ColourDialog() {
  static const ChooseColorProc proc = SystemFunction<ChooseColorProc>(L"comdlg32.dll", "ChooseColorW");
  return proc;
}

COLORREF g_customColours[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

}  // namespace

void DrawColourButton(const DRAWITEMSTRUCT& item, Colour colour) {
  RECT face = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  RECT swatch = item.rcItem;
  InflateRect(&swatch, -5, -5);
  if (pushed) OffsetRect(&swatch, 1, 1);
  if (swatch.right > swatch.left && swatch.bottom > swatch.top) {
    UniqueGdi<HBRUSH> fill(CreateSolidBrush(disabled ? GetSysColor(COLOR_BTNFACE) : colour));
    FillRect(item.hDC, &swatch, fill.get());
    FrameRect(item.hDC, &swatch, GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
}

std::optional<Colour> ChooseColour(HWND owner, Colour initial) {
  const ChooseColorProc choose = ColourDialog();
  if (!choose) return std::nullopt;
  CHOOSECOLORW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.rgbResult = initial & 0xFFFFFF;
  request.lpCustColors = g_customColours;
  request.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!choose(&request)) return std::nullopt;
  return static_cast<Colour>(request.rgbResult & 0xFFFFFF);
}

}  // namespace tikolvo
