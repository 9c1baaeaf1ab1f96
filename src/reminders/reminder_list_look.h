#pragma once
// How the reminders list and the reminder font list draw their items.
#include <cstdint>
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr std::uint32_t kReminderItemBackground = 0xE1FFFF;  // light yellow
inline constexpr std::uint32_t kReminderItemTextColour = 0x000000;

// One reminders list item: the text from 2 pixels in, ending 6 pixels
// before the period; the period right-aligned 3 pixels from the right edge.
// The Windows layer cuts the text to its room with an ellipsis.
struct ReminderItemLayout {
  int textLeft = 0;
  int textRight = 0;
  int periodLeft = 0;
  bool operator==(const ReminderItemLayout&) const = default;
};
ReminderItemLayout LayoutReminderItem(int left, int right, int periodWidth);

// One item of a font list: alternating stripes, the font's name with a
// sample written in that font, 2 pixels from the left.
struct FontListItemLook {
  std::uint32_t textColour = 0;
  std::uint32_t background = 0;
  std::string caption;
  int textLeft = 2;
  bool operator==(const FontListItemLook&) const = default;
};
FontListItemLook ReminderFontListItem(int index, std::string_view fontName);

}  // namespace tikolvo
