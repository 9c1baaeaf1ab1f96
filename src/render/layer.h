#pragma once
// Pictures for per-pixel-alpha (layered) faces.
#include "render/bitmap.h"

namespace tikolvo {

// Colour from `face`, opacity from the brightness of `mask`:
// alpha = round((R + G + B) / 3), channel = round(alpha * channel / 255).
// The result has the face's size; where the mask is smaller, alpha is 0.
Bitmap32 Premultiply(const Bitmap24& face, const Bitmap24& mask);

// All four channels of `source` into `target` at (x, y), clipped.
void CopyBitmap32(const Bitmap32& source, Bitmap32& target, int x, int y);

// Puts the drawn hand rectangle into the layer at (left, top): every pixel of
// `output` that lands inside the layer gets its blue, green and red copied,
// except the pixels equal to the output's top-left pixel, which stand for
// "nothing drawn here". The layer's alpha is never touched.
void LayerBlit(const Bitmap24& output, int left, int top, Bitmap32& layer);

}  // namespace tikolvo
