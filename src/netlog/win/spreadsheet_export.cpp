#include "netlog/win/spreadsheet_export.h"

#include "common/file_io.h"
#include "common/win/error_report.h"
#include "common/win/file_dialogs.h"
#include "common/win/message_dialogs.h"
#include "common/win/spreadsheet_automation.h"

namespace tikolvo {
namespace {

// The header first, then the rows, as the texts the grids and reports show.
std::vector<std::vector<std::string>> Texts(const Table& table) {
  std::vector<std::vector<std::string>> texts = {table.header};
  texts.reserve(table.rows.size() + 1);
  for (const auto& row : table.rows) {
    std::vector<std::string>& line = texts.emplace_back();
    line.reserve(row.size());
    for (const TableCell& cell : row) line.push_back(cell.text);
  }
  return texts;
}

void SaveWorkbook(HWND owner, const Table& table, const SpreadsheetExport& how) {
  const std::optional<std::string> path = ChooseFileToSave(owner, "Книга Excel (*.xlsx)|*.xlsx", "xlsx");
  if (!path) return;
  if (!SaveFileAtomically(*path, WorkbookBytes(table, how.sheetName))) {
    ShowNotice(owner, "Tikolvo", "Не удалось записать отчет.");
    return;
  }
  ShowNotice(owner, "Tikolvo: Уведомление", how.savedText, NoticeMode::Modeless, kReportPicture);
}

}  // namespace

void ExportSpreadsheet(HWND owner, const Table& table, const SpreadsheetExport& how) {
  if (!SpreadsheetApplicationRegistered()) {
    SaveWorkbook(owner, table, how);
    return;
  }
  if (!ShowInSpreadsheetApplication(Texts(table)) && !how.failureText.empty())
    ReportError(how.failureText);
}

}  // namespace tikolvo
