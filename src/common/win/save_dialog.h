#pragma once
// The system's save dialog, looked up when first needed.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tikolvo {

// `filter` holds "name|pattern|name|pattern"; `extension` is added to a
// name typed without one ("txt"). Nothing when the user cancels.
std::optional<std::string> ChooseSaveFile(HWND owner, std::string_view filter, std::string_view extension);

}  // namespace tikolvo
