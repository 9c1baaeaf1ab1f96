#include "reminders/reminder_list_look.h"

#include <algorithm>

namespace tikolvo {

ReminderItemLayout LayoutReminderItem(int left, int right, int periodWidth) {
  ReminderItemLayout layout;
  layout.periodLeft = right - 3 - periodWidth;
  layout.textLeft = left + 2;
  layout.textRight = std::max(layout.textLeft, layout.periodLeft - 6);
  return layout;
}

FontListItemLook ReminderFontListItem(int index, std::string_view fontName) {
  FontListItemLook look;
  const bool odd = index % 2 != 0;
  look.textColour = odd ? 0x006633 : 0x660000;  // dark green : dark blue
  look.background = odd ? 0xE0FFE0 : 0xFFE0E0;  // light green : light blue
  look.caption = std::string(fontName) + " (Test/Тест)";
  return look;
}

}  // namespace tikolvo
