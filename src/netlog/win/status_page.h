#pragma once
// "Статус": every network adapter the traffic pass sees (device, counters,
// speed, hardware and IPv4 address) and the monitor's console of what it
// did.
#include <deque>
#include <string>
#include <vector>

#include "common/win/striped_grid.h"
#include "netlog/connection_monitor.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class StatusPage final : public TemplatePage {
 public:
  explicit StatusPage(SettingsStore& store);
  void ShowAdapters(const std::vector<StatusRow>& rows);
  void AddConsoleLine(const std::string& line);

 private:
  void Created() override;
  bool Notify(const NMHDR& header, LRESULT& result) override { return grid_.HandleNotify(header, result); }

  static void ShowConsoleLine(HWND list, const std::string& line);

  StripedGrid grid_;
  std::deque<std::string> consoleLines_;
};

}  // namespace tikolvo
