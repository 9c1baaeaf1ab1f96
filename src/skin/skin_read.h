#pragma once
// Reading a whole skin, archive or folder, into memory before anything on
// screen changes: a skin that fails half way never leaves the clock half
// skinned. An archive is read from its bytes, taken from the disk once, so a
// file replaced during a load cannot mix two skins; a folder skin is read
// through a file source. Nothing here touches a window.
#include <array>
#include <optional>
#include <string>
#include <string_view>
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
  bool transparent = true;      // drawn without its see-through colour; colour-map skins may say no
};

// An archive member the cursor loader needs as a file of its own; `name` is
// already a bare, safe file name.
struct ExtractedFile {
  std::string name;
  std::string bytes;
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
  // Archive skins: what goes into the cursor folder before the cursors load.
  std::vector<ExtractedFile> extracted;
};

// How a folder skin reaches its files; paths are folder + relative name.
class SkinFileSource {
 public:
  virtual ~SkinFileSource() = default;
  virtual bool Exists(const std::string& path) const = 0;
  virtual std::optional<std::string> Read(const std::string& path) const = 0;
};

// A ".tks" archive's bytes. The cursor plan names files in cursorFolder
// (ending with a separator), where the caller writes `extracted`. A damaged
// archive raises SkinArchiveError.
LoadedSkin ReadArchiveSkin(std::string_view bytes, const std::string& cursorFolder,
                           const HandRecords& previousHands);

// A complete folder skin (folder ends with a separator); nothing when the
// folder lacks one of the files a folder skin needs.
std::optional<LoadedSkin> ReadFolderSkin(const std::string& folder, const SkinFileSource& files,
                                         const HandRecords& previousHands);

// A BMP, or a JPEG by the path's extension; nothing when it does not decode.
std::optional<Picture> DecodePictureFile(const std::string& path, std::string_view bytes);

}  // namespace tikolvo
