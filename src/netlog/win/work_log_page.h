#pragma once
// "Лог работы ОС": one row per boot with its start, end and length, the
// total working time, "Очистить", the text report and the spreadsheet.
#include "common/clock.h"
#include "common/win/striped_grid.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class WorkLogPage final : public TemplatePage {
 public:
  WorkLogPage(SettingsStore& store, const Clock& clock);

 private:
  void Created() override;
  void LoadControls() override { Fill(); }
  bool Command(int id, int code) override;
  bool Notify(const NMHDR& header, LRESULT& result) override { return grid_.HandleNotify(header, result); }
  void Fill();
  void Clear();
  void ExportText();
  void ExportSpreadsheet();
  std::string LogPath() const;

  const Clock& clock_;
  StripedGrid grid_;
  std::vector<bool> running_;  // per row: the boot still going, drawn red
};

}  // namespace tikolvo
