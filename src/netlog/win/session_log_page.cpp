#include "netlog/win/session_log_page.h"

#include "common/file_io.h"
#include "common/win/dialog_pages.h"
#include "common/win/message_dialogs.h"
#include "common/win/file_dialogs.h"
#include "common/win/system_locale.h"
#include "common/win/tool_tips.h"
#include "netlog/connection_registry.h"
#include "netlog/report_file.h"
#include "netlog/session_log.h"
#include "netlog/connection_grid.h"
#include "netlog/session_text.h"
#include "netlog/win/spreadsheet_export.h"
#include "netlog/win/statistics_window.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr grid::RowColours kOpenRow{RGB(0xCC, 0, 0), RGB(0xFF, 0xE0, 0xE0)};

}  // namespace

SessionLogPage::SessionLogPage(SettingsStore& store, const Clock& clock)
    : TemplatePage(store, {"Лог подключений", L"CONF_STAT_LOG"}), clock_(clock) {}

void SessionLogPage::Created() {
  if (!grid_.Attach(Item(IDC_SG_log_www))) return;
  GridColumn number{"№", 24, grid::Align::Centre};
  number.fitsRowNumbers = true;
  number.rowNumber = true;
  GridColumn name{"Подключение", 100};
  name.stretch = true;
  grid_.SetColumns({number, name, {"Начало", 110}, {"Время", 60, grid::Align::Right},
                    {"Трафик", 80, grid::Align::Right}, {"Скорость", 60, grid::Align::Right}});
  grid_.rowColours = [this](int row, grid::RowColours stripe) {
    return row >= 0 && row < static_cast<int>(open_.size()) && open_[row] ? kOpenRow : stripe;
  };
  grid_.doubleClicked = [this](int row) { ShowStatistics(grid_.Cell(row, 1)); };
  HWND tips = CreateToolTips(hwnd());
  AddControlTip(tips, Item(IDC_BB_L), L"Экспорт в Excel");
  AddControlTip(tips, Item(IDC_BB_exp_txt), L"Экспорт в текстовый файл");
  Refresh();
}

void SessionLogPage::SetFilterChoices(const std::vector<std::string>& choices) {
  HWND combo = Item(IDC_CB_vis_conn);
  if (!combo) return;
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  AddComboItems(combo, std::vector<std::string_view>(choices.begin(), choices.end()));
  const auto at = std::find(choices.begin(), choices.end(), settings().connectionFilter);
  SelectComboItem(combo, at == choices.end() ? 0 : static_cast<int>(at - choices.begin()));
}

// The log is only read when it is there: a missing one is made at start.
void SessionLogPage::Refresh() {
  if (!grid_.hwnd() || !FileExists(Folder() + kSessionLogFileName)) return;
  const std::vector<std::vector<std::string>> rows = SessionGridRows(
      ReadSessions(Folder() + kSessionLogFileName), ReadConnections(Folder() + kConnectionFileName),
      settings().connectionFilter);
  open_.clear();
  for (const auto& row : rows) open_.push_back(row[0] == "a");
  grid_.SetRows(rows);
}

bool SessionLogPage::Command(int id, int code) {
  if (id == IDC_CB_vis_conn && code == CBN_SELCHANGE) {
    settings().connectionFilter = ControlText(Item(IDC_CB_vis_conn));
    Refresh();
    return true;
  }
  if (code != BN_CLICKED) return false;
  if (id == IDC_B_cl) Clear();
  else if (id == IDC_BB_exp_txt) ExportText();
  else if (id == IDC_BB_L) ExportSpreadsheet();
  else return false;
  return true;
}

// A name the registry does not know may be added first.
void SessionLogPage::ShowStatistics(const std::string& name) {
  if (name.empty()) return;
  const std::string registry = Folder() + kConnectionFileName;
  if (FindConnection(registry, name) < 0 &&
      AskConfirmation(hwnd(), "Tikolvo: Неизвестное подключение", UnknownConnectionQuestion(name), "Отмена",
                      "Добавить")) {
    InputQuestion question;
    question.caption = "Tikolvo: Добавление подключения";
    question.fields = {{"Название подключения", name}};
    question.okText = "Добавить";
    const std::optional<std::vector<std::string>> answer = AskTexts(hwnd(), question);
    if (answer && !answer->empty() && !answer->front().empty())
      AddConnection(registry, answer->front(), kProgramRecordTag);
    if (registryChanged) registryChanged();
  }
  OpenStatistics(hwnd(), Folder(), name);
}

void SessionLogPage::Clear() {
  if (!AskConfirmation(hwnd(), "Tikolvo: Очистка лога подключений",
                       "Вся информация о подключениях будет стерта. Продолжить?", "Отмена", "Очистить",
                       DefaultAnswer::kCancel))
    return;
  CreateSessionLog(Folder() + kSessionLogFileName);
  settings().connectionFilter = "Все";
  Refresh();
}

void SessionLogPage::ExportText() {
  const std::optional<std::string> path = ChooseFileToSave(hwnd(), "Текстовые документы (*.txt)|*.txt", "txt");
  if (!path) return;
  const std::string filter = settings().connectionFilter;
  const auto lines = SessionsReportLines(ReadSessions(Folder() + kSessionLogFileName),
                                         ReadConnections(Folder() + kConnectionFileName), filter, clock_.Now(),
                                         ReadSystemLocale());
  if (!SaveTextReport(*path, lines)) {
    ShowNotice(hwnd(), "Tikolvo", "Не удалось записать отчет.");
    return;
  }
  ShowNotice(hwnd(), "Tikolvo: Уведомление", "Отчет создан и сохранен. Подключение: " + filter, NoticeMode::Modeless,
             kReportPicture);
}

void SessionLogPage::ExportSpreadsheet() {
  const std::string filter = settings().connectionFilter;
  const Table table = SessionsTable(ReadSessions(Folder() + kSessionLogFileName),
                                    ReadConnections(Folder() + kConnectionFileName), filter, true);
  tikolvo::ExportSpreadsheet(hwnd(), table,
                             {"Лог подключений", "Bug! Sorry...", "Отчет создан и сохранен. Подключение: " + filter});
}

}  // namespace tikolvo
