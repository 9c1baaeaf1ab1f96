#pragma once
// Hints shown when the mouse rests over a control or over an area of a
// window. The tip window belongs to its owner and is destroyed with it.
#include <windows.h>

#include <string>

namespace tikolvo {

HWND CreateToolTips(HWND owner);
// The whole control shows text; false when the tip window refused it.
bool AddControlTip(HWND tips, HWND control, const std::wstring& text);
// An area of window (client coordinates) named by id shows text.
bool AddAreaTip(HWND tips, HWND window, UINT_PTR id, const RECT& area, const std::wstring& text);
// The area of the tool id moved (the window was laid out again).
void MoveAreaTip(HWND tips, HWND window, UINT_PTR id, const RECT& area);

}  // namespace tikolvo
