#include "menus/special_command.h"

#include "menus/menu_item.h"
#include "scheduler/plan_engine.h"

namespace tikolvo {

std::optional<int> SpecialCommandPicture(std::string_view target) {
  const std::optional<int> code = SpecialCommandCode(target);
  if (!code) return std::nullopt;
  return *code == plan_code::kHangUpAll ? menu_picture::kHangUp : menu_picture::kPower;
}

}  // namespace tikolvo
