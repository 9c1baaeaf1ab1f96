#pragma once
// The base picture the wallpaper is composed on, as a DIB the composer draws
// into at full size, and the small preview the markers are placed over.
#include <cstdint>
#include <string>

#include "reminders/win/calendar_canvas.h"

namespace tikolvo {

enum class BasePictureResult { Loaded, Missing, Unreadable, TooLarge };

// Loads the file into `picture`: JPEG unless the extension in lower case is
// ".bmp". A JPEG beyond the picture limits is decoded at the largest of
// libjpeg's reduced scales that fits them; a BMP beyond them is refused
// (TooLarge), since a BMP cannot be read smaller. A picture narrower than
// the screen is stretched to the screen's size. A file that cannot be decoded
// leaves the canvas as it was.
BasePictureResult LoadBasePicture(const std::string& path, int screenWidth, int screenHeight, DibCanvas& picture);

// A screen-sized picture of one colour (0x00BBGGRR).
void MakeColourPicture(std::uint32_t colour, int screenWidth, int screenHeight, DibCanvas& picture);

// The picture stretched into the 310 × 232 preview (resized to that); an
// empty picture leaves the preview white.
void StretchIntoPreview(const DibCanvas& picture, DibCanvas& preview);

// True when the file exists, can be read and carries the composition marker.
bool IsComposedPicture(const std::string& path);

}  // namespace tikolvo
