#pragma once
// The small always-on-top window of a confirmed session: its live traffic,
// its client address and the connection's name, placed above the
// notification area. Other programs may change the address and name lines
// with WM_COPYDATA (wParam 1 the address, 2 the name).
#include <string>

#include "common/win/window_base.h"
#include "netlog/connection_records.h"

namespace tikolvo {

// The private message of the popup: wParam a counter with lParam 1
// (received) or 2 (sent); wParam and lParam 99 close it.
inline constexpr UINT kPopupMessage = WM_USER + 1009;
inline constexpr int kPopupWidth = 138;
inline constexpr int kPopupHeight = 74;

class ConnectionPopup : public Window {
 public:
  // `stackIndex` places later popups above earlier ones.
  bool Open(const ConnectionRecord& record, const std::string& address, int stackIndex);
  void Update(std::uint32_t received, std::uint32_t sent);
  void Close();
  const std::wstring& TrafficLine() const { return lines_[0]; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void SetLine(int line, std::wstring text);

  ConnectionRecord record_;  // its totals are the live counters
  std::wstring lines_[3];    // traffic, address, name
  bool keepingOnTop_ = false;
};

}  // namespace tikolvo
