#pragma once
// The program's one general error report: a message box with the error text.
#include <string_view>

namespace tikolvo {

void ReportError(std::string_view utf8Text);

}  // namespace tikolvo
