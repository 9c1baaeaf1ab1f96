// The main window in-process: shape, opacity, stacking, snapping through the
// real WM_WINDOWPOSCHANGING, and the settings written on close.
#include "win_test.h"

#include <string>

#include "audio/fake_audio_out.h"
#include "app/win/face_view.h"
#include "app/win/hint_window.h"
#include "app/win/main_form.h"
#include "common/win/system_clock.h"
#include "common/file_io.h"
#include "common/win/file_replacer.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

std::string FreshFolder() {
  wchar_t buffer[MAX_PATH];
  GetTempPathW(MAX_PATH, buffer);
  std::string folder = Narrow(buffer) + "tikolvo-main-form\\";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  DeleteFileW(Widen(folder + "config.cfg").c_str());
  return folder;
}

// The program's part in closing is the settings save.
struct RunningClock : ClockCommands {
  SettingsStore app;
  audio::test::FakeAudioOut out;
  audio::AudioEngine engine{out};
  audio::SoundPlayer sounds{engine, ""};
  MainForm form{app, sounds, *this};
  RunningClock() {
    InstallWindowsFileReplacer();
    app.programFolder = FreshFolder();
    app.Load();
    app.windowState = &form;
    app.settings.pos = WindowPosition{200, 300};
    REQUIRE(form.FormCreate());
  }
  RECT Rect() const {
    RECT r;
    GetWindowRect(form.hwnd(), &r);
    return r;
  }
  RECT Work() const {
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
  }
  void MoveTo(int x, int y) { SetWindowPos(form.hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }
  LONG ExStyle() const { return GetWindowLongW(form.hwnd(), GWL_EXSTYLE); }

  void OpenSettings() override {}
  void OpenScheduler() override {}
  void HangUpAll() override {}
  void RunPowerAction(PowerButtonAction) override {}
  void ClockChanged() override { ++clockChanges; }
  void SaveAtClose() override { app.Save(); }
  void InstallSkin(const std::string&) override {}
  void Ticked() override {}
  int clockChanges = 0;
};

TEST_CASE("the built-in face's shape leaves the corners out") {
  FaceView face;
  SystemClock clock;
  Locale locale;
  FaceLabelTexts texts(clock, locale);
  REQUIRE(face.ShowBuiltin(texts));
  HRGN region = face.CreateBuiltinRegion();
  REQUIRE(region != nullptr);
  CHECK_FALSE(PtInRegion(region, 0, 0));
  CHECK_FALSE(PtInRegion(region, face.width() - 1, face.height() - 1));
  CHECK(PtInRegion(region, face.width() / 2, 0));
  CHECK(PtInRegion(region, face.width() / 2, face.height() / 2));
  DeleteObject(region);
}

std::string FacePixels(const FaceView& face) {
  DibSection dib = CreateDib32(face.width(), face.height());
  MemDc dc;
  SelectGuard select(dc.get(), dib.bitmap.get());
  face.Paint(dc.get(), RECT{0, 0, face.width(), face.height()});
  GdiFlush();
  return std::string(static_cast<const char*>(dib.bits), static_cast<std::size_t>(face.width()) * face.height() * 4);
}

HandAngles SecondsPast(int seconds) {
  HandAngles a;
  a.second = seconds % 60 / 60.0 * 6.283185307179586;
  a.minute = 0.9;
  a.hour = 5.1;
  return a;
}

TEST_CASE("ticks compose only the pixels that change, and the face equals one composed whole") {
  SystemClock clock;
  Locale locale;
  FaceLabelTexts texts(clock, locale);
  FaceView face, whole;
  REQUIRE(face.ShowBuiltin(texts));
  REQUIRE(whole.ShowBuiltin(texts));
  face.engine().SetAngles(SecondsPast(30));
  face.Redraw(face.Everything(), true, texts);
  CHECK(face.Redraw(Box{}, true, texts).Empty());  // the same second again: nothing to show
  // A label strip below the hands changes with them each second: the two
  // are composed and shown apart, and nothing between them is.
  const Box hands = face.HandBox();
  const Box label{hands.left, hands.bottom + 2, hands.right, face.height()};
  REQUIRE_FALSE(label.Empty());
  for (int second = 31; second < 36; ++second) {
    face.engine().SetAngles(SecondsPast(second));
    const FaceChanges changed = face.Redraw(label, true, texts);
    REQUIRE(changed.count == 2);
    CHECK(changed.boxes[0] == label);
    const Box& moved = changed.boxes[1];
    CHECK(Intersect(moved, hands) == moved);
    CHECK(moved.Width() * moved.Height() < hands.Width() * hands.Height() / 2);
  }
  whole.engine().SetAngles(SecondsPast(35));
  whole.Redraw(whole.Everything(), true, texts);
  CHECK(FacePixels(face) == FacePixels(whole));
}

TEST_CASE("the window is created where the settings say, layered, without a taskbar button") {
  RunningClock clock;
  const RECT r = clock.Rect();
  CHECK(r.left == 300);
  CHECK(r.top == 200);
  CHECK(r.right - r.left == 241);
  CHECK((clock.ExStyle() & WS_EX_LAYERED) != 0);
  CHECK((clock.ExStyle() & WS_EX_TOOLWINDOW) != 0);
  CHECK((clock.ExStyle() & WS_EX_ACCEPTFILES) != 0);
}

TEST_CASE("moves snap to the work area only while the window is sticky") {
  RunningClock clock;
  const RECT work = clock.Work();
  clock.MoveTo(work.right - 241 - 15, 200);
  CHECK(clock.Rect().right == work.right);
  clock.form.SetSticky(false);
  clock.MoveTo(work.right - 241 - 15, 200);
  CHECK(clock.Rect().right == work.right - 15);
}

TEST_CASE("a skin that turns the edges off stops the snapping") {
  RunningClock clock;
  clock.form.SetSnapEdges(SnapEdges{false, false, false, false});
  clock.MoveTo(10, 10);
  CHECK(clock.Rect().left == 10);
  CHECK(clock.Rect().top == 10);
}

TEST_CASE("stacking modes move the window in and out of the topmost band") {
  RunningClock clock;
  clock.form.ChooseStacking(StackingMode::Topmost);
  CHECK((clock.ExStyle() & WS_EX_TOPMOST) != 0);
  clock.form.ChooseStacking(StackingMode::Neutral);
  CHECK((clock.ExStyle() & WS_EX_TOPMOST) == 0);
  clock.form.ChooseStacking(StackingMode::Topmost);
  clock.form.ChooseStacking(StackingMode::Bottommost);
  CHECK((clock.ExStyle() & WS_EX_TOPMOST) == 0);
  CHECK(clock.app.settings.inter.stackBottommost);
  CHECK_FALSE(clock.app.settings.inter.stackTopmost);
}

TEST_CASE("waking from sleep and a set clock reach the scheduler; going to sleep does not") {
  RunningClock clock;
  SendMessageW(clock.form.hwnd(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  CHECK(clock.clockChanges == 0);
  SendMessageW(clock.form.hwnd(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  SendMessageW(clock.form.hwnd(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  SendMessageW(clock.form.hwnd(), WM_TIMECHANGE, 0, 0);
  CHECK(clock.clockChanges == 3);
}

TEST_CASE("closing saves the position and the opacity to config.cfg") {
  RunningClock clock;
  clock.MoveTo(333, 222);
  clock.form.trans(180);
  SendMessageW(clock.form.hwnd(), WM_CLOSE, 0, 0);
  CHECK(clock.form.hwnd() == nullptr);
  const std::string config = ReadWholeFile(clock.app.ConfigPath()).value_or("");
  CHECK(config.find("[Pos]\r\nTop=222\r\nLeft=333\r\n") != std::string::npos);
  CHECK(config.find("Tranc=180\r\n") != std::string::npos);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}  // the quit message
}

TEST_CASE("the hint window is sized by its layout") {
  IconHintWindow hint;
  hint.SetIconFromApplicationIcon(LoadIconW(nullptr, IDI_APPLICATION), 32);
  hint.SetLayout(0);
  hint.ShowAt(POINT{100, 100}, L"Tikolvo");
  REQUIRE(hint.visible());
  RECT beside;
  GetWindowRect(hint.hwnd(), &beside);
  hint.SetLayout(4);
  hint.ShowAt(POINT{100, 100}, L"Tikolvo");
  RECT textOnly;
  GetWindowRect(hint.hwnd(), &textOnly);
  CHECK((beside.right - beside.left) - (textOnly.right - textOnly.left) == 32 + 2);
  CHECK(beside.bottom - beside.top >= 32);
  CHECK(textOnly.bottom - textOnly.top < 32);
  hint.Hide();
  CHECK_FALSE(hint.visible());
}

}  // namespace
}  // namespace tikolvo
