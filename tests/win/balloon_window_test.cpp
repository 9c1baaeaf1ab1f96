// The balloon as the scheduler and the wizard meet it: where it shows, that
// a newer one replaces it, that it closes by itself or by a click, and that
// a countdown starts its task exactly once, and only when its count ends.
#include "win_test.h"

#include "handle_counts.h"

#include <map>
#include <string>
#include <vector>

#include "common/win/balloon_window.h"
#include "common/win/gdi.h"
#include "dialog_test_support.h"

namespace tikolvo {
namespace {

using test::Pump;

// The scheduler's side: two tasks, and a record of every start with the
// name the started copy had.
struct FakeScheduler {
  std::map<int, std::string> names{{7, "Будильник"}, {12, "Проверка почты"}};
  std::vector<int> started;
  std::vector<std::string> startedNames;

  BalloonTasks Tasks() {
    return {[this](int id) -> std::optional<CountdownTask> {
      const auto found = names.find(id);
      if (found == names.end()) return std::nullopt;
      const std::string name = found->second;
      return CountdownTask{name, [this, id, name] {
                             started.push_back(id);
                             startedNames.push_back(name);
                           }};
    }};
  }
};

constexpr char kTitle[] = "Tikolvo: Планировщик";

RECT WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

BOOL CALLBACK CountBalloon(HWND window, LPARAM counter) {
  wchar_t cls[64] = {}, caption[64] = {};
  GetClassNameW(window, cls, 64);
  GetWindowTextW(window, caption, 64);
  if (std::wstring(cls) == kBalloonWindowClass && std::wstring(caption) == kBalloonWindowCaption &&
      IsWindowVisible(window))
    ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int BalloonsOnScreen() {
  int count = 0;
  EnumWindows(&CountBalloon, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Pumps messages until the window is gone; the milliseconds that took, or -1.
int WaitUntilClosed(HWND window, DWORD limit) {
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start > limit) return -1;
    Pump(10);
  }
  return static_cast<int>(GetTickCount() - start);
}

void Click(HWND window, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(window, WM_MOUSEMOVE, 0, where);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(window, WM_LBUTTONUP, 0, where);
}

// 0x00RRGGBB, as the captured pixels hold them.
uint32_t Rgb(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

TEST_CASE("a balloon shows in the bottom-right corner of the work area, on top, without taking activation") {
  CloseBalloons();
  HWND typing = CreateWindowExW(0, L"STATIC", L"typing here", WS_POPUP | WS_VISIBLE, 100, 100, 200, 80, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(typing);
  Pump(50);
  HWND active = GetForegroundWindow();

  FakeScheduler scheduler;
  BalloonHint hint(scheduler.Tasks());
  REQUIRE(hint.ShowBalloon(kTitle, "Пора обедать", false, -1, 3, 50));
  Pump(100);
  HWND balloon = FindWindowW(kBalloonWindowClass, kBalloonWindowCaption);
  REQUIRE(balloon != nullptr);
  CHECK(balloon == hint.Current());
  CHECK(IsWindowVisible(balloon));
  CHECK(hint.CurrentText() == "Пора обедать");
  CHECK((GetWindowLongW(balloon, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(GetForegroundWindow() == active);

  RECT box;
  GetWindowRect(balloon, &box);
  const RECT work = WorkArea();
  CHECK(box.right == work.right - 2);
  CHECK(box.bottom == work.bottom - 1);
  const int width = box.right - box.left, height = box.bottom - box.top;
  CHECK(height >= 42 + 10);  // one line of text
  CHECK(height <= 42 + 20);
  CHECK(width >= 80 + 100);  // the title and 80 pixels of room

  SUBCASE("its corners are rounded off, its border kept") {
    UniqueGdi<HRGN> shape(CreateRectRgn(0, 0, 0, 0));
    REQUIRE(GetWindowRgn(balloon, shape.get()) != ERROR);
    CHECK_FALSE(PtInRegion(shape.get(), 0, 0));
    CHECK_FALSE(PtInRegion(shape.get(), width - 1, height - 1));
    CHECK(PtInRegion(shape.get(), width / 2, 0));
    CHECK(PtInRegion(shape.get(), 0, height / 2));
    CHECK(PtInRegion(shape.get(), width - 1, height / 2));
  }
  SUBCASE("it is drawn in the tooltip colours with its icon") {
    const test::Picture picture = test::CaptureFrame(balloon);
    REQUIRE(picture.width == width);
    CHECK(picture.At(width / 2, 0) == Rgb(GetSysColor(COLOR_INFOTEXT)));
    CHECK(picture.At(width / 2, 3) == Rgb(GetSysColor(COLOR_INFOBK)));
    int iconPixels = 0;
    for (int y = 8; y < 24; ++y)
      for (int x = 12; x < 28; ++x) iconPixels += picture.At(x, y) != Rgb(GetSysColor(COLOR_INFOBK));
    CHECK(iconPixels > 40);
    test::SavePicture(balloon, "balloon");
  }
  DestroyWindow(typing);
}

TEST_CASE("a long text wraps and the balloon grows in height, never past the work area's edge") {
  CloseBalloons();
  BalloonHint hint;
  std::string text = "Напоминание";
  for (int i = 0; i < 24; ++i) text += " о важном деле";
  REQUIRE(hint.ShowBalloon(kTitle, text, false, -1, 0, kBalloonStaysOpen));
  RECT box;
  GetWindowRect(hint.Current(), &box);
  const RECT work = WorkArea();
  CHECK(box.bottom - box.top > 42 + 3 * 12);  // four lines or more
  CHECK(box.right - box.left <= 300 + 24);
  CHECK(box.right == work.right - 2);
  test::SavePicture(hint.Current(), "balloon_long");
}

TEST_CASE("a second balloon replaces the first, whose countdown is abandoned") {
  CloseBalloons();
  FakeScheduler scheduler;
  BalloonHint hint(scheduler.Tasks());
  REQUIRE(hint.ShowBalloon(kTitle, "", false, 7, 0, 10));
  HWND first = hint.Current();
  REQUIRE(first != nullptr);
  REQUIRE(hint.ShowBalloon(kTitle, "Второй", false, -1, 1, 30));
  CHECK_FALSE(IsWindow(first));
  CHECK(BalloonsOnScreen() == 1);
  CHECK(hint.CurrentText() == "Второй");

  SUBCASE("also when another part of the program opened it") {
    BalloonHint other;
    REQUIRE(other.ShowBalloon(kTitle, "Третий", false, -1, 2, 30));
    CHECK(hint.Current() == nullptr);
    CHECK(BalloonsOnScreen() == 1);
  }
  Pump(1600);  // well past the first one's end
  CHECK(scheduler.started.empty());
}

TEST_CASE("a one-second balloon closes by itself a little after a second; one that stays waits for a click") {
  CloseBalloons();
  BalloonHint hint;
  REQUIRE(hint.ShowBalloon(kTitle, "Одна секунда", false, -1, 0, 10));
  HWND balloon = hint.Current();
  Pump(700);
  CHECK(IsWindow(balloon));
  const int closedAfter = WaitUntilClosed(balloon, 3000);
  CHECK(closedAfter >= 0);
  CHECK(closedAfter + 700 >= 1000);
  CHECK(hint.Current() == nullptr);

  REQUIRE(hint.ShowBalloon(kTitle, "Не закрывать", false, -1, 0, kBalloonStaysOpen));
  balloon = hint.Current();
  Pump(1500);
  CHECK(IsWindow(balloon));
  Click(balloon, POINT{30, 40});
  CHECK_FALSE(IsWindow(balloon));
}

TEST_CASE("a countdown shows the time left and starts its task once when the count ends") {
  CloseBalloons();
  FakeScheduler scheduler;
  BalloonHint hint(scheduler.Tasks());
  REQUIRE(hint.ShowBalloon(kTitle, "не показывается", false, 7, 5, 30));
  HWND balloon = hint.Current();
  CHECK(hint.CurrentText() == "00:02 до выполнения задания \"Будильник\"");
  RECT before;
  GetWindowRect(balloon, &before);
  test::SavePicture(balloon, "balloon_countdown");
  Pump(1400);
  CHECK(hint.CurrentText().substr(0, 5) != "00:02");
  CHECK(scheduler.started.empty());
  RECT during;
  GetWindowRect(balloon, &during);
  CHECK(during.left == before.left);  // the window does not jump as the count changes
  CHECK(during.bottom == before.bottom);

  // The task is renamed and then deleted during the count: the balloon runs
  // the copy it announced.
  scheduler.names[7] = "Переименован";
  scheduler.names.erase(7);
  CHECK(WaitUntilClosed(balloon, 4000) >= 0);
  CHECK(scheduler.started == std::vector<int>{7});
  CHECK(scheduler.startedNames == std::vector<std::string>{"Будильник"});
  Pump(500);
  CHECK(scheduler.started == std::vector<int>{7});
}

TEST_CASE("a countdown starts nothing when clicked away, when a test, or when its task is gone") {
  CloseBalloons();
  FakeScheduler scheduler;
  BalloonHint hint(scheduler.Tasks());

  REQUIRE(hint.ShowBalloon(kTitle, "", false, 7, 0, 10));
  HWND balloon = hint.Current();
  Pump(300);
  Click(balloon, POINT{60, 40});
  CHECK_FALSE(IsWindow(balloon));

  REQUIRE(hint.ShowBalloon(kTitle, "", true, 12, 0, 10));  // the wizard's test button
  CHECK(hint.CurrentText() == "00:00 до выполнения задания \"Проверка почты\"");
  CHECK(WaitUntilClosed(hint.Current(), 3000) >= 0);

  REQUIRE(hint.ShowBalloon(kTitle, "", false, 99, 0, 10));  // no task has id 99
  CHECK(hint.CurrentText() == "00:00 до выполнения задания \"\"");
  CHECK(WaitUntilClosed(hint.Current(), 3000) >= 0);

  Pump(300);
  CHECK(scheduler.started.empty());
}

TEST_CASE("the task a countdown starts may open the next balloon") {
  CloseBalloons();
  std::vector<int> started;
  BalloonHint* self = nullptr;
  BalloonHint hint(BalloonTasks{[&](int id) -> std::optional<CountdownTask> {
    return CountdownTask{"Цепочка", [&, id] {
                           started.push_back(id);
                           self->ShowBalloon(kTitle, "Следующий", false, -1, 0, kBalloonStaysOpen);
                         }};
  }});
  self = &hint;
  REQUIRE(hint.ShowBalloon(kTitle, "", false, 3, 0, 5));
  CHECK(WaitUntilClosed(hint.Current(), 3000) >= 0);
  CHECK(started == std::vector<int>{3});
  CHECK(hint.CurrentText() == "Следующий");
  CHECK(BalloonsOnScreen() == 1);
}

TEST_CASE("the close picture lights under the mouse, presses, and a press dragged away closes nothing") {
  CloseBalloons();
  BalloonHint hint;
  REQUIRE(hint.ShowBalloon(kTitle, "Кнопка", false, -1, 0, kBalloonStaysOpen));
  HWND balloon = hint.Current();
  RECT client;
  GetClientRect(balloon, &client);
  const POINT close{client.right - 24 + 9, 6 + 9};  // the middle of the close picture
  const int corner = client.right - 24 + 2;
  const auto closeLook = [&] { return test::CaptureFrame(balloon).At(corner, 6 + 2); };

  const uint32_t normal = closeLook();
  SendMessageW(balloon, WM_MOUSEMOVE, 0, MAKELPARAM(close.x, close.y));
  const uint32_t hover = closeLook();
  CHECK(hover != normal);
  UpdateWindow(balloon);
  test::SavePicture(balloon, "balloon_close_hover");
  SendMessageW(balloon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
  const uint32_t pressed = closeLook();
  UpdateWindow(balloon);
  test::SavePicture(balloon, "balloon_close_pressed");
  CHECK(pressed != hover);
  CHECK(pressed != normal);
  SendMessageW(balloon, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 20));  // held and moved off
  CHECK(closeLook() == pressed);
  SendMessageW(balloon, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));  // released outside the balloon
  CHECK(IsWindow(balloon));
  CHECK(closeLook() == normal);

  Click(balloon, close);
  CHECK_FALSE(IsWindow(balloon));
}

TEST_CASE("balloons leave no GDI or window objects behind") {
  CloseBalloons();
  BalloonHint hint;
  REQUIRE(hint.ShowBalloon(kTitle, "Разогрев", false, 7, 0, 30));
  Pump(200);
  CloseBalloons();
  Pump(50);
  const test::GuiHandleCounts before = test::CountGuiHandles();
  for (int i = 0; i < 30; ++i) {
    REQUIRE(hint.ShowBalloon(kTitle, "Балун номер " + std::to_string(i), false, i % 2 ? 7 : -1, i % 18, 30));
    UpdateWindow(hint.Current());
    Pump(20);
  }
  CloseBalloons();
  Pump(50);
  const test::GuiHandleCounts after = test::CountGuiHandles();
  CHECK(after.gdi <= before.gdi + 2);
  CHECK(after.user <= before.user + 2);
}

}  // namespace
}  // namespace tikolvo
