#include "skin/resource_blob.h"

#include "common/file_io.h"
#include "skin/bmp_decode.h"
#include "skin/inflate.h"

namespace tikolvo {
namespace {

bool MakeParentFolder(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos || slash == 0 || MakeFolders(path.substr(0, slash));
}

}  // namespace

std::optional<std::string> InflateResource(std::string_view resource) { return InflateZlib(resource); }

std::optional<Picture> ResourceToPicture(std::string_view resource) {
  const std::optional<std::string> file = InflateResource(resource);
  if (!file) return std::nullopt;
  return DecodeBmp(*file);
}

std::optional<ImageStrip> ResourceToImageStrip(std::string_view picture_resource, std::string_view mask_resource) {
  std::optional<Picture> picture = ResourceToPicture(picture_resource);
  std::optional<Picture> mask = ResourceToPicture(mask_resource);
  if (!picture || !mask || picture->width != mask->width || picture->height != mask->height) return std::nullopt;
  return ImageStrip{std::move(*picture), std::move(*mask)};
}

bool ResourceToFile(std::string_view resource, const std::string& path) {
  const std::optional<std::string> file = InflateResource(resource);
  return file && MakeParentFolder(path) && SaveFileAtomically(path, *file);
}

}  // namespace tikolvo
