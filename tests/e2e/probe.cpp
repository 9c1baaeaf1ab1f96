// probe.exe: looks at and pokes the program's windows for the end-to-end
// tests, which run it under Wine beside Tikolvo.exe.
//
//   probe rect CLASS            left top right bottom of the window
//   probe count CLASS           number of top-level windows of that class
//   probe wait CLASS SECONDS    waits until such a window exists
//   probe waitgone CLASS SECS   waits until none exists
//   probe close CLASS           posts WM_CLOSE
//   probe move CLASS X Y        moves it (the window sees WM_WINDOWPOSCHANGING)
//   probe minimize CLASS        asks it to minimise (system command)
//   probe iconic CLASS          1 when minimised, else 0
//   probe visible CLASS         1 when visible, else 0
//   probe exstyle CLASS         extended style, hexadecimal
//   probe topmost CLASS         1 when in the topmost band, else 0
//   probe command CLASS ID      posts WM_COMMAND with that id
//   probe click CLASS ID        clicks the control with that id (any depth,
//                               in the first window of the class having it)
//   probe checked CLASS ID      1 when that check box or radio is checked
//   probe ctltext CLASS ID      the control's text as hexadecimal UTF-8
//   probe ctlrect CLASS ID      the control's screen rectangle
//   probe focusid CLASS         id of the control with the keyboard focus in
//                               that window's thread (0 when none)
//   probe settext CLASS ID TEXT sets the control's text (edits notify)
//   probe select CLASS ID INDEX selects a list item, as the user would
//   probe tab CLASS ID INDEX    selects a notebook tab, as the user would
//   probe texthex CLASS         the window text as UTF-8, in hexadecimal
//   probe menu CLASS KIND       the program's menu (0 window, 1 tray) as
//                               hexadecimal UTF-8, one item a line
//   probe tray CLASS MESSAGE    posts the tray icon's callback with that
//                               mouse message (513 left down, 517 right up)
//   probe drop CLASS PATH...    drops those paths on the window: a DROPFILES
//                               block sent as WM_COPYDATA (a drop handle is
//                               good only in its own process)
//   probe screen                screen width and height
//   probe workarea              left top right bottom of the work area
//
// Exit code 0 on success, 1 when the window is missing or a wait timed out,
// 2 on bad arguments.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
  std::wstring className;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t name[256];
  if (GetClassNameW(hwnd, name, 256) && search->className == name) search->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> WindowsOfClass(const wchar_t* className) {
  Search search{className, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FirstOfClass(const wchar_t* className) {
  const std::vector<HWND> all = WindowsOfClass(className);
  return all.empty() ? nullptr : all.front();
}

bool WaitFor(const wchar_t* className, double seconds, bool present) {
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    if ((FirstOfClass(className) != nullptr) == present) return true;
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(50);
  }
}

int PrintRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

int PrintFlag(bool flag) {
  std::printf("%d\n", flag ? 1 : 0);
  return 0;
}

int Screen() {
  std::printf("%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return 0;
}

int WorkArea() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

int Move(HWND hwnd, int x, int y) {
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return PrintRect(hwnd);
}

// Hexadecimal keeps the output one plain word whatever the console's code page.
// A control's text is asked for with WM_GETTEXT: GetWindowText does not ask
// another process's window, so an edit would read as empty.
int PrintTextHex(HWND hwnd) {
  wchar_t text[1024] = L"";
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &copied);
  text[1023] = 0;
  char utf8[4096] = "";
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  for (int i = 0; i + 1 < length; ++i) std::printf("%02x", static_cast<unsigned char>(utf8[i]));
  std::printf("\n");
  return 0;
}

void PrintHex(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  for (char c : utf8) std::printf("%02x", static_cast<unsigned char>(c));
  std::printf("\n");
}

std::wstring g_menuText;
bool g_menuReceived = false;

LRESULT CALLBACK ReplyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    g_menuText.assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    g_menuReceived = true;
    return TRUE;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The program answers the request with WM_COPYDATA sent back while this
// thread waits in SendMessage, so the reply arrives before it returns.
int PrintMenu(HWND hwnd, int kind) {
  constexpr UINT kDescribeMenuMessage = WM_APP + 3;
  WNDCLASSW wc{};
  wc.lpfnWndProc = ReplyProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TikolvoProbeReply";
  RegisterClassW(&wc);
  HWND reply = CreateWindowW(L"TikolvoProbeReply", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                             nullptr);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, kDescribeMenuMessage, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(reply),
                      SMTO_NORMAL, 10000, &result);
  DestroyWindow(reply);
  if (!g_menuReceived) return 1;
  PrintHex(g_menuText);
  return 0;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindControl(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(hwnd) == search->id && !search->found) search->found = hwnd;
  return TRUE;
}

// A direct child first (a dialog's own buttons), then any depth.
HWND ControlOf(HWND top, int id) {
  if (HWND direct = GetDlgItem(top, id)) return direct;
  ControlSearch search{id, nullptr};
  EnumChildWindows(top, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Selection messages do not notify; the owner is told as a user's choice
// would tell it.
int SelectItem(HWND control, int index) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  const int id = GetDlgCtrlID(control);
  HWND parent = GetParent(control);
  // Moving the focus tab of a tab control notifies its parent like a click.
  if (_wcsicmp(name, L"SysTabControl32") == 0) {
    constexpr UINT kSetCurFocus = 0x1330;  // TCM_SETCURFOCUS
    SendMessageW(control, kSetCurFocus, static_cast<WPARAM>(index), 0);
    return 0;
  }
  const bool list = _wcsicmp(name, L"ListBox") == 0;
  SendMessageW(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, list ? LBN_SELCHANGE : CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
  return 0;
}

// Every line of a list box, one hex line each (an empty list prints nothing).
int PrintListLines(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) return 1;
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    PrintHex(line);
  }
  return count < 0 ? 1 : 0;
}

int OnControl(const std::wstring& verb, HWND control, int argc, wchar_t** argv) {
  if (verb == L"click") return PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  if (verb == L"checked") return PrintFlag(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
  if (verb == L"ctltext") return PrintTextHex(control);
  if (verb == L"ctlrect") return PrintRect(control);
  if (verb == L"lines") return PrintListLines(control);
  if (verb == L"settext" && argc >= 5) return SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4])) ? 0 : 1;
  if ((verb == L"select" || verb == L"tab") && argc >= 5) return SelectItem(control, _wtoi(argv[4]));
  return 2;
}

int PrintFocusId(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return 1;
  std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
  return 0;
}

// The block the shell hands over on a drop: a DROPFILES header, then the
// wide paths, each ended by a NUL, and one more NUL.
int SendDrop(HWND hwnd, int count, wchar_t** paths) {
  std::wstring list;
  for (int i = 0; i < count; ++i) {
    list += paths[i];
    list += L'\0';
  }
  list += L'\0';
  const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!block) return 1;
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  constexpr ULONG_PTR kDropFilesCopyTag = 0x504F5244;  // "DROP"
  COPYDATASTRUCT data{kDropFilesCopyTag, static_cast<DWORD>(bytes), header};
  DWORD_PTR taken = 0;
  SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000, &taken);
  GlobalUnlock(block);
  GlobalFree(block);
  return taken ? 0 : 1;
}

bool IsControlVerb(const std::wstring& verb) {
  return verb == L"click" || verb == L"checked" || verb == L"ctltext" || verb == L"ctlrect" || verb == L"lines" ||
         verb == L"settext" || verb == L"select" || verb == L"tab";
}

// The control in the first window of the class that has one with that id,
// so that a dialog is reached beside another of its class (a save dialog
// over the window that opened it).
int OnControlOfClass(const std::wstring& verb, const wchar_t* className, int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  for (HWND hwnd : WindowsOfClass(className))
    if (HWND control = ControlOf(hwnd, _wtoi(argv[3]))) return OnControl(verb, control, argc, argv);
  return 1;
}

int OnWindow(const std::wstring& verb, HWND hwnd, int argc, wchar_t** argv) {
  if (verb == L"drop" && argc >= 4) return SendDrop(hwnd, argc - 3, argv + 3);
  if (verb == L"focusid") return PrintFocusId(hwnd);
  if (verb == L"texthex") return PrintTextHex(hwnd);
  if (verb == L"rect") return PrintRect(hwnd);
  if (verb == L"close") return PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
  if (verb == L"minimize") return PostMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
  if (verb == L"iconic") return PrintFlag(IsIconic(hwnd));
  if (verb == L"visible") return PrintFlag(IsWindowVisible(hwnd));
  if (verb == L"topmost") return PrintFlag(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  if (verb == L"exstyle") {
    std::printf("%08lx\n", static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    return 0;
  }
  if (verb == L"move" && argc >= 5) return Move(hwnd, _wtoi(argv[3]), _wtoi(argv[4]));
  if (verb == L"menu" && argc >= 4) return PrintMenu(hwnd, _wtoi(argv[3]));
  if (verb == L"tray" && argc >= 4)
    return PostMessageW(hwnd, WM_APP + 2, 0, static_cast<LPARAM>(_wtoi(argv[3]))) ? 0 : 1;
  if (verb == L"trayshown") {
    DWORD_PTR shown = 0;
    if (!SendMessageTimeoutW(hwnd, WM_APP + 4, 0, 0, SMTO_NORMAL, 10000, &shown)) return 1;
    return PrintFlag(shown == 1);
  }
  if (verb == L"command" && argc >= 4)
    return PostMessageW(hwnd, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[3])), 0) ? 0 : 1;
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring verb = argv[1];
  if (verb == L"screen") return Screen();
  if (verb == L"workarea") return WorkArea();
  if (argc < 3) return 2;
  const wchar_t* className = argv[2];
  if (verb == L"count") {
    std::printf("%u\n", static_cast<unsigned>(WindowsOfClass(className).size()));
    return 0;
  }
  if (verb == L"wait" || verb == L"waitgone") {
    const double seconds = argc >= 4 ? _wtof(argv[3]) : 10.0;
    return WaitFor(className, seconds, verb == L"wait") ? 0 : 1;
  }
  if (IsControlVerb(verb)) return OnControlOfClass(verb, className, argc, argv);
  HWND hwnd = FirstOfClass(className);
  if (!hwnd) return 1;
  return OnWindow(verb, hwnd, argc, argv);
}
