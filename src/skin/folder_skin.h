#pragma once
// The two skin sources' fixed facts that need no window: which files make a
// folder skin, which of them is taken, where each button's picture comes
// from, and the order in which the loaders create the buttons.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "skin/skin_description.h"

namespace tikolvo {

// Asked with a path inside the skin folder (folder + relative name).
using SkinFileExists = std::function<bool(const std::string& path)>;

// A folder skin needs its face, night and day pictures (BMP or JPEG each),
// its description and its mask.
bool IsValidFolderSkin(const std::string& folder, const SkinFileExists& exists);

// The three pictures of a folder skin, as full paths; BMP wins over JPEG.
struct FolderSkinPictures {
  std::string face;
  std::string night;
  std::string day;
};
FolderSkinPictures ChooseFolderSkinPictures(const std::string& folder, const SkinFileExists& exists);

// Where a folder skin's hint icon comes from; nothing when it has none.
std::optional<std::string> ChooseHintIcon(const std::string& folder, const SkinFileExists& exists);

// ---- Buttons.

struct SkinButtonInfo {
  SkinButton button;
  std::string_view name;           // the control's name; its image list is "_IL_" + name
  int archiveKind;                 // member kind of its strip in a ".tks" archive
  std::string_view folderPicture;  // relative to a folder skin
  std::string_view section;        // its section in "config.cfg"
};

const SkinButtonInfo& ButtonInfo(SkinButton button);
// The orders in which the two loaders create the buttons (they differ in
// where the power and web buttons come).
const std::array<SkinButton, kSkinButtonCount>& ArchiveButtonOrder();
const std::array<SkinButton, kSkinButtonCount>& FolderButtonOrder();

// A folder button's picture: one strip of three frames, or separate files.
struct ButtonPictureSource {
  enum class Kind { None, Strip, Separate };
  Kind kind = Kind::None;
  std::string strip;  // Kind::Strip
  // Kind::Separate: full paths. With only two files the normal picture
  // serves as hover too.
  std::string normal;
  std::string hover;
  std::string pressed;
};

// `picture` is the table's name (for example "button\\min.bmp"): base.bmp,
// else base.jpg, else base + "n"/"l"/"i" + ".bmp" (suffix "1") or
// base + "n"/"i" + ".bmp" (suffix "2").
ButtonPictureSource ChooseButtonPicture(const std::string& folder, std::string_view picture,
                                        const SkinFileExists& exists);

// True when the path names a ".tks" archive (the extension in any case).
bool HasArchiveExtension(std::string_view path);

}  // namespace tikolvo
