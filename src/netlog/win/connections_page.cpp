#include "netlog/win/connections_page.h"

#include "common/win/message_dialogs.h"
#include "common/win/ress_pictures.h"
#include "netlog/connection_grid.h"
#include "netlog/connection_registry.h"
#include "netlog/session_log.h"
#include "common/win/file_dialogs.h"
#include "common/win/system_locale.h"
#include "common/win/system_time.h"
#include "netlog/report_file.h"
#include "netlog/session_text.h"
#include "netlog/win/connection_settings_dialog.h"
#include "netlog/win/statistics_window.h"
#include "settings/win/conf_ids.h"
#include "skin/program_pictures.h"

namespace tikolvo {
namespace {

enum MenuCommand : UINT { kRefresh = 1, kAdd, kDelete, kDeleteAll, kSettings, kStatistics };

constexpr int kCheckColumnWidth = 23;

}  // namespace

ConnectionsPage::ConnectionsPage(SettingsStore& store, DialUpService& dialUp)
    : TemplatePage(store, {"Подключения", L"CONF_STAT_CONN"}), dialUp_(dialUp) {}

std::string ConnectionsPage::RegistryPath() const { return store().programFolder + kConnectionFileName; }
std::string ConnectionsPage::SessionLogPath() const { return store().programFolder + kSessionLogFileName; }

void ConnectionsPage::Created() {
  if (!grid_.Attach(Item(IDC_SG_Conn))) return;
  GridColumn number{"№", 24, grid::Align::Centre};
  number.fitsRowNumbers = true;
  GridColumn name{"Подключение", 120};
  name.stretch = true;
  grid_.SetColumns({number, name, {"Кол-во", 50, grid::Align::Right}, {"Трафик", 80, grid::Align::Right},
                    {"Время", 70, grid::Align::Right}, {"", kCheckColumnWidth, grid::Align::Centre},
                    {"", kCheckColumnWidth, grid::Align::Centre}});
  pictures_ = LoadRessImageList(kSchedulerStripName, kSchedulerPictureSize);
  grid_.SetImageList(pictures_.get());
  grid_.cellPicture = [this](int row, int column) {
    CellPicture picture;
    if (column == 0) {
      picture.image = grid_.Cell(row, 0) == "11" ? scheduler_picture::kOnConnect : scheduler_picture::kOnDisconnect;
      picture.replacesText = true;
    }
    if (column == 5 || column == 6) {
      picture.checkBox = grid_.Cell(row, column) == "t";
      picture.replacesText = true;
    }
    return picture;
  };
  grid_.doubleClicked = [this](int) { RecountSelected(); };
  grid_.rightClicked = [this](int, POINT screen) { ShowContextMenu(screen); };
  Refresh();
}

void ConnectionsPage::Refresh() {
  const ConnectionGrid grid = BuildConnectionGrid(ReadConnections(RegistryPath()));
  if (grid_.hwnd()) {
    // The first cell tells connected ("11") from not, drawn as a picture.
    grid_.SetRows(grid.rows);
  }
  if (filterChoicesChanged) filterChoicesChanged(grid.filterChoices);
}

bool ConnectionsPage::Command(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_B_ref: ImportPhoneBook(); return true;
    case IDC_B_ADD_Items: AddByName(""); return true;
    case IDC_B_del_it_conn: DeleteSelected(); return true;
    case IDC_B_del_all_conn: DeleteAll(); return true;
    case IDC_B_param_conn_1: OpenSettings(); return true;
    case IDC_B_exp_conn_txt: ExportText(); return true;
    default: return false;
  }
}

void ConnectionsPage::ImportPhoneBook() {
  for (const std::string& entry : dialUp_.PhoneBookEntries()) AddConnection(RegistryPath(), entry, kProgramRecordTag);
  Refresh();
}

void ConnectionsPage::AddByName(const std::string& proposed) {
  InputQuestion question;
  question.caption = "Tikolvo: Добавление подключения";
  question.fields = {{"Название подключения", proposed}};
  question.okText = "Добавить";
  const std::optional<std::vector<std::string>> answer = AskTexts(hwnd(), question);
  if (!answer || answer->empty() || answer->front().empty()) return;
  AddConnection(RegistryPath(), answer->front(), kProgramRecordTag);
  Refresh();
}

std::string ConnectionsPage::SelectedName() const {
  const int row = grid_.SelectedRow();
  return row < 0 ? std::string() : grid_.Cell(row, 1);
}

void ConnectionsPage::DeleteSelected() {
  const int row = grid_.SelectedRow();
  const std::string name = SelectedName();
  if (row < 0) return;
  if (!AskConfirmation(hwnd(), "Tikolvo: Удаление соединения", DeleteConnectionQuestion(name), "Отмена", "Удалить",
                       DefaultAnswer::kCancel))
    return;
  // The grid lists the valid records in file order, and the file holds no
  // others once it has been compacted.
  DeleteConnection(RegistryPath(), row, name);
  Refresh();
}

void ConnectionsPage::OpenSettings() {
  const int row = grid_.SelectedRow();
  if (row < 0) return;
  ShowConnectionSettings(hwnd(), {RegistryPath(), row, grid_.RowCount(), &settings().log.limitWarnings,
                                  [this] { Refresh(); }});
}

void ConnectionsPage::ExportText() {
  const std::optional<std::string> path = ChooseFileToSave(hwnd(), "Текстовые документы (*.txt)|*.txt", "txt");
  if (!path) return;
  if (!SaveTextReport(*path, ConnectionsReportLines(ReadConnections(RegistryPath()), LocalNow(), ReadSystemLocale()))) {
    ShowNotice(hwnd(), "Tikolvo", "Не удалось записать отчет.");
    return;
  }
  ShowNotice(hwnd(), "Tikolvo: Уведомление", "Отчет создан и сохранен.", NoticeMode::Modeless, kReportPicture);
}

void ConnectionsPage::DeleteAll() {
  if (!AskConfirmation(hwnd(), "Удаление соединений", "Удалить все соединения?", "Отмена", "Удалить",
                       DefaultAnswer::kCancel)) return;
  CreateConnectionFile(RegistryPath());
  Refresh();
}

void ConnectionsPage::RecountSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  RecountFromLog(RegistryPath(), SessionLogPath(), name);
  Refresh();
  OpenStatistics(hwnd(), store().programFolder, name);
}

void ConnectionsPage::ShowContextMenu(POINT screen) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kRefresh, L"Обновить");
  AppendMenuW(menu, MF_STRING, kAdd, L"Добавить");
  AppendMenuW(menu, MF_STRING, kDelete, L"Удалить");
  AppendMenuW(menu, MF_STRING, kDeleteAll, L"Удалить все");
  AppendMenuW(menu, MF_STRING, kSettings, L"Параметры");
  AppendMenuW(menu, MF_STRING, kStatistics, L"Детальный просмотр");
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr));
  DestroyMenu(menu);
  switch (chosen) {
    case kRefresh: ImportPhoneBook(); break;
    case kAdd: AddByName(""); break;
    case kDelete: DeleteSelected(); break;
    case kDeleteAll: DeleteAll(); break;
    case kSettings: OpenSettings(); break;
    case kStatistics:
      if (!SelectedName().empty()) OpenStatistics(hwnd(), store().programFolder, SelectedName());
      break;
    default: break;
  }
}

}  // namespace tikolvo
