#pragma once
// The spreadsheet application's automation server ("Excel.Application"),
// driven late-bound through IDispatch. ole32 and oleaut32 are loaded only
// when an export asks for them, so a clock that never exports never loads
// them.
#include <string>
#include <vector>

namespace tikolvo {

// Whether the system knows the program id at all.
bool SpreadsheetApplicationRegistered();

// A new workbook of a visible application gets the texts (row 0 first) in
// its first worksheet from cell (1, 1), in one range assignment; it is left
// open and unsaved for the user. False when the server could not be made
// or would not take the table.
bool ShowInSpreadsheetApplication(const std::vector<std::vector<std::string>>& cells);

}  // namespace tikolvo
