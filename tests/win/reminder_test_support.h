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
#include "reminders/reminder_file.h"

namespace tikolvo::test {

// An empty program folder (with its trailing backslash), removed with its
// files at the end.
class ProgramFolder {
 public:
  ProgramFolder() {
    InstallWindowsFileReplacer();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = Narrow(temp) + "tikolvo_rem_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter) + "\\";
    CreateDirectoryW(Widen(path_).c_str(), nullptr);
  }
  ~ProgramFolder() {
    for (const char* name : {"message.db", "message_all.db", "message.db.tmp~"}) {
      const std::wstring file = Widen(path_ + name);
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(file.c_str());
    }
    RemoveDirectoryW(Widen(path_).c_str());
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const char* name = kReminderFileName) const { return path_ + name; }

 private:
  std::string path_;
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
