#include "common/win/error_report.h"

#include <windows.h>

#include "common/win/wide_text.h"

namespace tikolvo {

void ReportError(std::string_view utf8Text) {
  MessageBoxW(nullptr, Widen(utf8Text).c_str(), L"Tikolvo: Ошибка", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace tikolvo
