#pragma once
// The system's open-file dialog, opening in a remembered folder and
// remembering the folder of the file chosen (the "Od" and "Ods" settings).
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

}  // namespace tikolvo
