#include "netlog/win/status_page.h"

#include "common/win/wide_text.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

const CheckBinding kStatusChecks[] = {
    {IDC_CB_MONITOR_FULL, [](Settings& s) -> bool& { return s.log.monitorFull; }},
};

// The console keeps the latest lines only.
constexpr std::size_t kConsoleLines = 200;

}  // namespace

StatusPage::StatusPage(SettingsStore& store) : TemplatePage(store, {"Статус", L"CONF_STAT_STATUS", kStatusChecks}) {}

void StatusPage::Created() {
  if (HWND list = Item(IDC_LB_console))
    for (const std::string& line : consoleLines_) ShowConsoleLine(list, line);
  if (!grid_.Attach(Item(IDC_SG_STATUS))) return;
  GridColumn device{"Device", 120};
  device.stretch = true;
  grid_.SetColumns({device, {"In", 70, grid::Align::Right}, {"Out", 70, grid::Align::Right},
                    {"Speed", 70, grid::Align::Right}, {"MAC", 110}, {"Local IP", 90}});
}

// The first row is the heading the grid already shows.
void StatusPage::ShowAdapters(const std::vector<StatusRow>& rows) {
  if (!grid_.hwnd() || !IsWindowVisible(hwnd())) return;
  std::vector<std::vector<std::string>> cells;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const StatusRow& r = rows[i];
    cells.push_back({r.device, r.in, r.out, r.speed, r.mac, r.address});
  }
  grid_.SetRows(std::move(cells));
}

// The lines are kept while the page is not made yet, so that its first
// opening shows what the monitor said since the start.
void StatusPage::AddConsoleLine(const std::string& line) {
  if (consoleLines_.size() >= kConsoleLines) consoleLines_.pop_front();
  consoleLines_.push_back(line);
  if (HWND list = Item(IDC_LB_console)) ShowConsoleLine(list, line);
}

void StatusPage::ShowConsoleLine(HWND list, const std::string& line) {
  if (SendMessageW(list, LB_GETCOUNT, 0, 0) >= static_cast<LRESULT>(kConsoleLines)) SendMessageW(list, LB_DELETESTRING, 0, 0);
  const std::wstring text = Widen(line);
  const LRESULT at = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(list, LB_SETTOPINDEX, at, 0);
}

}  // namespace tikolvo
