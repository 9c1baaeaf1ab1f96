#pragma once
// Work on the program's picture strips before they reach the screen: cutting
// one picture out of a strip, the mask that goes with it, and the alpha forms
// the drawing functions of Windows want. Pixels are 0xAARRGGBB with straight
// (not premultiplied) alpha, as a 32-bit BMP stores them.
#include <cstdint>
#include <vector>

#include "skin/picture.h"

namespace tikolvo {

// Picture `index` of a strip of square-celled pictures `size` pixels wide
// (as tall as the strip). Empty when the strip has no such picture.
Picture CutStripPicture(const Picture& strip, int index, int size);

// True when any pixel carries alpha; a 24-bit picture never does.
bool HasAlpha(const Picture& picture);

// The mask of a picture with alpha: white (see-through) where the pixel is
// less than half covered, black where it is drawn.
Picture MaskFromAlpha(const Picture& picture);

// A picture from a source without alpha gets it from its mask: white mask
// pixels become fully transparent, all others fully opaque. A picture that
// has alpha already keeps it, and a mask of another size changes nothing.
void TakeAlphaFromMask(Picture& picture, const Picture& mask);

// Premultiplied rows for alpha blending (each colour channel scaled by alpha).
std::vector<std::uint32_t> Premultiplied(const Picture& picture);

// How a picture's soft shadow falls.
struct ShadowLook {
  int offset = 2;      // to the right and down, in pixels
  int radius = 2;      // blur radius
  int strength = 110;  // darkness of a full shadow, 0..255
};

// The picture over its own blurred shadow, premultiplied, with `pad` pixels
// of room on every side (so the result is width + 2 * pad wide). The shadow
// is black at the given strength under the picture's alpha, offset and
// blurred; where the picture is opaque only the picture shows.
Picture WithSoftShadow(const Picture& picture, int pad, const ShadowLook& look);

// The picture drawn into a box of another size: each pixel of the result
// takes the source pixel under its centre.
Picture ScaledPicture(const Picture& picture, int width, int height);

// The balloon's shadow: wherever `shade` has a pixel (alpha above zero), each
// channel of the background pixel beneath is multiplied by
// (brightness div 3 + 170) / 256, with brightness = (29 x red + 150 x green +
// 76 x blue) div 256 of the shade's pixel. `background` holds 0x??RRGGBB
// pixels of the shade's size; their top byte is kept.
void ShadeUnder(const Picture& shade, std::vector<std::uint32_t>& background);

}  // namespace tikolvo
