#pragma once
// The settings window's "Рабочий стол" page: the inner notebook that holds
// "Фон", "Календарь", "Напоминания" and "Положение и размеры".
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopPage final : public NotebookPage {
 public:
  explicit DesktopPage(SettingsStore& store);
};

}  // namespace tikolvo
