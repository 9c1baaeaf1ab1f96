#pragma once
// The program's own pictures from its "RESS" resources (res/pictures.rc):
// single pictures as 32-bit pixels or bitmaps, strips as image lists or as
// strips drawn one picture at a time with their soft edges.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string_view>

#include "common/win/gdi.h"
#include "skin/picture.h"

namespace tikolvo {

// The raw bytes of a "RESS" resource of the running module; empty when the
// module has no such resource.
std::string_view RessBytes(std::string_view name);

// A "RESS" resource decoded: 0xAARRGGBB pixels with straight alpha (alpha
// zero throughout for a picture stored without it). Nothing when the
// resource is missing or damaged.
std::optional<Picture> LoadRessPicture(std::string_view name);

// A picture as a top-down 32-bit DIB section, its colours premultiplied by
// alpha when asked (the form AlphaBlend wants).
DibSection PictureToDib(const Picture& picture, bool premultiply);
// Draws a picture stretched (with halftone smoothing) into a rectangle.
void StretchPicture(HDC dc, int x, int y, int width, int height, const Picture& picture);

// A "RESS" resource as a 32-bit bitmap (straight alpha, as stored).
UniqueGdi<HBITMAP> LoadRessBitmap(std::string_view name);

// Owns an image list.
class UniqueImageList {
 public:
  UniqueImageList() = default;
  explicit UniqueImageList(HIMAGELIST list) : list_(list) {}
  ~UniqueImageList() { Reset(); }
  UniqueImageList(UniqueImageList&& other) noexcept : list_(other.list_) { other.list_ = nullptr; }
  UniqueImageList& operator=(UniqueImageList&& other) noexcept;
  UniqueImageList(const UniqueImageList&) = delete;
  UniqueImageList& operator=(const UniqueImageList&) = delete;

  HIMAGELIST get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Reset(HIMAGELIST list = nullptr);

 private:
  HIMAGELIST list_ = nullptr;
};

// The strip `name` and its mask `name` + "_MASK" as an image list of
// iconSize-wide pictures (32-bit with alpha, the mask kept for drawing
// without it). An empty list when either resource is missing, damaged or of
// another size than its partner.
UniqueImageList LoadRessImageList(std::string_view name, int iconSize);

// A strip kept in memory for drawing its pictures one at a time.
class PictureStrip {
 public:
  // Loads the strip and its mask; false (and an empty strip) on failure.
  bool Load(std::string_view name, int size);

  int Size() const { return size_; }
  int Count() const { return size_ > 0 ? pixels_.width / size_ : 0; }
  // Picture `index` with straight alpha; empty when there is no such picture.
  Picture At(int index) const;
  // Draws picture `index` blended over the DC at (x, y), `size` pixels square
  // (scaled when it differs from the strip's). False when there is no such
  // picture.
  bool Draw(HDC dc, int index, int x, int y, int size, BYTE opacity = 255) const;

 private:
  int size_ = 0;
  Picture pixels_;         // straight alpha, alpha taken from the mask if the strip had none
  DibSection blendable_;   // the same, premultiplied, for AlphaBlend
};

// The program's system strip at 16 and at 32 pixels, loaded on first use
// and kept until the program ends.
const PictureStrip& SystemStrip();
const PictureStrip& LargeSystemStrip();

}  // namespace tikolvo
