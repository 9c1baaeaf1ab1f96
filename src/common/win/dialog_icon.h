#pragma once
// The picture in the left band of the dialog windows: a picture of the
// program's system strip, drawn with a soft shadow that falls to the lower
// right.
#include <windows.h>

namespace tikolvo {

// The kind of window, which names its picture when the caller's index is not
// one of the strip's.
enum class DialogGlyph { Information, Question, Input };

// Draws picture iconIndex of the system strip, size pixels square, with its
// top-left corner at (x, y); the shadow spills a few pixels beyond that
// square. An index outside the strip draws the picture of the window's kind.
void DrawDialogIcon(HDC dc, int x, int y, int size, int iconIndex, DialogGlyph glyph);

// The balloon's picture: picture iconIndex of the 16 px strip drawn size
// pixels square at (x, y), over its own shade one pixel to the lower right
// that darkens what lies beneath by the picture's brightness.
void DrawBalloonIcon(HDC dc, int x, int y, int size, int iconIndex);

}  // namespace tikolvo
