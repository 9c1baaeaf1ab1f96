#pragma once
// The items of the main window's control-panel menu that the user may hide
// (section "menuG" of config.cfg). Keys "4", "14" and "24" were never used,
// and key "25" belongs to the check box numbered 24: the numbering is kept as
// stored so existing files keep their meaning.
#include <array>
#include <cstddef>
#include <string_view>

namespace tikolvo {

struct PanelMenuItem {
  std::string_view key;       // key in section "menuG"
  std::string_view checkBox;  // control on the "Меню" settings page
  std::string_view caption;
  int menuPosition;           // index among the menu's items (16, 22 separators, 24 hidden)
};

inline constexpr std::size_t kPanelMenuItemCount = 24;

// In the order the keys are read and written.
extern const std::array<PanelMenuItem, kPanelMenuItemCount> kPanelMenuItems;

// Index into kPanelMenuItems of the "Msconfig" item, which only systems that
// have the tool may show.
inline constexpr std::size_t kMsconfigItemIndex = 17;

}  // namespace tikolvo
