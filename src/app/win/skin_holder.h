#pragma once
// The skin holder: loads a skin (archive or folder, with the fallback to the
// built-in one) and applies it to the face, owns the skin's buttons and
// cursors, and tells the main window what else the skin decides.
//
// What the skin decides is worked out in the portable skin plan; the holder
// turns it into bitmaps, a region and cursors, and hands the main window
// only plain values.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/face_compose.h"
#include "app/face_labels.h"
#include "app/hand_angles.h"
#include "app/placement.h"
#include "app/skin_plan.h"
#include "app/win/face_view.h"
#include "common/win/gdi.h"
#include "skin/skin_description.h"

namespace tikolvo {

enum class SkinCommand { None, Minimise, Settings, Close, WebMenu, Power, ProgramMenu };

// What the main window applies itself after a skin load.
struct SkinOutcome {
  bool loaded = false;         // the asked-for skin, not a fallback
  bool builtinFace = false;    // no skin at all could be read: the drawn face
  int type = 1;                // 1 shaped, 2 colour map, 3 layered
  bool keyColour = false;      // the face relies on the see-through key colour
  bool dropShadow = false;
  SnapEdges edges{false, false, false, false};
  int hintLayout = 4;
  UniqueGdi<HBITMAP> hintIcon;  // none: the application icon stays
  UniqueGdi<HRGN> region;       // the window's shape; none: the whole rectangle
  SIZE hintIconSize{0, 0};
  std::uint32_t basic = 0, second = 0, alarm = 0;  // the hand colours now in use
  // Where the launcher menus stand against their buttons; nothing keeps
  // the alignment the menu has.
  std::optional<MenuAlignment> programMenuAlignment;
  std::optional<MenuAlignment> webMenuAlignment;
};

struct SkinMouseResult {
  bool handled = false;
  Box dirty;
  bool showHint = false;
  bool hideHint = false;
  std::wstring hint;
  bool setCapture = false;
  bool releaseCapture = false;
  bool captionDrag = false;
  SkinCommand clicked = SkinCommand::None;
  POINT menuOrigin{0, 0};  // window coordinates, for the menu buttons
};

class SkinHolder {
 public:
  SkinHolder(FaceView& face, FaceLabelTexts& labels, FaceAngles& angles);
  ~SkinHolder();

  // Loads `path` (a ".tks" file or a folder ending with a separator). When it
  // is neither or is damaged, the built-in skin is written again to
  // programFolder + "skins\\default.tks" and loaded instead.
  SkinOutcome Load(const std::string& path, const std::string& programFolder, DateTime now,
                   const OwnHandColours& own);

  SkinMouseResult MouseMove(int x, int y);
  SkinMouseResult MouseDown(int x, int y, bool rightButton);
  SkinMouseResult MouseUp(int x, int y);
  SkinMouseResult MouseLeave();
  // The cursor for a window point: a button's, or the face's.
  HCURSOR CursorAt(int x, int y) const;
  // The hint of the shown label under a window point, when its skin asks
  // for one; empty otherwise.
  std::wstring LabelHintAt(int x, int y) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tikolvo
