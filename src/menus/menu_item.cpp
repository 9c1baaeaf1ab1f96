#include "menus/menu_item.h"

#include <algorithm>

namespace tikolvo {

MenuItem SeparatorItem() {
  MenuItem item;
  item.kind = MenuItemKind::kSeparator;
  item.caption.assign(1, '-');  // (GCC 12 warns falsely about assigning the literal)
  return item;
}

void RemoveGeneratedItems(std::vector<MenuItem>& items) {
  std::erase_if(items, [](const MenuItem& item) { return item.tag == menu_tag::kGenerated; });
  for (MenuItem& item : items) RemoveGeneratedItems(item.children);
}

}  // namespace tikolvo
