#include "common/win/gdi.h"

namespace tikolvo {

DibSection CreateDib32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  DibSection dib;
  dib.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &dib.bits, nullptr, 0));
  if (dib.bitmap) {
    dib.width = width;
    dib.height = height;
  }
  return dib;
}

}  // namespace tikolvo
