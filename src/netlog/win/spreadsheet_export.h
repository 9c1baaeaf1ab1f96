#pragma once
// A log or a statistics table handed to the user as a spreadsheet: shown
// in the spreadsheet application where one is registered, otherwise written
// as a workbook file the user picks, which any spreadsheet program opens.
#include <windows.h>

#include <string>

#include "common/workbook.h"

namespace tikolvo {

struct SpreadsheetExport {
  std::string sheetName;
  // Reported when the registered application will not start; empty: nothing is said.
  std::string failureText;
  std::string savedText = "Отчет создан и сохранен.";  // the notice after the file is written
};

void ExportSpreadsheet(HWND owner, const Table& table, const SpreadsheetExport& how);

}  // namespace tikolvo
