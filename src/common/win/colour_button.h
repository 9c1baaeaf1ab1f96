#pragma once
// The program's colour boxes: an owner-drawn push button (BS_OWNERDRAW) that
// shows its colour, and the system's colour dialog to choose another.
#include <windows.h>

#include <cstdint>
#include <optional>

namespace tikolvo {

using Colour = std::uint32_t;  // 0x00BBGGRR, the same layout as COLORREF

// Draws the button of a WM_DRAWITEM as a push button with a swatch of the
// colour (greyed while the button is disabled).
void DrawColourButton(const DRAWITEMSTRUCT& item, Colour colour);

// The system's colour dialog opened on `initial`, owned by `owner`; nothing
// when the user cancels or the dialog cannot be shown. The dialog library
// is loaded when first needed, so a program that never chooses a colour
// never loads it. The sixteen custom colours are kept for the next call.
std::optional<Colour> ChooseColour(HWND owner, Colour initial);

}  // namespace tikolvo
