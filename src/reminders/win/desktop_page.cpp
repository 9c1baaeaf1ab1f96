#include "reminders/win/desktop_page.h"

#include "settings/win/conf_ids.h"

namespace tikolvo {

DesktopPage::DesktopPage(SettingsStore& store)
    : NotebookPage(store, {"Рабочий стол", L"CONF_PAGE_DESKTOP"}, IDC_TN_cal,
                   [](Settings& s) -> int& { return s.calendar.page; }) {}

}  // namespace tikolvo
