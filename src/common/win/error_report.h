#pragma once
// The program's one general error report: a message box with the error text.
#include <string_view>

namespace tikolvo {

void ReportError(std::string_view utf8Text);

// Where reports go instead of the message box; tests install one so that a
// report never waits for a click. nullptr restores the message box.
using ErrorReporter = void (*)(std::string_view utf8Text);
void SetErrorReporter(ErrorReporter reporter);

}  // namespace tikolvo
