#include "netlog/win/statistics_window.h"

#include <commctrl.h>

#include "common/win/message_dialogs.h"
#include "common/win/file_dialogs.h"
#include "common/win/striped_grid.h"
#include "common/win/system_locale.h"
#include "common/win/system_time.h"
#include "common/win/tool_tips.h"
#include "common/win/wide_text.h"
#include "netlog/connection_registry.h"
#include "netlog/report_file.h"
#include "netlog/session_log.h"
#include "netlog/session_text.h"
#include "netlog/statistics_summary.h"
#include "netlog/traffic_chart.h"
#include "netlog/win/chart_page.h"
#include "netlog/win/spreadsheet_export.h"
#include "netlog/win/statistics_ids.h"

namespace tikolvo {
namespace {

constexpr int kMinimumWidth = 750, kMinimumHeight = 330;
constexpr grid::RowColours kGreen{RGB(0, 0x64, 0), RGB(0xE0, 0xF8, 0xE0)};
constexpr grid::RowColours kBlue{RGB(0, 0, 0x8B), RGB(0xE0, 0xE8, 0xFF)};
constexpr grid::RowColours kRed{RGB(0xCC, 0, 0), RGB(0xFF, 0xE0, 0xE0)};

class StatisticsWindow {
 public:
  StatisticsWindow(std::string folder, std::string name) : folder_(std::move(folder)), name_(std::move(name)) {}
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Create();
  void Fill(const StatisticsChoice& choice, bool summaryToo);
  DateTime Picked(int id) const;
  void ShowPage(int page);
  void ExportText();
  void AddExportTips();
  void ExportSummary();
  void ExportSessions();
  bool Command(int id);

  std::string folder_, name_;
  HWND hwnd_ = nullptr;
  StripedGrid summary_, list_;
  ChartPage chart_;
  std::vector<bool> open_;
  std::array<SummaryRow, kSummaryRows> summaryRows_;  // as the summary grid shows them
};

DateTime StatisticsWindow::Picked(int id) const {
  SYSTEMTIME time{};
  SendMessageW(GetDlgItem(hwnd_, id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return FromSystemTime(time);
}

void StatisticsWindow::Create() {
  SetWindowTextW(hwnd_, Widen(" " + name_).c_str());
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  const int width = std::max<int>(frame.right - frame.left, kMinimumWidth);
  const int height = std::max<int>(frame.bottom - frame.top, kMinimumHeight);
  SetWindowPos(hwnd_, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, 0);
  HWND tabs = GetDlgItem(hwnd_, IDC_STAT_TABS);
  for (const wchar_t* caption : {L"Общая статистика", L"Детальная статистика", L"График"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tabs, TCM_INSERTITEMW, SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
  }
  summary_.Attach(GetDlgItem(hwnd_, IDC_STAT_SG));
  GridColumn title{"", 150};
  title.stretch = true;
  summary_.SetColumns({title, {"Принято", 80, grid::Align::Right}, {"Отправлено", 80, grid::Align::Right},
                       {"Сумма", 80, grid::Align::Right}, {"Время", 70, grid::Align::Right},
                       {"Кол-во", 50, grid::Align::Right}, {"Стоимость", 90, grid::Align::Right}});
  summary_.rowColours = [](int row, grid::RowColours) { return row < 4 ? kGreen : row == 4 ? kBlue : kRed; };
  list_.Attach(GetDlgItem(hwnd_, IDC_STAT_LIST));
  GridColumn number{"№", 24, grid::Align::Centre};
  number.fitsRowNumbers = true;
  number.rowNumber = true;
  GridColumn name{"Подключение", 90};
  name.stretch = true;
  list_.SetColumns({number, name, {"Начало", 110}, {"Окончание", 110}, {"Время", 60, grid::Align::Right},
                    {"Трафик", 70, grid::Align::Right}, {"Скорость", 60, grid::Align::Right}, {"IP", 80},
                    {"Д.н.", 34}});
  list_.rowColours = [this](int row, grid::RowColours stripe) {
    return row >= 0 && row < static_cast<int>(open_.size()) && open_[row] ? kRed : stripe;
  };
  AddExportTips();
  RECT pageArea;  // the chart takes the place of the grids
  GetWindowRect(GetDlgItem(hwnd_, IDC_STAT_LIST), &pageArea);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&pageArea), 2);
  chart_.Create(hwnd_, pageArea);
  Fill({}, true);
}

void StatisticsWindow::Fill(const StatisticsChoice& choice, bool summaryToo) {
  const std::vector<SessionRecord> sessions = ReadSessions(folder_ + kSessionLogFileName);
  const ConnectionRecord record = ReadConnectionByName(folder_ + kConnectionFileName, name_);
  if (summaryToo) {
    std::vector<std::vector<std::string>> rows;
    summaryRows_ = SummaryRows(sessions, record, name_, LocalNow(), choice);
    for (const SummaryRow& r : summaryRows_)
      rows.push_back({r.title, r.received, r.sent, r.sum, r.time, r.count, r.cost});
    summary_.SetRows(std::move(rows));
    chart_.Show(ChartOfDays(sessions, record, name_, ChartRange(choice, LocalNow())));
  }
  const auto rows = StatisticsSessionRows(sessions, record, name_, choice);
  open_.clear();
  for (const auto& row : rows) open_.push_back(row[0] == "a");
  list_.SetRows(rows);
}

void StatisticsWindow::ShowPage(int page) {
  ShowWindow(GetDlgItem(hwnd_, IDC_STAT_SG), page == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(GetDlgItem(hwnd_, IDC_STAT_LIST), page == 1 ? SW_SHOW : SW_HIDE);
  ShowWindow(chart_.hwnd(), page == 2 ? SW_SHOW : SW_HIDE);
}

void StatisticsWindow::ExportText() {
  const std::optional<std::string> path = ChooseFileToSave(hwnd_, "Текстовые документы (*.txt)|*.txt", "txt");
  if (!path) return;
  const auto lines = SessionsReportLines(ReadSessions(folder_ + kSessionLogFileName),
                                         ReadConnections(folder_ + kConnectionFileName), name_, LocalNow(),
                                         ReadSystemLocale());
  if (!SaveTextReport(*path, lines)) {
    ShowNotice(hwnd_, "Tikolvo", "Не удалось записать отчет.");
    return;
  }
  ShowNotice(hwnd_, "Tikolvo: Уведомление", "Отчет создан и сохранен. Подключение: " + name_, NoticeMode::Modeless,
             kReportPicture);
}

// Two buttons read " детальный отчет": their hints tell them apart.
void StatisticsWindow::AddExportTips() {
  HWND tips = CreateToolTips(hwnd_);
  AddControlTip(tips, GetDlgItem(hwnd_, IDC_STAT_EXCEL_SUMMARY), L"Экспорт в Excel");
  AddControlTip(tips, GetDlgItem(hwnd_, IDC_STAT_EXCEL_SESSIONS), L"Экспорт в Excel");
  AddControlTip(tips, GetDlgItem(hwnd_, IDC_STAT_EXPORT_TXT), L"Экспорт в текстовый файл");
}

// The summary's errors are not shown: the table is a convenience.
void StatisticsWindow::ExportSummary() {
  ExportSpreadsheet(hwnd_, SummaryTable(summaryRows_), {"Статистика", "", "Отчет создан и сохранен."});
}

void StatisticsWindow::ExportSessions() {
  const Table table = SessionsTable(ReadSessions(folder_ + kSessionLogFileName),
                                    ReadConnections(folder_ + kConnectionFileName), name_, false);
  ExportSpreadsheet(hwnd_, table, {"Сессии", "Bug! Sorry...", "Отчет создан и сохранен. Подключение: " + name_});
}

bool StatisticsWindow::Command(int id) {
  switch (id) {
    case IDC_STAT_PERIOD_OK: Fill({Picked(IDC_STAT_FROM), Picked(IDC_STAT_TO), {}}, true); return true;
    case IDC_STAT_DAY_OK: Fill({{}, {}, Picked(IDC_STAT_DAY)}, true); return true;
    case IDC_STAT_ALL: Fill({}, false); return true;
    case IDC_STAT_EXPORT_TXT: ExportText(); return true;
    case IDC_STAT_EXCEL_SUMMARY: ExportSummary(); return true;
    case IDC_STAT_EXCEL_SESSIONS: ExportSessions(); return true;
    case IDCANCEL: EndDialog(hwnd_, IDCANCEL); return true;
    default: return false;
  }
}

INT_PTR CALLBACK StatisticsWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<StatisticsWindow*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    self->Create();
    return TRUE;
  }
  auto* self = reinterpret_cast<StatisticsWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND: return self->Command(LOWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_STAT_TABS && header->code == TCN_SELCHANGE) {
        self->ShowPage(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
        return TRUE;
      }
      LRESULT result = 0;
      if (self->summary_.HandleNotify(*header, result) || self->list_.HandleNotify(*header, result)) {
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
      }
      return FALSE;
    }
    default: return FALSE;
  }
}

}  // namespace

void OpenStatistics(HWND owner, const std::string& programFolder, const std::string& name) {
  StatisticsWindow window(programFolder, name);
  DialogBoxParamW(GetModuleHandleW(nullptr), L"TF_STAT", owner, &StatisticsWindow::Procedure,
                  reinterpret_cast<LPARAM>(&window));
}

}  // namespace tikolvo
