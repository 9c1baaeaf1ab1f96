#pragma once
// "Подключения": the known dial-up connections with their sessions, traffic
// and time, and the actions on them (refresh from the phone book, add,
// delete, delete all); a double click counts a connection again from the
// session log.
#include <functional>
#include <string>

#include "common/win/ress_pictures.h"
#include "common/win/striped_grid.h"
#include "netlog/connection_monitor.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class ConnectionsPage final : public TemplatePage {
 public:
  ConnectionsPage(SettingsStore& store, DialUpService& dialUp);
  // Connect.db changed: the grid, the logged list and the filter choices.
  void Refresh();
  // "Все", "Все разрешенные" and the logged names, for the session log's filter.
  std::function<void(const std::vector<std::string>& choices)> filterChoicesChanged;

 private:
  void Created() override;
  bool Command(int id, int code) override;
  bool Notify(const NMHDR& header, LRESULT& result) override { return grid_.HandleNotify(header, result); }
  void ImportPhoneBook();
  void AddByName(const std::string& proposed);
  void DeleteSelected();
  void DeleteAll();
  void OpenSettings();
  void ExportText();
  void RecountSelected();
  void ShowContextMenu(POINT screen);
  std::string SelectedName() const;
  std::string RegistryPath() const;
  std::string SessionLogPath() const;

  DialUpService& dialUp_;
  StripedGrid grid_;
  UniqueImageList pictures_;
};

}  // namespace tikolvo
