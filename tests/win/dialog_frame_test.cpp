// The common frame of the dialog windows: where it may stand, where it can be
// dragged from, how it grows with its text, and what it draws.
#include "win_test.h"

#include "handle_counts.h"

#include <cstdlib>
#include <string>

#include "dialog_test_support.h"
#include "common/dialog_layout.h"
#include "common/win/dialog_frame.h"
#include "common/win/message_dialogs.h"
#include "skin/program_pictures.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {
namespace {

// A modeless notice is the easiest frame to handle from a test: no loop waits.
struct OpenNotice {
  HWND window = nullptr;
  explicit OpenNotice(const std::string& text, const std::string& caption = "Tikolvo: Уведомление") {
    ShowNotice(nullptr, caption, text, NoticeMode::Modeless);
    window = FindWindowW(L"TF_message", Widen(caption).c_str());
    REQUIRE(window);
  }
  ~OpenNotice() { CloseModelessNotices(); }
  RECT Rect() const {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
  HWND Text() const { return FindWindowExW(window, nullptr, L"Static", nullptr); }
  LRESULT HitTest(int clientX, int clientY) const {
    POINT p{clientX, clientY};
    ClientToScreen(window, &p);
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
};

RECT WorkRect() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

std::string Words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += i % 7 == 6 ? "напоминание. " : "слово ";
  return text;
}

const dialog::FrameMetrics& Metrics() {
  static const dialog::FrameMetrics m = dialog::ScaledMetrics(ScreenDpi());
  return m;
}

TEST_CASE("moving the frame beyond the work area leaves it at the edge") {
  OpenNotice notice("Перемещение");
  const RECT work = WorkRect();
  const RECT before = notice.Rect();
  const int width = before.right - before.left, height = before.bottom - before.top;

  SetWindowPos(notice.window, nullptr, work.left - 400, work.top - 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CHECK(notice.Rect().left == work.left);
  CHECK(notice.Rect().top == work.top);

  SetWindowPos(notice.window, nullptr, work.right - 10, work.bottom - 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CHECK(notice.Rect().right == work.right);
  CHECK(notice.Rect().bottom == work.bottom);

  // The rectangle a drag proposes is pulled back before the window moves.
  RECT dragged{work.right - 20, work.top + 50, work.right - 20 + width, work.top + 50 + height};
  SendMessageW(notice.window, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&dragged));
  CHECK(dragged.right == work.right);
  CHECK(dragged.left == work.right - width);
  CHECK(dragged.top == work.top + 50);
}

TEST_CASE("a press on any band or on the text drags the window; buttons stay buttons") {
  OpenNotice notice("Текст уведомления");
  const dialog::FrameMetrics& m = Metrics();
  RECT client;
  GetClientRect(notice.window, &client);
  CHECK(notice.HitTest(client.right / 2, m.topBand / 2) == HTCAPTION);
  CHECK(notice.HitTest(m.leftBand / 2, client.bottom / 2) == HTCAPTION);
  CHECK(notice.HitTest(m.margin, client.bottom - m.bottomBand / 2) == HTCAPTION);

  RECT text;
  GetWindowRect(notice.Text(), &text);
  const LPARAM onText = MAKELPARAM((text.left + text.right) / 2, (text.top + text.bottom) / 2);
  CHECK(SendMessageW(notice.Text(), WM_NCHITTEST, 0, onText) == HTTRANSPARENT);
  CHECK(SendMessageW(notice.window, WM_NCHITTEST, 0, onText) == HTCAPTION);

  RECT ok;
  GetWindowRect(GetDlgItem(notice.window, IDOK), &ok);
  const LPARAM onOk = MAKELPARAM((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
  CHECK(SendMessageW(GetDlgItem(notice.window, IDOK), WM_NCHITTEST, 0, onOk) == HTCLIENT);
}

// A real drag with the mouse, from another thread, since the system's move
// loop holds this one until the button is released.
struct Drag {
  POINT from, to;
};

void MouseTo(POINT p, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  SendInput(1, &in, sizeof(in));
}

DWORD WINAPI DragThread(void* parameter) {
  const Drag& d = *static_cast<const Drag*>(parameter);
  MouseTo(d.from, 0);
  Sleep(100);
  MouseTo(d.from, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 10; ++step) {
    Sleep(30);
    MouseTo({d.from.x + (d.to.x - d.from.x) * step / 10, d.from.y + (d.to.y - d.from.y) * step / 10}, 0);
  }
  Sleep(100);
  MouseTo(d.to, MOUSEEVENTF_LEFTUP);
  return 0;
}

void DragWithMouse(POINT from, POINT to) {
  Drag drag{from, to};
  HANDLE thread = CreateThread(nullptr, 0, DragThread, &drag, 0, nullptr);
  REQUIRE(thread);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) test::Pump(1);
  CloseHandle(thread);
  test::Pump(200);
}

TEST_CASE("dragging the caption band or the text moves the window with the mouse") {
  OpenNotice notice("Перетащите меня");
  SetWindowPos(notice.window, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  DragWithMouse({260, 200 + Metrics().topBand / 2}, {360, 260 + Metrics().topBand / 2});
  CHECK(notice.Rect().left == 300);
  CHECK(notice.Rect().top == 260);

  RECT text;
  GetWindowRect(notice.Text(), &text);
  const POINT from{text.left + 10, (text.top + text.bottom) / 2};
  DragWithMouse(from, {from.x - 80, from.y + 40});
  CHECK(notice.Rect().left == 220);
  CHECK(notice.Rect().top == 300);
}

TEST_CASE("the class has a drop shadow exactly where the system offers one") {
  OpenNotice notice("Тень");
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof(v);
  GetVersionExW(&v);
  const bool expected = dialog::DropShadowSupported(v.dwPlatformId == VER_PLATFORM_WIN32_NT,
                                                    static_cast<int>(v.dwMajorVersion),
                                                    static_cast<int>(v.dwMinorVersion));
  CHECK(((GetClassLongW(notice.window, GCL_STYLE) & CS_DROPSHADOW) != 0) == expected);
}

TEST_CASE("long texts wrap and the window grows with them, never beyond the work area") {
  const dialog::FrameMetrics& m = Metrics();
  const int frameWidth = m.leftBand + 2 * m.margin;
  int shortHeight = 0;
  {
    OpenNotice notice("Готово.");
    const RECT r = notice.Rect();
    CHECK(r.right - r.left == frameWidth + m.minTextWidth);
    shortHeight = r.bottom - r.top;
  }
  {
    OpenNotice notice(Words(150));
    const RECT r = notice.Rect();
    CHECK(r.right - r.left <= frameWidth + m.maxTextWidth);
    CHECK(r.right - r.left > frameWidth + m.maxTextWidth * 9 / 10);
    CHECK(r.bottom - r.top > shortHeight + 5 * m.labelHeight);
    RECT text;
    GetWindowRect(notice.Text(), &text);
    CHECK(text.bottom <= r.bottom - m.bottomBand);
  }
  {
    OpenNotice notice(Words(6000));
    const RECT r = notice.Rect();
    const RECT work = WorkRect();
    CHECK(r.bottom - r.top <= work.bottom - work.top);
    CHECK(r.top >= work.top);
    CHECK(r.bottom <= work.bottom);
  }
  {
    // A caption longer than the text widens the window so it shows whole.
    const std::string caption = "Tikolvo: Обновление параметров меню WWW и ещё немного слов в заголовке";
    OpenNotice notice("Да.", caption);
    const RECT r = notice.Rect();
    CHECK(r.right - r.left > frameWidth + m.minTextWidth);
  }
}

TEST_CASE("the frame draws lighter and darker bands and the icon with its shadow") {
  OpenNotice notice("Картинка");
  const test::Picture p = test::CaptureFrame(notice.window);
  const dialog::FrameMetrics& m = Metrics();
  auto luma = [](uint32_t c) { return ((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF); };

  // Top band: lighter at its top than at its bottom; the edge is darker than both.
  CHECK(luma(p.At(p.width / 2, 2)) > luma(p.At(p.width / 2, m.topBand - 3)));
  CHECK(luma(p.At(0, p.height / 2)) < luma(p.At(2, p.height / 2)));

  // The icon is the notice picture of the program's strip, and its shadow
  // darkens the band below it more than above it.
  const int left = (m.leftBand - m.icon) / 2, top = m.topBand + m.margin;
  int below = 0, above = 0;
  for (int x = left; x < left + m.icon; ++x) {
    below += luma(p.At(x, top + m.icon + 1));
    above += luma(p.At(x, top - 2));
  }
  CHECK(below < above);
  if (m.icon == kLargeSystemPictureSize) {
    const Picture notice = LargeSystemStrip().At(system_picture::kNotice);
    int matching = 0, opaque = 0;
    for (int y = 0; y < notice.height; ++y)
      for (int x = 0; x < notice.width; ++x) {
        if ((notice.At(x, y) >> 24) != 255) continue;
        ++opaque;
        const uint32_t want = notice.At(x, y) & 0xFFFFFF, got = p.At(left + x, top + y);
        matching += std::abs(static_cast<int>(luma(want)) - static_cast<int>(luma(got))) <= 30;
      }
    CHECK(opaque > 100);
    CHECK(matching * 10 >= opaque * 9);
  }
}

TEST_CASE("opening and closing windows keeps the GDI object count flat") {
  test::CaptureFrame(OpenNotice("Разогрев").window);  // the frame's fonts and brushes are made once
  const long before = test::CountGuiHandles().gdi;
  for (int i = 0; i < 20; ++i) {
    OpenNotice notice("Проверка " + std::to_string(i));
    test::CaptureFrame(notice.window);
  }
  CHECK(test::CountGuiHandles().gdi <= before + 2);
}

}  // namespace
}  // namespace tikolvo
