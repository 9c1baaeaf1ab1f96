#pragma once
// The program's own compressed resources (type "RESS"): each is one zlib
// stream of a whole file, a BMP picture or, for "SKIN", the built-in skin
// archive. The Win32 layer finds the resource bytes; these helpers turn them
// into what the caller needs.
#include <optional>
#include <string>
#include <string_view>

#include "skin/picture.h"

namespace tikolvo {

// Inflates a "RESS" resource; nothing when it is not a valid zlib stream.
std::optional<std::string> InflateResource(std::string_view resource);

// The resource decoded as a BMP picture.
std::optional<Picture> ResourceToPicture(std::string_view resource);

// An image-list strip: the pictures side by side and their mask (resource
// name + "_MASK"), cut into icons of the list's width by the Win32 layer.
struct ImageStrip {
  Picture picture;
  Picture mask;
  // How many whole icons of icon_width the strip holds.
  int IconCount(int icon_width) const { return icon_width > 0 ? picture.width / icon_width : 0; }
};

// Nothing unless both resources decode and have the same size.
std::optional<ImageStrip> ResourceToImageStrip(std::string_view picture_resource, std::string_view mask_resource);

// Inflates the resource into a file (the built-in skin becomes
// "skins\default.tks" this way), creating the file's folder if needed and
// replacing the file atomically. False when anything fails.
bool ResourceToFile(std::string_view resource, const std::string& path);

}  // namespace tikolvo
