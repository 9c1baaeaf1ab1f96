#pragma once
// The weekday selector of a tariff box: seven small boxes "Пн" to "Вс",
// 16 pixels apart. Its value is a byte whose bit i (0 Monday .. 6 Sunday)
// is set when day i is left out of the rule; a box is ticked while its bit
// is clear. A click toggles a day and tells the parent with WM_COMMAND
// (BN_CLICKED); setting the value from outside tells nobody.
#include <windows.h>

#include <cstdint>

namespace tikolvo {

inline constexpr wchar_t kWeekdaySelectorClass[] = L"TCBBlock";
inline constexpr UINT kSetExcludedDays = WM_USER + 1;  // wParam: the byte
inline constexpr UINT kGetExcludedDays = WM_USER + 2;  // returns the byte

// The day a click at x (pixels from the control's left) falls on; -1 past
// the seventh box.
int WeekdayAt(int x);

bool RegisterWeekdaySelector();

}  // namespace tikolvo
