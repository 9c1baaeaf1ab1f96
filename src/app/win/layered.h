#pragma once
// Whole-window opacity through the layered-window function, looked up at run
// time: systems without it simply keep an opaque clock.
#include <windows.h>

namespace tikolvo {

// The colour a skin paints where the face should be see-through.
inline constexpr COLORREF kTransparentKeyColour = 0x0001FF;

bool LayeredWindowsAvailable();

// Makes the window layered with the given opacity (1..255); with keyColour
// the pixels of kTransparentKeyColour become fully transparent too.
bool SetWindowOpacity(HWND hwnd, int alpha, bool keyColour);

// Per-pixel-alpha windows: shows the premultiplied 32-bit picture selected
// into `source` as the whole window at its present screen position, with a
// constant opacity on top. False where the system lacks the function.
bool PerPixelAlphaAvailable();
bool PushLayeredPicture(HWND hwnd, HDC source, int width, int height, int opacity);

}  // namespace tikolvo
