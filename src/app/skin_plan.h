#pragma once
// What a read skin decides about the clock, worked out before any window is
// touched: the hand colours and smoothing, the labels, the window's shape,
// see-through colour, shadow, snapping edges and hint layout, and which skin
// is shown at all when the asked-for one cannot be.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/face_labels.h"
#include "app/hand_angles.h"
#include "app/placement.h"
#include "skin/skin_read.h"

namespace tikolvo {

// The user's own hand colours replace the skin's.
struct OwnHandColours {
  bool on = false;
  std::uint32_t basic = 0;
  std::uint32_t second = 0;
  std::uint32_t alarm = 0;
};

struct SkinLabelPlan {
  bool shown = false;
  LabelLook look;    // for the date label only look.box.top counts
  std::string hint;  // empty: the label has no hint
};

struct SkinPlan {
  int type = 1;  // 1 shaped, 2 colour map, 3 layered
  SkinHandColours colours;
  HandSmoothing smoothing;
  bool handsEnabled = true;
  bool keyColour = false;  // the face relies on the see-through key colour
  bool dropShadow = false;
  bool shapedByMask = false;  // the window takes the mask's kept rectangles
  SnapEdges edges{false, false, false, false};
  int hintLayout = kTextOnlyHintLayout;
  LabelFormats formats;
  std::array<SkinLabelPlan, kFaceLabelCount> labels{};  // FaceLabel order
};

SkinPlan PlanSkin(const LoadedSkin& skin, const OwnHandColours& own);

// Which skin the clock shows: the asked-for one when it has a face, else
// the built-in archive written out afresh, else none at all (the face the
// program draws itself). `read` gives nothing for a path that is no skin or
// a damaged one; `restoreBuiltin` gives the built-in archive's path, or ""
// when it cannot be written.
struct SkinPick {
  std::optional<LoadedSkin> skin;
  bool asked = false;  // the shown skin is the one asked for
};
using SkinReader = std::function<std::optional<LoadedSkin>(const std::string& path)>;
SkinPick PickSkin(const std::string& askedPath, const SkinReader& read,
                  const std::function<std::string()>& restoreBuiltin);

}  // namespace tikolvo
