#pragma once
// Reading a whole skin, archive or folder, into memory before anything on
// screen changes: a skin that fails half way never leaves the clock half
// skinned. Applying it to the window is the main window's skin holder's job.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "skin/mask_region.h"
#include "skin/picture.h"
#include "skin/skin_buttons.h"
#include "skin/skin_cursors.h"
#include "skin/skin_description.h"

namespace tikolvo {

struct LoadedButton {
  bool present = false;
  ButtonFrames frames;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::uint32_t colourKey = 0;  // colour-map skins
};

struct LoadedSkin {
  int type = 1;  // 1 shaped, 2 colour map, 3 layered
  bool hasDescription = false;
  SkinDescription description;
  Picture face;
  Picture mask;
  Picture day;
  Picture night;
  Picture colourMap;
  std::optional<Picture> hintIcon;
  bool hasMask = false;
  std::vector<MaskRect> kept;  // the window's shape (shaped and colour-map skins)
  std::array<LoadedButton, kSkinButtonCount> buttons{};
  CursorPlan cursors;
};

// An archive (".tks", any case, that exists) or a complete folder skin
// (path ends with a separator). Nothing when the path is neither. A damaged
// archive raises SkinArchiveError. Archive members are extracted into
// tempFolder (ending with a separator).
std::optional<LoadedSkin> ReadSkin(const std::string& path, const std::string& tempFolder,
                                   const HandRecords& previousHands);

// Decodes a BMP, or a JPEG by its extension; nothing when it does not decode.
std::optional<Picture> LoadPictureFile(const std::string& path);

// Writes the built-in skin from the program's "SKIN" resource to
// programFolder + "skins\\default.tks" and returns that path; "" when the
// resource is missing or the file cannot be written.
std::string RestoreBuiltinSkin(const std::string& programFolder);

// The user's temporary folder, with a trailing separator.
std::string TemporaryFolder();

}  // namespace tikolvo
