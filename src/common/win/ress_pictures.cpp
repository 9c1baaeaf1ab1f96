#include "common/win/ress_pictures.h"

#include <cstring>
#include <string>

#include "common/win/common_controls.h"
#include "common/win/wide_text.h"
#include "skin/picture_strip.h"
#include "skin/program_pictures.h"
#include "skin/resource_blob.h"
#include "skin/resource_directory.h"

namespace tikolvo {
namespace {

std::string MaskName(std::string_view name) { return std::string(name) + kMaskSuffix; }

// A 1-bit bitmap: set (white) where the mask is see-through.
UniqueGdi<HBITMAP> MonochromeMask(const Picture& mask) {
  const int rowBytes = ((mask.width + 15) / 16) * 2;  // CreateBitmap rows are WORD aligned
  std::string bits(static_cast<std::size_t>(rowBytes) * mask.height, '\0');
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      if ((mask.At(x, y) & 0xFFFFFF) == 0xFFFFFF) bits[y * rowBytes + x / 8] |= static_cast<char>(0x80 >> (x % 8));
  return UniqueGdi<HBITMAP>(CreateBitmap(mask.width, mask.height, 1, 1, bits.data()));
}

// The module's own headers, as it lies in memory.
const IMAGE_NT_HEADERS* NtHeaders(HMODULE module) {
  const auto* base = reinterpret_cast<const char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (!base || dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  return nt->Signature == IMAGE_NT_SIGNATURE ? nt : nullptr;
}

// When the linker left the named entries out of the system's order, the
// system cannot find some of them; walking the directory still does.
std::string_view WalkToResource(HMODULE module, std::string_view name) {
  const IMAGE_NT_HEADERS* nt = NtHeaders(module);
  if (!nt || nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_RESOURCE) return {};
  const std::uint32_t imageSize = nt->OptionalHeader.SizeOfImage;
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
  if (!entry.VirtualAddress || entry.Size > imageSize || entry.VirtualAddress > imageSize - entry.Size) return {};
  const auto* base = reinterpret_cast<const char*>(module);
  const std::optional<ResourceSpan> span =
      FindNamedResource(std::string_view(base + entry.VirtualAddress, entry.Size), "RESS", name);
  if (!span || span->size > imageSize || span->rva > imageSize - span->size) return {};
  return std::string_view(base + span->rva, span->size);
}

std::optional<ImageStrip> LoadRessStrip(std::string_view name) {
  std::optional<ImageStrip> strip = ResourceToImageStrip(RessBytes(name), RessBytes(MaskName(name)));
  if (strip) TakeAlphaFromMask(strip->picture, strip->mask);
  return strip;
}

}  // namespace

std::string_view RessBytes(std::string_view name) {
  HMODULE module = GetModuleHandleW(nullptr);
  const std::wstring wide = Widen(name);
  HRSRC resource = FindResourceW(module, wide.c_str(), L"RESS");
  if (!resource) return WalkToResource(module, name);
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string_view(static_cast<const char*>(data), SizeofResource(module, resource));
}

std::optional<Picture> LoadRessPicture(std::string_view name) {
  const std::string_view bytes = RessBytes(name);
  if (bytes.empty()) return std::nullopt;
  return ResourceToPicture(bytes);
}

void StretchPicture(HDC dc, int x, int y, int width, int height, const Picture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // the rows are top-down already
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, x, y, width, height, 0, 0, picture.width, picture.height, picture.pixels.data(), &info,
                DIB_RGB_COLORS, SRCCOPY);
}

DibSection PictureToDib(const Picture& picture, bool premultiply) {
  DibSection dib = CreateDib32(picture.width, picture.height);
  if (!dib.bitmap) return dib;
  const std::vector<std::uint32_t> pixels = premultiply ? Premultiplied(picture) : picture.pixels;
  std::memcpy(dib.bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
  return dib;
}

UniqueGdi<HBITMAP> LoadRessBitmap(std::string_view name) {
  const std::optional<Picture> picture = LoadRessPicture(name);
  if (!picture) return {};
  return std::move(PictureToDib(*picture, false).bitmap);
}

UniqueImageList& UniqueImageList::operator=(UniqueImageList&& other) noexcept {
  if (this != &other) {
    Reset(other.list_);
    other.list_ = nullptr;
  }
  return *this;
}

void UniqueImageList::Reset(HIMAGELIST list) {
  DestroyImageList(list_);
  list_ = list;
}

UniqueImageList LoadRessImageList(std::string_view name, int iconSize) {
  const std::optional<ImageStrip> strip = LoadRessStrip(name);
  const int count = strip ? strip->IconCount(iconSize) : 0;
  if (count <= 0) return {};
  UniqueImageList list(CreateImageList(iconSize, strip->picture.height, ILC_COLOR32 | ILC_MASK, count, 0));
  DibSection colour = PictureToDib(strip->picture, false);
  UniqueGdi<HBITMAP> mask = MonochromeMask(strip->mask);
  if (!list || !colour.bitmap || !mask) return {};
  if (AddToImageList(list.get(), colour.bitmap.get(), mask.get()) < 0) return {};
  return list;
}

bool PictureStrip::Load(std::string_view name, int size) {
  *this = PictureStrip();
  std::optional<ImageStrip> strip = LoadRessStrip(name);
  if (!strip || size <= 0 || strip->IconCount(size) <= 0) return false;
  blendable_ = PictureToDib(strip->picture, true);
  if (!blendable_.bitmap) return false;
  pixels_ = std::move(strip->picture);
  size_ = size;
  return true;
}

Picture PictureStrip::At(int index) const { return CutStripPicture(pixels_, index, size_); }

bool PictureStrip::Draw(HDC dc, int index, int x, int y, int size, BYTE opacity) const {
  if (index < 0 || index >= Count() || size <= 0) return false;
  MemDc source;
  SelectGuard select(source.get(), blendable_.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
  return AlphaBlend(dc, x, y, size, size, source.get(), index * size_, 0, size_, pixels_.height, blend) != FALSE;
}

const PictureStrip& SystemStrip() {
  static const PictureStrip strip = [] {
    PictureStrip s;
    s.Load(kSystemStripName, kSystemPictureSize);
    return s;
  }();
  return strip;
}

const PictureStrip& LargeSystemStrip() {
  static const PictureStrip strip = [] {
    PictureStrip s;
    s.Load(kSystemStrip32Name, kLargeSystemPictureSize);
    return s;
  }();
  return strip;
}

}  // namespace tikolvo
