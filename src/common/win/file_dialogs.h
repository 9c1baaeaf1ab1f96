#pragma once
// The system's file dialogs: opening a file in a remembered folder and
// remembering the folder of the file chosen (the "Od" and "Ods" settings),
// and choosing where a report is saved.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_model.h"

namespace tikolvo {

// `filter` holds "name|pattern|name|pattern". The dialog opens in
// folder.initial (the system's choice when it is empty); a chosen file's
// folder goes into `folder`. Nothing when cancelled or when the dialog
// cannot be shown.
std::optional<std::string> ChooseFileToOpen(HWND owner, std::string_view filter, DialogFolder& folder);

// The save dialog; `extension` ("txt") is added to a name typed without one,
// and an existing file is replaced only when the user agrees.
std::optional<std::string> ChooseFileToSave(HWND owner, std::string_view filter, std::string_view extension);

}  // namespace tikolvo
