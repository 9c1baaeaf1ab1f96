#pragma once
// Helpers of the reminder page and editor tests: a fresh program folder, a
// plain window to hold the page, and typing and clicking as a user does.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/file_io.h"
#include "common/win/file_replacer.h"
#include "common/win/wide_text.h"
#include "dialog_test_support.h"
#include "program_folder.h"
#include "reminders/reminder_file.h"

namespace tikolvo::test {

// The reminder tests' folder names message.db unless told otherwise.
class ReminderFolder : public ProgramFolder {
 public:
  std::string File(const char* name = kReminderFileName) const { return ProgramFolder::File(name); }
};

// A plain top-level window to hold a page, as the settings window's tab page
// would.
inline HWND CreateHostWindow(int width, int height) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = &DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"ReminderTestHost";
  cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassW(&cls);
  return CreateWindowExW(WS_EX_CONTROLPARENT, cls.lpszClassName, L"Напоминания",
                         WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, 60, 60, width + 8, height + 30,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Replaces an edit's text the way typing does (character by character, so
// the edit's own limit applies).
inline void Type(HWND edit, const std::string& text) {
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (wchar_t c : Widen(text)) SendMessageW(edit, WM_CHAR, c, 1);
}

inline void Click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }

inline void SetPickerDate(HWND picker, int year, int month, int day) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = 12;
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

inline SYSTEMTIME PickerDate(HWND picker) {
  SYSTEMTIME time{};
  SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return time;
}

}  // namespace tikolvo::test
