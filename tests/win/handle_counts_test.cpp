// The program's GDI and USER objects stay flat while it runs: over 10 000
// ticks of the clock, 100 skin reloads and repeated openings of each window
// it opens on demand. Each run starts after a few warm-up rounds, so caches
// that fill once are not taken for leaks.
#include "win_test.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/win/main_form.h"
#include "audio/fake_audio_out.h"
#include "common/date_time.h"
#include "common/win/balloon_window.h"
#include "common/win/message_dialogs.h"
#include "common/win/system_time.h"
#include "dialog_test_support.h"
#include "handle_counts.h"
#include "program_folder.h"
#include "reminders/reminder_editor.h"
#include "reminders/win/reminder_editor_window.h"
#include "scheduler/plan_file.h"
#include "scheduler/win/task_wizard.h"

namespace tikolvo {
namespace {

using test::CountGuiHandles;
using test::GuiHandleCounts;
using test::WhenShown;

// Under Wine without a window manager every closing of an activated window
// waits about two seconds for the X server; the modal windows are opened a
// quarter as often to keep the suite's time in bounds.
constexpr int kOpenings = 100;
constexpr int kModalOpenings = 25;

// A cache may still take an object or two after the warm-up; a leak of one
// object in fifty rounds already shows.
constexpr long kStrayObjects = 2;

void CheckFlat(const char* what, int rounds, const std::function<void(int)>& round) {
  for (int i = 0; i < 3; ++i) round(i);
  test::Pump(30);
  const GuiHandleCounts before = CountGuiHandles();
  for (int i = 0; i < rounds; ++i) round(i);
  test::Pump(30);
  const GuiHandleCounts after = CountGuiHandles();
  INFO(what << ": GDI " << before.gdi << " -> " << after.gdi << ", USER " << before.user << " -> " << after.user);
  CHECK(after.gdi <= before.gdi + kStrayObjects);
  CHECK(after.user <= before.user + kStrayObjects);
}

// Closes whatever window of the class shows up next, from inside its loop.
void CloseWhenShown(const wchar_t* className, const std::function<void()>& open) {
  WhenShown when(className, [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); });
  open();
  CHECK(when.ran());
}

struct Clock : ClockCommands {
  test::ProgramFolder folder;
  SettingsStore store;
  audio::test::FakeAudioOut out;
  audio::AudioEngine engine{out};
  audio::SoundPlayer sounds{engine, ""};
  MainForm form{store, sounds, *this};
  Clock() {
    store.programFolder = folder.path();
    store.Load();
    store.windowState = &form;
    REQUIRE(form.FormCreate());
    form.FormShow();
  }
  void OpenSettings() override {}
  void OpenScheduler() override {}
  void HangUpAll() override {}
  void RunPowerAction(PowerButtonAction) override {}
  void SaveAtClose() override {}
  void InstallSkin(const std::string&) override {}
  void Ticked() override {}
  void ClockChanged() override {}
};

// The shipped skins the build made, and a path that is no skin at all.
std::vector<std::string> SkinsToLoad() {
  std::string folder = test::EnvVar(L"TIKOLVO_SKINS_DIR");
  if (folder.empty()) folder = "generated/skins";
  if (folder[0] == '/') folder = "Z:" + folder;
  for (char& c : folder)
    if (c == '/') c = '\\';
  std::vector<std::string> skins;
  for (const char* name : {"default.tks", "layered.tks", "colourmap.tks", "testfolder\\"}) {
    const std::string path = folder + "\\" + name;
    if (GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES) skins.push_back(path);
  }
  skins.push_back(folder + "\\missing.tks");
  return skins;
}

TEST_CASE("the handle counts see objects come and go") {
  const GuiHandleCounts before = CountGuiHandles();
  REQUIRE(before.gdi > 0);
  REQUIRE(before.user > 0);
  HBRUSH brushes[10];
  for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
  HMENU menus[3];
  for (HMENU& menu : menus) menu = CreatePopupMenu();
  const GuiHandleCounts during = CountGuiHandles();
  for (HBRUSH brush : brushes) DeleteObject(brush);
  for (HMENU menu : menus) DestroyMenu(menu);
  const GuiHandleCounts after = CountGuiHandles();
  CHECK(during.gdi == before.gdi + 10);
  CHECK(during.user == before.user + 3);
  CHECK(after.gdi == before.gdi);
  CHECK(after.user == before.user);
}

TEST_CASE("the clock's ticks and skin reloads hold no more objects at the end than at the start") {
  Clock clock;
  const HWND window = clock.form.hwnd();
  CheckFlat("ticks", 10000, [&](int i) {
    SendMessageW(window, WM_TIMER, 1, 0);
    if (i % 10 == 0) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (i % 500 == 0) clock.form.trans(200 + i % 50);
  });
  const std::vector<std::string> skins = SkinsToLoad();
  REQUIRE(skins.size() >= 4);
  CheckFlat("skin reloads", 100, [&](int i) {
    clock.form.LoadSkin(skins[static_cast<std::size_t>(i) % skins.size()]);
    SendMessageW(window, WM_TIMER, 1, 0);
    UpdateWindow(window);
  });
}

TEST_CASE("opening and closing each window again and again holds no more objects at the end than at the start") {
  const std::string caption = "Tikolvo: Проверка";
  CheckFlat("notice", kOpenings, [&](int i) {
    ShowNotice(nullptr, caption, "Уведомление " + std::to_string(i), NoticeMode::Modeless);
    test::Pump(1);
    CloseModelessNotices();
  });
  CheckFlat("question", kModalOpenings, [&](int) {
    CloseWhenShown(L"TF_message_d", [&] { AskConfirmation(nullptr, caption, "Удалить?", "Отмена", "Удалить"); });
  });
  CheckFlat("input", kModalOpenings, [&](int) {
    CloseWhenShown(L"TF_message_e", [&] { AskTexts(nullptr, {caption, {{"Имя", "текст"}, {"Путь", ""}}}); });
  });
  BalloonHint balloons;
  CheckFlat("balloon", kOpenings, [&](int i) {
    balloons.ShowBalloon(caption, "Балун " + std::to_string(i), false, -1, i % 18, 30);
    UpdateWindow(balloons.Current());
    CloseBalloons();
  });
  test::ProgramFolder folder;
  const std::string reminders = folder.File("message.db");
  CheckFlat("reminder editor", kModalOpenings, [&](int) {
    CloseWhenShown(L"TF_mess_text",
                   [&] { RunReminderEditor(nullptr, reminders, OpenReminderEditorToAdd(LocalNow())); });
  });
  const std::string plan = folder.File("plan.db");
  CreatePlanFile(plan, LocalNow());
  struct NoTests : WizardTests {
    void ShowMessage(std::string_view, std::string_view) override {}
    void Beep(int, int) override {}
    void ShowBalloon(const BalloonRequest&) override {}
    void PlaySoundFile(const std::string&) override {}
    void StopSound() override {}
    void PlayBuiltinSound(int) override {}
    std::vector<std::string> ConnectionNames() override { return {}; }
  } tests;
  DialogFolder programs, sounds;
  CheckFlat("task wizard", kModalOpenings, [&](int) {
    CloseWhenShown(L"#32770", [&] {
      RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, plan}, tests, {programs, sounds});
    });
  });
}

}  // namespace
}  // namespace tikolvo
