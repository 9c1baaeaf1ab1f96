#include "common/win/error_report.h"

#include <windows.h>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

ErrorReporter g_reporter = nullptr;

}  // namespace

void ReportError(std::string_view utf8Text) {
  if (g_reporter) {
    g_reporter(utf8Text);
    return;
  }
  MessageBoxW(nullptr, Widen(utf8Text).c_str(), L"Tikolvo: Ошибка", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void SetErrorReporter(ErrorReporter reporter) { g_reporter = reporter; }

}  // namespace tikolvo
