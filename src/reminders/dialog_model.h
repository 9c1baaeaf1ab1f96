#pragma once
// The rules behind the program's small dialog windows (notice, question,
// input): where the input window's fields go, what it hands back, and the
// frame's shadow and movement limits.
#include <string>

#include "app/placement.h"

namespace tikolvo {

struct ControlPosition {
  int x = 0;
  int y = 0;
  bool operator==(const ControlPosition&) const = default;
};

// The input window with one, two or three fields (other counts are taken
// as the nearest of these).
struct InputDialogLayout {
  int fieldCount = 1;
  ControlPosition label1, edit1, label2, edit2, label3, edit3;  // hidden ones stay at 0, 0
  int height = 143;
};
InputDialogLayout LayoutInputDialog(int fieldCount);

inline constexpr const char* kThirdFieldLabel = "Параметр запуска";

// Only the ok button hands the texts of the first two edits back; the third
// edit's text never comes back.
struct InputDialogResult {
  bool ok = false;
  std::string first;
  std::string second;
  bool operator==(const InputDialogResult&) const = default;
};
InputDialogResult FinishInputDialog(bool okPressed, const std::string& first, const std::string& second);

// A window class drop shadow exists from Windows XP (NT 5.1) on, so every
// later version has one too.
bool SupportsDropShadow(bool ntFamily, int major, int minor);

// Where a dialog dragged to `box` stays: wholly inside the work area.
WindowBox KeepDialogInWorkArea(const WindowBox& box, const WorkArea& work);

}  // namespace tikolvo
