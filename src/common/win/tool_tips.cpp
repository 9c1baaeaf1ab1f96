#include "common/win/tool_tips.h"

#include <commctrl.h>

#include "common/win/common_controls.h"

namespace tikolvo {
namespace {

// The size comctl32 5.8 (Windows XP without a manifest) understands.
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

bool AddTool(HWND tips, TOOLINFOW tool, const std::wstring& text) {
  if (!tips) return false;
  std::wstring copy = text;  // the tip window copies the text while adding
  tool.cbSize = kToolInfoSize;
  tool.uFlags |= TTF_SUBCLASS;
  tool.lpszText = copy.data();
  return SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

}  // namespace

HWND CreateToolTips(HWND owner) {
  LoadCommonControls();
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool AddControlTip(HWND tips, HWND control, const std::wstring& text) {
  if (!control) return false;
  TOOLINFOW tool{};
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return AddTool(tips, tool, text);
}

bool AddAreaTip(HWND tips, HWND window, UINT_PTR id, const RECT& area, const std::wstring& text) {
  TOOLINFOW tool{};
  tool.hwnd = window;
  tool.uId = id;
  tool.rect = area;
  return AddTool(tips, tool, text);
}

void MoveAreaTip(HWND tips, HWND window, UINT_PTR id, const RECT& area) {
  if (!tips) return;
  TOOLINFOW tool{};
  tool.cbSize = kToolInfoSize;
  tool.hwnd = window;
  tool.uId = id;
  tool.rect = area;
  SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tikolvo
