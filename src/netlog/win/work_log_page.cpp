#include "netlog/win/work_log_page.h"

#include "common/win/dialog_pages.h"
#include "common/win/message_dialogs.h"
#include "common/win/file_dialogs.h"
#include "common/win/system_locale.h"
#include "common/win/tool_tips.h"
#include "netlog/report_file.h"
#include "netlog/win/spreadsheet_export.h"
#include "netlog/work_log.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr grid::RowColours kRunningRow{RGB(0xCC, 0, 0), RGB(0xFF, 0xE0, 0xE0)};

}  // namespace

WorkLogPage::WorkLogPage(SettingsStore& store, const Clock& clock)
    : TemplatePage(store, {"Лог работы ОС", L"CONF_STAT_WORK"}), clock_(clock) {}

std::string WorkLogPage::LogPath() const { return store().programFolder + kWorkLogFileName; }

void WorkLogPage::Created() {
  if (!grid_.Attach(Item(IDC_SG_W))) return;
  GridColumn number{"№", 24, grid::Align::Centre};
  number.fitsRowNumbers = true;
  number.rowNumber = true;
  GridColumn start{"Старт", 200};
  start.stretch = true;
  grid_.SetColumns({number, start, {"Время", 80, grid::Align::Right}});
  grid_.rowColours = [this](int row, grid::RowColours stripe) {
    return row >= 0 && row < static_cast<int>(running_.size()) && running_[row] ? kRunningRow : stripe;
  };
  HWND tips = CreateToolTips(hwnd());
  AddControlTip(tips, Item(IDC_BB_B_exp_work), L"Экспорт в Excel");
  AddControlTip(tips, Item(IDC_BB_B_exp_work_txt), L"Экспорт в текстовый файл");
  Fill();
}

void WorkLogPage::Fill() {
  const std::vector<WorkSession> sessions = LoadWorkLog(LogPath()).value_or(std::vector<WorkSession>{});
  std::vector<std::vector<std::string>> rows;
  running_.clear();
  for (const WorkGridRow& row : WorkGridRows(sessions)) {
    rows.push_back({row.running ? "a" : "_", row.text, row.duration});
    running_.push_back(row.running);
  }
  if (grid_.hwnd()) grid_.SetRows(std::move(rows));
  SetControlText(Item(IDC_L_SUMM_WORK_TIME), WorkTotalLine(sessions));
}

bool WorkLogPage::Command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_B_CLE_WORK) {
    Clear();
    return true;
  }
  if (id == IDC_BB_B_exp_work_txt) {
    ExportText();
    return true;
  }
  if (id == IDC_BB_B_exp_work) {
    ExportSpreadsheet();
    return true;
  }
  return false;
}

void WorkLogPage::Clear() {
  if (!AskConfirmation(hwnd(), "Tikolvo: Очистка лога работы", "Очистить лог работы?", "Отмена", "Ok",
                       DefaultAnswer::kCancel)) return;
  CreateWorkLog(LogPath(), clock_.Now(), clock_.MillisecondsSinceStart());
  Fill();
}

void WorkLogPage::ExportText() {
  const std::optional<std::string> path = ChooseFileToSave(hwnd(), "Текстовые документы (*.txt)|*.txt", "txt");
  if (!path) return;
  const std::optional<std::vector<WorkSession>> sessions = LoadWorkLog(LogPath());
  const bool saved = sessions && SaveTextReport(*path, WorkReportLines(*sessions, clock_.Now(), ReadSystemLocale()));
  if (!saved) {
    ShowNotice(hwnd(), "Tikolvo", "Не удалось записать отчет.");
    return;
  }
  ShowNotice(hwnd(), "Tikolvo: Уведомление", "Отчет создан и сохранен.", NoticeMode::Modeless, kReportPicture);
}

void WorkLogPage::ExportSpreadsheet() {
  const std::vector<WorkSession> sessions = LoadWorkLog(LogPath()).value_or(std::vector<WorkSession>{});
  tikolvo::ExportSpreadsheet(hwnd(), WorkTable(sessions),
                             {"Лог работы ОС", "Невозможно поключиться к серверу Excel", "Отчет создан и сохранен."});
}

}  // namespace tikolvo
