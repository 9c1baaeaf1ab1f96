// The task wizard TF_m driven through its buttons inside its own modal loop:
// a timed message task created page by page and found in plan.db, edited
// back in place, the two balloon items, the keyboard, and the refusals.
#include "win_test.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/win/file_replacer.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "dialog_test_support.h"
#include "program_folder.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_row.h"
#include "scheduler/win/task_wizard.h"
#include "scheduler/win/task_wizard_ids.h"

namespace tikolvo {
namespace {

using test::TextOf;
using test::WhenShown;

class RecordingTests : public WizardTests {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override {
    calls.push_back("message " + std::string(title) + " / " + std::string(text));
  }
  void Beep(int frequency, int milliseconds) override {
    calls.push_back("beep " + std::to_string(frequency) + " " + std::to_string(milliseconds));
  }
  void ShowBalloon(const BalloonRequest& r) override {
    calls.push_back("balloon " + r.text + " target=" + std::to_string(r.targetTaskId));
  }
  void PlaySoundFile(const std::string& path) override { calls.push_back("file " + path); }
  void StopSound() override { calls.push_back("stop"); }
  void PlayBuiltinSound(int number) override { calls.push_back("sound " + std::to_string(number)); }
  std::vector<std::string> ConnectionNames() override { return {"Модем"}; }
  std::vector<std::string> calls;
};

class PlanFolder {
 public:
  PlanFolder() { CreatePlanFile(path(), LocalNow()); }
  std::string path() const { return folder_.File("plan.db"); }
  std::string Bytes() const { return ReadWholeFile(path()).value_or(""); }
  const std::string& folder() const { return folder_.path(); }
  // "Od" and "Ods" as the wizard's file dialogs use them.
  WizardFolders dialogs() { return {programs, sounds}; }

  DialogFolder programs;
  DialogFolder sounds;

 private:
  test::ProgramFolder folder_;
};

HWND Item(HWND wizard, int id) {
  // The pages are child dialogs of the wizard; look through each.
  for (HWND child = GetWindow(wizard, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND item = GetDlgItem(child, id)) return item;
  return GetDlgItem(wizard, id);
}

std::string Caption(HWND wizard) { return TextOf(GetDlgItem(wizard, IDC_WIZ_L_capt)); }
void Click(HWND wizard, int id) { SendMessageW(Item(wizard, id), BM_CLICK, 0, 0); }
void Next(HWND wizard) { Click(wizard, IDOK); }
bool Checked(HWND wizard, int id) { return SendMessageW(Item(wizard, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool Shown(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

void SetText(HWND wizard, int id, const std::string& text) {
  SetWindowTextW(Item(wizard, id), Widen(text).c_str());
}

void SetTime(HWND wizard, int id, int hour, int minute, int second) {
  SYSTEMTIME time{};
  SendMessageW(Item(wizard, id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = 0;
  SendMessageW(Item(wizard, id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void Snap(HWND wizard, const std::string& name) { test::SavePicture(wizard, "TF_m_" + name); }

// Posted keys go through the dialog manager as the wizard's own loop has it.
void PressKey(HWND wizard, UINT key) {
  HWND target = GetFocus() ? GetFocus() : wizard;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(wizard, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// Closes the notice the wizard shows for a missing name, once it is up.
std::string g_notice;
void CALLBACK CloseNotice(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND notice = FindWindowW(L"TF_message", nullptr)) {
    KillTimer(nullptr, timer);
    g_notice = TextOf(notice);
    PostMessageW(notice, WM_COMMAND, IDOK, 0);
  }
}

// The open-file dialog a "Обзор" button shows, met from inside its own
// loop: where it opened, the file type it offers, then `pick` (a full
// path, so that a dialog opened elsewhere still closes) is chosen.
struct OpenDialogVisit {
  HWND wizard = nullptr;
  std::string pick;
  std::string folder;
  std::string type;
};
OpenDialogVisit g_open;

BOOL CALLBACK FindOpenDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (window == g_open.wizard || !IsWindowVisible(window) || std::wstring(name) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK PickInOpenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindOpenDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, timer);
  wchar_t folder[MAX_PATH] = {};
  SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
  g_open.folder = Narrow(folder);
  HWND types = GetDlgItem(dialog, cmb1);
  wchar_t type[256] = {};
  SendMessageW(types, CB_GETLBTEXT, SendMessageW(types, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(type));
  g_open.type = Narrow(type);
  HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
  SetWindowTextW(name, Widen(g_open.pick).c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// Clicks a "Обзор" button and answers its dialog with `pick`.
OpenDialogVisit Browse(HWND wizard, int button, const std::string& pick) {
  g_open = OpenDialogVisit{wizard, pick, "", ""};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PickInOpenDialog);
  Click(wizard, button);
  KillTimer(nullptr, timer);
  return g_open;
}

std::string WithoutSlash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

TPlanTask OnlyTask(const PlanFolder& folder) {
  const std::string bytes = folder.Bytes();
  REQUIRE(bytes.size() == 4 + 1576);
  return DecodePlanTask(std::string_view(bytes).substr(4));
}

TEST_CASE("the wizard creates a timed message task page by page and edits it back in place") {
  PlanFolder folder;
  RecordingTests tests;
  int refreshed = 0;
  std::vector<std::string> captions;
  std::string header, windowCaption, lastButton, firstButtons;
  bool backAtStart = true;
  {
    WhenShown when(L"#32770", [&](HWND w) {
      windowCaption = TextOf(w);
      header = TextOf(GetDlgItem(w, IDC_WIZ_L_capt_gen));
      backAtStart = IsWindowEnabled(GetDlgItem(w, IDC_WIZ_B_back));
      Snap(w, "00_actions");
      captions.push_back(Caption(w));
      Click(w, IDC_WIZ_CLB_0 + 3);  // "Показать сообщение"
      Next(w);
      captions.push_back(Caption(w));
      firstButtons = TextOf(GetDlgItem(w, IDC_WIZ_B_back)) + " " + TextOf(GetDlgItem(w, IDOK));
      Snap(w, "01_trigger");
      Next(w);
      captions.push_back(Caption(w));
      SetText(w, IDC_WIZ_E_plan_mes, "Пора обедать");
      Click(w, IDC_WIZ_B_mess_trest);
      Snap(w, "05_message");
      Next(w);
      captions.push_back(Caption(w));
      SetTime(w, IDC_WIZ_TIME, 14, 5, 0);
      Snap(w, "11_time");
      Next(w);
      captions.push_back(Caption(w));
      Click(w, IDC_WIZ_CLB_WEEK_0 + 6);  // no Sundays
      Snap(w, "12_options");
      Next(w);
      captions.push_back(Caption(w));
      lastButton = TextOf(GetDlgItem(w, IDOK));
      SetText(w, IDC_WIZ_E_name_pl, "Обед");
      Snap(w, "13_name");
      Next(w);
    });
    CHECK(RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, folder.path()}, tests, folder.dialogs(),
                        [&] { ++refreshed; }));
    CHECK(when.ran());
  }
  CHECK(windowCaption == "Tikolvo. Мастер планировки заданий");
  CHECK(header == "Мастер планировки заданий: Создание нового задания.");
  CHECK_FALSE(backAtStart);
  const std::vector<std::string> expectedCaptions{
      "Действия, выполняемые заданием.", "Определение момента срабатывания задания.", "Текстовое сообщение.",
      "Время срабатывания задания.",     "Дополнительные свойства задания.",          "Имя задания."};
  CHECK(captions == expectedCaptions);
  CHECK(firstButtons == "Назад Далее");
  CHECK(lastButton == "Готово");
  CHECK(refreshed == 1);
  REQUIRE(tests.calls.size() == 1);
  CHECK(tests.calls[0] == "message Tikolvo: Планировщик / Пора обедать");

  const std::string bytes = folder.Bytes();
  REQUIRE(bytes.size() == 4 + 1576);
  CHECK(bytes.substr(4, 5) == std::string("\x04\xce\xe1\xe5\xe4", 5));  // "Обед" in CP1251
  TPlanTask task = OnlyTask(folder);
  CHECK(task.inUse);
  CHECK(task.editMark == 1);
  CHECK(task.trigger == TaskTrigger::kAtTime);
  CHECK(task.everyDay);
  CHECK(task.messageActive);
  CHECK(task.messageText == "Пора обедать");
  CHECK(TimeOfDaySeconds(task.when) == 14 * 3600 + 5 * 60);
  CHECK(task.weekdayFilter);
  const std::array<bool, 7> noSunday{true, true, true, true, true, true, false};
  CHECK(task.weekdays == noSunday);
  CHECK_FALSE(task.monthFilter);
  CHECK(task.soundIndex == -1);
  const std::int32_t id = task.id;

  std::string editHeader, loadedText;
  bool messageChecked = false, sundayChecked = true;
  {
    WhenShown when(L"#32770", [&](HWND w) {
      editHeader = TextOf(GetDlgItem(w, IDC_WIZ_L_capt_gen));
      messageChecked = Checked(w, IDC_WIZ_CLB_0 + 3);
      sundayChecked = Checked(w, IDC_WIZ_CLB_WEEK_0 + 6);
      Click(w, IDC_WIZ_CLB_0 + 6);  // and a beep
      Next(w);
      Next(w);
      loadedText = TextOf(Item(w, IDC_WIZ_E_plan_mes));
      SetText(w, IDC_WIZ_E_plan_mes, "Обед через пять минут");
      Next(w);
      SendMessageW(Item(w, IDC_WIZ_TP_beep_freq), TBM_SETPOS, TRUE, 0);
      SendMessageW(Item(w, IDC_WIZ_TR_beep_long), TBM_SETPOS, TRUE, 4);
      SendMessageW(w, WM_HSCROLL, 0, reinterpret_cast<LPARAM>(Item(w, IDC_WIZ_TR_beep_long)));
      Click(w, IDC_WIZ_B_Beep_test);
      CHECK(TextOf(Item(w, IDC_WIZ_L_beep_freq)) == "300 Гц");
      CHECK(TextOf(Item(w, IDC_WIZ_L_beep_long)) == "2 секунды");
      Snap(w, "08_beeper");
      Next(w);
      Next(w);
      Next(w);
      Next(w);
    });
    CHECK(RunTaskWizard(nullptr, {WizardRequest::Kind::kEdit, 0, id, folder.path()}, tests, folder.dialogs()));
  }
  CHECK(editHeader == "Мастер планировки заданий: Редактирование задания \"Обед\"");
  CHECK(messageChecked);
  CHECK_FALSE(sundayChecked);
  CHECK(loadedText == "Пора обедать");
  CHECK(tests.calls.back() == "beep 300 2000");
  task = OnlyTask(folder);
  CHECK(task.id == id);
  CHECK(task.editMark == -1);
  CHECK(task.messageText == "Обед через пять минут");
  CHECK(task.beepActive);
  CHECK(task.beepFrequency == 300);
  CHECK(task.beepDuration == 2000);
  CHECK(TimeOfDaySeconds(task.when) == 14 * 3600 + 5 * 60);
  CHECK(task.weekdayFilter);
}

TEST_CASE("the balloon items exclude each other and the countdown picks a task from the list") {
  PlanFolder folder;
  RecordingTests tests;
  bool hintAfterCountdown = true, textShown = true, listShown = false;
  std::string firstItem, iconPage;
  WhenShown when(L"#32770", [&](HWND w) {
    Click(w, IDC_WIZ_CLB_0 + 7);
    Click(w, IDC_WIZ_CLB_0 + 8);
    hintAfterCountdown = Checked(w, IDC_WIZ_CLB_0 + 7);
    textShown = Shown(Item(w, IDC_WIZ_E_hint));
    listShown = Shown(Item(w, IDC_WIZ_CB_hintTimer));
    Click(w, IDC_WIZ_CLB_0 + 7);
    Click(w, IDC_WIZ_CLB_0 + 5);  // hang-up: the connection list is filled
    Next(w);
    Next(w);
    CHECK(SendMessageW(Item(w, IDC_WIZ_CB_COnn), CB_GETCOUNT, 0, 0) == 2);
    Snap(w, "07_connection");
    Next(w);
    iconPage = Caption(w);
    SetText(w, IDC_WIZ_E_hint, "Проверка");
    Click(w, IDC_WIZ_B_hint);
    Snap(w, "09_hint");
    PressKey(w, VK_ESCAPE);
  });
  CHECK_FALSE(RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, folder.path()}, tests, folder.dialogs()));
  CHECK_FALSE(hintAfterCountdown);
  CHECK_FALSE(textShown);
  CHECK(listShown);
  CHECK(iconPage == "Всплывающая подсказка.");
  REQUIRE(tests.calls.size() == 1);
  CHECK(tests.calls[0] == "balloon Проверка target=-1");
  // Esc saved nothing: the fresh file's one free record is still all there is.
  CHECK(folder.Bytes().size() == 4 + 1576);
  CHECK_FALSE(DecodePlanTask(std::string_view(folder.Bytes()).substr(4)).inUse);
}

// "Od" and "Ods": each dialog opens where its folder was last chosen, offers
// its documented file types, and remembers the folder of the file picked.
TEST_CASE("the program and sound dialogs open at their remembered folders and remember the folder chosen") {
  PlanFolder folder;
  RecordingTests tests;
  const std::string sounds = folder.folder() + "sounds\\";
  CreateDirectoryW(Widen(sounds).c_str(), nullptr);
  for (const std::string& file : {folder.folder() + "tool.exe", sounds + "ring.wav"}) {
    REQUIRE(SaveFileAtomically(file, "x"));
  }
  folder.programs.initial = folder.folder();
  folder.sounds.initial = sounds;
  OpenDialogVisit program, sound;
  std::string programPath, soundPath;
  WhenShown when(L"#32770", [&](HWND w) {
    Click(w, IDC_WIZ_CLB_0 + 1);  // "Запуск программы или открытие файла"
    Click(w, IDC_WIZ_CLB_0 + 2);  // "Проигрывание музыкального файла"
    Next(w);
    Next(w);
    program = Browse(w, IDC_WIZ_B_brows, folder.folder() + "tool.exe");
    programPath = TextOf(Item(w, IDC_WIZ_E_plan_run));
    Next(w);
    sound = Browse(w, IDC_WIZ_B_mus_brows, sounds + "ring.wav");
    soundPath = TextOf(Item(w, IDC_WIZ_E_plan_mus));
    PressKey(w, VK_ESCAPE);
  });
  CHECK_FALSE(RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, folder.path()}, tests, folder.dialogs()));
  CHECK(program.folder == WithoutSlash(folder.folder()));
  CHECK(program.type == "Все файлы (*.*)");
  CHECK(programPath == folder.folder() + "tool.exe");
  CHECK(folder.programs.chosen == folder.folder());
  CHECK(sound.folder == WithoutSlash(sounds));
  CHECK(sound.type == "Поддерживаемы форматы (mp3,wav,ogg)");
  CHECK(soundPath == sounds + "ring.wav");
  CHECK(folder.sounds.chosen == sounds);
  DeleteFileW(Widen(sounds + "ring.wav").c_str());
  RemoveDirectoryW(Widen(sounds).c_str());
}

TEST_CASE("Enter moves on, an empty name is refused with a notice, and the wizard stays open") {
  PlanFolder folder;
  RecordingTests tests;
  std::string afterEnter, stillOn;
  WhenShown when(L"#32770", [&](HWND w) {
    PressKey(w, VK_RETURN);
    afterEnter = Caption(w);
    Click(w, IDC_WIZ_RBE_0 + 1);  // hourly: no time page
    Next(w);
    Next(w);
    Snap(w, "13_empty_name");
    SetText(w, IDC_WIZ_E_name_pl, "");
    g_notice.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseNotice);
    Next(w);
    KillTimer(nullptr, timer);
    stillOn = Caption(w);
    SetText(w, IDC_WIZ_E_name_pl, "Каждый час");
    Next(w);
  });
  CHECK(RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, folder.path()}, tests, folder.dialogs()));
  CHECK(afterEnter == "Определение момента срабатывания задания.");
  CHECK(g_notice == "Tikolvo: Уведомление");
  CHECK(stillOn == "Имя задания.");
  const TPlanTask task = OnlyTask(folder);
  CHECK(task.name == "Каждый час");
  CHECK(task.trigger == TaskTrigger::kHourly);
  CHECK(task.when > 0);
  CHECK(task.when <= 1.0);  // a bare time of day (midnight after 23:00)
}

TEST_CASE("with every action and a monthly trigger the wizard walks every page there and back") {
  PlanFolder folder;
  RecordingTests tests;
  std::vector<std::string> forward, back;
  WhenShown when(L"#32770", [&](HWND w) {
    for (int item = 0; item < 8; ++item) Click(w, IDC_WIZ_CLB_0 + item);
    Next(w);
    Click(w, IDC_WIZ_RBE_0 + 5);
    for (int step = 0; step < 11; ++step) {
      forward.push_back(Caption(w));
      Snap(w, "walk_" + std::to_string(step));
      Next(w);
    }
    forward.push_back(Caption(w));
    Click(w, IDC_WIZ_B_back);
    back.push_back(Caption(w));
    Click(w, IDC_WIZ_B_back);
    back.push_back(Caption(w));
    Click(w, IDCANCEL);
  });
  CHECK_FALSE(RunTaskWizard(nullptr, {WizardRequest::Kind::kNew, 0, 0, folder.path()}, tests, folder.dialogs()));
  const std::vector<std::string> expectedForward{
      "Определение момента срабатывания задания.", "Управление питанием компьютера.",
      "Запуск программы или открытие файла.",       "Выбор звукового файла.",
      "Текстовое сообщение.",                       "Выбор звука.",
      "Удаленные соединения.",                      "Системный динамик (Speaker).",
      "Всплывающая подсказка.",                     "Ежемесячное задание.",
      "Дополнительные свойства задания.",           "Имя задания."};
  CHECK(forward == expectedForward);
  CHECK_FALSE(DecodePlanTask(std::string_view(folder.Bytes()).substr(4)).inUse);
  const std::vector<std::string> expectedBack{"Дополнительные свойства задания.",
                                              "Время срабатывания задания (ежемесячное задание)."};
  CHECK(back == expectedBack);
}

TEST_CASE("opened on a calendar day the wizard shows that date for a single firing") {
  PlanFolder folder;
  RecordingTests tests;
  SYSTEMTIME shown{};
  bool everyDay = true, dateEnabled = false;
  WhenShown when(L"#32770", [&](HWND w) {
    Next(w);
    Next(w);
    SendMessageW(Item(w, IDC_WIZ_DATA), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    everyDay = Checked(w, IDC_WIZ_CB_EVERY);
    dateEnabled = IsWindowEnabled(Item(w, IDC_WIZ_DATA));
    Click(w, IDCANCEL);
  });
  const DateTime day = EncodeDate(2026, 3, 15);
  CHECK_FALSE(RunTaskWizard(nullptr, {WizardRequest::Kind::kNewOnDay, day, 0, folder.path()}, tests, folder.dialogs()));
  CHECK((shown.wYear == 2026 && shown.wMonth == 3 && shown.wDay == 15));
  CHECK_FALSE(everyDay);
  CHECK(dateEnabled);
}

}  // namespace
}  // namespace tikolvo
