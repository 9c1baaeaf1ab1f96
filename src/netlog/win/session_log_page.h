#pragma once
// "Лог подключений": the dial-up sessions of log_web.db by the connection
// filter, open ones in red; "Очистить", the text report and the spreadsheet.
#include <functional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/win/striped_grid.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class SessionLogPage final : public TemplatePage {
 public:
  SessionLogPage(SettingsStore& store, const Clock& clock);
  // The filter's choices: "Все", "Все разрешенные" and the logged names.
  void SetFilterChoices(const std::vector<std::string>& choices);
  // log_web.db or Connect.db changed.
  void Refresh();
  // A connection was added from here: the connections page fills again.
  std::function<void()> registryChanged;

 private:
  void Created() override;
  void LoadControls() override { Refresh(); }
  bool Command(int id, int code) override;
  bool Notify(const NMHDR& header, LRESULT& result) override { return grid_.HandleNotify(header, result); }
  void Clear();
  void ShowStatistics(const std::string& name);
  void ExportText();
  void ExportSpreadsheet();
  std::string Folder() const { return store().programFolder; }

  const Clock& clock_;
  StripedGrid grid_;
  std::vector<bool> open_;
};

}  // namespace tikolvo
