#pragma once
// "cursors.cfg" of a skin: which cursor file each button and the face use,
// and the cursor every element ends up with once the files are looked for.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_description.h"

namespace tikolvo {

// Program-wide cursor numbers: 0 is the system arrow, positive numbers are
// the program's own slots, and this one stands for the system hand pointer.
inline constexpr int kArrowCursor = 0;
inline constexpr int kHandPointerCursor = -1;
inline constexpr int kBackgroundCursorSlot = 8;

// Where the cursor paths are relative to, and how far they may reach.
enum class CursorSource {
  Folder,   // a folder skin: the value is a path below the skin folder
  Archive,  // an archive skin: only the file name counts (the cursors were
            // extracted beside the description, and must not leave that folder)
};

struct SkinCursorFiles {
  // Values as written, indexed by SkinButton; empty when the key is missing.
  std::array<std::string, kSkinButtonCount> buttons{};
  std::string background;
};

// Windows-1251 bytes of "cursors.cfg" (section CUR). Never fails.
SkinCursorFiles ParseSkinCursors(std::string_view cp1251Bytes);

// The key of a button in "cursors.cfg" and the cursor slot it loads into.
std::string_view CursorKeyOf(SkinButton button);
int CursorSlotOf(SkinButton button);

// The file a value names: folder + value, or folder + its bare file name for
// an archive. Empty when the value names no usable file. `folder` ends with
// a separator.
std::string ResolveCursorPath(const std::string& folder, std::string_view value, CursorSource source);

struct CursorLoad {
  int slot = 0;
  std::string path;
};

struct ButtonCursors {
  int hover = kHandPointerCursor;
  int idle = kArrowCursor;
};

// What the window layer does with a skin's cursors: load each file into its
// slot, then give the buttons, the face and the labels their cursors.
struct CursorPlan {
  std::vector<CursorLoad> loads;
  std::array<ButtonCursors, kSkinButtonCount> buttons{};  // indexed by SkinButton
  int face = kArrowCursor;  // also the five labels and every button's idle cursor
};

using FileExistsFn = std::function<bool(const std::string& path)>;

CursorPlan PlanSkinCursors(const SkinCursorFiles& files, const std::string& folder, CursorSource source,
                           const FileExistsFn& fileExists);

}  // namespace tikolvo
