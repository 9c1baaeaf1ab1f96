#pragma once
// The picture in the left band of the dialog windows, drawn with a soft
// shadow that falls to the lower right.
#include <windows.h>

namespace tikolvo {

// What the picture shows while the program's icon strip is not there yet.
enum class DialogGlyph { Information, Question, Input };

// Draws picture iconIndex of the strip, size pixels square, with its top-left
// corner at (x, y); the shadow spills a few pixels beyond that square. Until
// the strip exists, the glyph is drawn instead.
void DrawDialogIcon(HDC dc, int x, int y, int size, int iconIndex, DialogGlyph glyph);

}  // namespace tikolvo
