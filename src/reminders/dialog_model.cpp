#include "reminders/dialog_model.h"

#include <algorithm>

namespace tikolvo {
namespace {

constexpr int kFieldX = 72;

}  // namespace

InputDialogLayout LayoutInputDialog(int fieldCount) {
  InputDialogLayout layout;
  layout.fieldCount = std::clamp(fieldCount, 1, 3);
  if (layout.fieldCount == 1) {
    layout.label1 = {kFieldX, 48};
    layout.edit1 = {kFieldX, 72};
    return layout;
  }
  layout.label1 = {kFieldX, 32};
  layout.edit1 = {kFieldX, 48};
  layout.label2 = {kFieldX, 80};
  layout.edit2 = {kFieldX, 96};
  if (layout.fieldCount == 3) {
    // The third pair continues the 48-pixel step of the first two.
    layout.label3 = {kFieldX, 128};
    layout.edit3 = {kFieldX, 144};
    layout.height = 189;
  }
  return layout;
}

InputDialogResult FinishInputDialog(bool okPressed, const std::string& first, const std::string& second) {
  if (!okPressed) return {};
  return InputDialogResult{true, first, second};
}

bool SupportsDropShadow(bool ntFamily, int major, int minor) {
  return ntFamily && (major > 5 || (major == 5 && minor >= 1));
}

WindowBox KeepDialogInWorkArea(const WindowBox& box, const WorkArea& work) {
  PlacementOptions options;
  options.sticky = true;
  options.confine = true;
  options.edges = SnapEdges{false, false, false, false};
  return PlaceWindow(box, work, options);
}

}  // namespace tikolvo
