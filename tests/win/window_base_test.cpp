// The window base class finds its object from the first message on and keeps
// exceptions inside the window procedure.
#include "win_test.h"

#include <stdexcept>
#include <string>

#include "common/win/error_report.h"
#include "common/win/window_base.h"

namespace tikolvo {
namespace {

std::string g_lastReport;
void RememberReport(std::string_view text) { g_lastReport = std::string(text); }

class ProbeWindow : public Window {
 public:
  bool Create() {
    RegisterWindowClass(L"TikolvoTestWindow", 0, nullptr, nullptr, nullptr);
    return CreateWindowFor(0, L"TikolvoTestWindow", L"test", WS_POPUP, 0, 0, 10, 10, nullptr) != nullptr;
  }
  bool sawCreate = false;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) sawCreate = true;
    if (message == WM_APP) throw std::runtime_error("сбой обработчика");
    if (message == WM_APP + 1) return 42;
    return Default(message, wParam, lParam);
  }
};

TEST_CASE("messages reach the object from creation on") {
  ProbeWindow window;
  REQUIRE(window.Create());
  CHECK(window.sawCreate);
  CHECK(SendMessageW(window.hwnd(), WM_APP + 1, 0, 0) == 42);
}

TEST_CASE("an exception in a handler becomes an error report, not a crash") {
  SetErrorReporter(RememberReport);
  ProbeWindow window;
  REQUIRE(window.Create());
  g_lastReport.clear();
  CHECK(SendMessageW(window.hwnd(), WM_APP, 0, 0) == 0);
  CHECK(g_lastReport == "сбой обработчика");
  SetErrorReporter(nullptr);
}

TEST_CASE("destroying the window from outside detaches the object") {
  ProbeWindow window;
  REQUIRE(window.Create());
  DestroyWindow(window.hwnd());
  CHECK(window.hwnd() == nullptr);
}

}  // namespace
}  // namespace tikolvo
