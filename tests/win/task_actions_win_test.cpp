// The scheduler's task actions as the engine meets them on Windows: a program
// started in its own folder, the message window, the speaker's busy flag, the
// balloon, hang-up and the power steps. Power and dial-up go through
// recording fakes: no test switches anything off or hangs anything up.
#include "win_test.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "audio/fake_audio_out.h"
#include "audio/sound_player.h"
#include "audio/wav_bytes.h"
#include "common/win/wide_text.h"
#include "dialog_test_support.h"
#include "common/win/message_dialogs.h"
#include "scheduler/win/task_actions_win.h"

namespace tikolvo {
namespace {

using Log = std::vector<std::string>;

class RecordingPower : public PowerControl {
 public:
  explicit RecordingPower(Log& log) : log_(log) {}
  bool EnableShutdownPrivilege() override {
    log_.push_back("privilege");
    return true;
  }
  bool ExitSession(unsigned flags) override {
    log_.push_back("exit " + std::to_string(flags));
    return true;
  }
  bool Suspend(const SuspendRequest& request) override {
    log_.push_back(request.hibernate ? "hibernate" : "standby");
    return true;
  }

 private:
  Log& log_;
};

class RecordingLines : public DialUpLines {
 public:
  explicit RecordingLines(Log& log) : log_(log) {}
  std::vector<DialUpConnection> ActiveConnections() override { return {{"Модем", 5}, {"Работа", 6}}; }
  void HangUp(std::uintptr_t handle) override { log_.push_back("hang up " + std::to_string(handle)); }

 private:
  Log& log_;
};

// Everything the actions touch, recorded in the order it happened.
struct Recorder {
  Log log;
  RecordingPower power{log};
  RecordingLines lines{log};
  bool answer = true;
  std::vector<BalloonRequest> balloons;

  WinTaskActionParts Parts() {
    WinTaskActionParts parts;
    parts.showBalloon = [this](const BalloonRequest& request) { balloons.push_back(request); };
    parts.saveSettings = [this] { log.push_back("save"); };
    parts.closeProgram = [this] { log.push_back("close"); };
    parts.confirm = [this](std::string_view caption, std::string_view question) {
      log.push_back("ask " + std::string(caption) + ": " + std::string(question));
      return answer;
    };
    parts.power = &power;
    parts.dialUp = &lines;
    return parts;
  }
};

TPlanTask InUse(std::int32_t id) {
  TPlanTask task;
  task.inUse = true;
  task.id = id;
  return task;
}

std::wstring TempFolder() {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  std::wstring folder = std::wstring(base) + L"tikolvo_actions_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

bool WaitForFile(const std::wstring& path, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    test::Pump(50);
  }
  return false;
}

std::string ReadSmallFile(const std::wstring& path) {
  std::string text;
  if (FILE* f = _wfopen(path.c_str(), L"rb")) {
    char buffer[256];
    const size_t n = fread(buffer, 1, sizeof(buffer), f);
    text.assign(buffer, n);
    fclose(f);
  }
  return text;
}

TEST_CASE("a program action runs the file with its parameters in the file's own folder") {
  const std::wstring folder = TempFolder();
  const std::wstring script = folder + L"write.bat";
  const std::wstring result = folder + L"result.txt";
  DeleteFileW(result.c_str());
  if (FILE* f = _wfopen(script.c_str(), L"wb")) {
    // A relative output path: it lands beside the script only when the
    // working folder is the script's folder.
    fputs("@echo %1> result.txt\r\n", f);
    fclose(f);
  }
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  TPlanTask task = InUse(1);
  task.runActive = true;
  task.runFile = Narrow(script);
  task.runParams = "started";
  actions.ExecuteTask(task);
  REQUIRE(WaitForFile(result, 15000));
  test::Pump(300);  // let the script finish writing
  CHECK(ReadSmallFile(result).rfind("started", 0) == 0);

  SUBCASE("a missing program is ignored without an error box") {
    task.runFile = Narrow(folder) + "missing.exe";
    actions.ExecuteTask(task);
    test::Pump(200);
    CHECK(recorder.log.empty());
  }
  DeleteFileW(result.c_str());
  DeleteFileW(script.c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST_CASE("a message action opens the modeless notice with the task's text") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  TPlanTask task = InUse(2);
  task.messageActive = true;
  task.messageText = "Пора обедать";
  actions.ExecuteTask(task);  // returns at once: the notice does not wait
  HWND notice = FindWindowW(L"TF_message", L"Tikolvo: Планировщик");
  REQUIRE(notice);
  CHECK(IsWindowVisible(notice));
  CHECK(test::TextOf(FindWindowExW(notice, nullptr, L"Static", nullptr)) == "Пора обедать");
  CloseModelessNotices();

  SUBCASE("a locked task shows nothing, not even its message") {
    task.locked = true;
    actions.ExecuteTask(task);
    CHECK(FindWindowW(L"TF_message", nullptr) == nullptr);
  }
}

TEST_CASE("sound actions play through the sound player and show the stop controls only when a sound plays") {
  const std::wstring folder = TempFolder();
  const std::wstring wav = folder + L"gong.wav";
  if (FILE* f = _wfopen(wav.c_str(), L"wb")) {
    const std::string bytes = audio::test::RampWav(800);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }
  audio::test::FakeAudioOut out;
  audio::AudioEngine engine(out);
  audio::SoundPlayer sounds(engine, Narrow(folder) + "music.res");  // no bank in the folder
  Recorder recorder;
  struct StopControls : audio::SoundWatcher {
    int shown = 0;
    void SoundPlayingChanged(bool playing) override { shown += playing ? 1 : 0; }
  } stop;
  sounds.AddWatcher(stop);
  WinTaskActionParts parts = recorder.Parts();
  parts.sounds = &sounds;
  WinTaskActions actions(parts);

  TPlanTask task = InUse(6);
  task.musicActive = true;
  task.musicFile = Narrow(wav);
  actions.ExecuteTask(task);
  CHECK(stop.shown == 1);
  CHECK(out.open);
  CHECK(sounds.playing());

  task.musicFile = Narrow(folder) + "missing.wav";
  task.musicActive = true;
  task.soundActive = true;  // the bank is missing too
  task.soundIndex = 0;
  actions.ExecuteTask(task);
  CHECK(stop.shown == 1);

  DeleteFileW(wav.c_str());
  RemoveDirectoryW(folder.c_str());
}

// A tone that lasts until the test lets it end.
HANDLE toneRelease = nullptr;
volatile LONG tonesStarted = 0;
void HeldTone(std::uint32_t, std::uint32_t) {
  InterlockedIncrement(&tonesStarted);
  WaitForSingleObject(toneRelease, 10000);
}

bool WaitUntilQuiet(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (SpeakerBusy() && GetTickCount() - start < milliseconds) Sleep(10);
  return !SpeakerBusy();
}

TEST_CASE("a beep returns at once and a second one while it sounds is dropped") {
  REQUIRE(WaitUntilQuiet(5000));
  toneRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  tonesStarted = 0;
  Recorder recorder;
  WinTaskActionParts parts = recorder.Parts();
  parts.tone = &HeldTone;
  WinTaskActions actions(parts);
  TPlanTask task = InUse(3);
  task.beepActive = true;
  task.beepFrequency = 1000;
  task.beepDuration = 500;

  const DWORD start = GetTickCount();
  actions.ExecuteTask(task);
  CHECK(GetTickCount() - start < 1000);  // the held tone would take 10 s
  CHECK(SpeakerBusy());
  actions.ExecuteTask(task);  // still sounding: dropped, not queued
  SetEvent(toneRelease);
  REQUIRE(WaitUntilQuiet(5000));
  CHECK(tonesStarted == 1);

  actions.ExecuteTask(task);  // the speaker is free again
  REQUIRE(WaitUntilQuiet(5000));
  CHECK(tonesStarted == 2);

  SUBCASE("a tone the speaker cannot make starts no thread") {
    task.beepFrequency = 10;
    actions.ExecuteTask(task);
    CHECK_FALSE(SpeakerBusy());
    CHECK(tonesStarted == 2);
  }
  CloseHandle(toneRelease);
}

TEST_CASE("balloon actions: a plain balloon and a countdown, never one aimed at its own task") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  TPlanTask task = InUse(4);
  task.hintActive = true;
  task.hintText = "Проверка";
  task.hintIcon = 3;
  task.hintDuration = 50;
  actions.ExecuteTask(task);
  task.timerMode = true;
  task.timerTaskId = 8;
  actions.ExecuteTask(task);
  task.timerTaskId = 4;
  task.beepActive = false;
  task.hangUpActive = true;
  task.dialAction = 4;
  task.connectionName = "Все";
  actions.ExecuteTask(task);  // no balloon, but the hang-up still happens
  REQUIRE(recorder.balloons.size() == 2);
  CHECK(recorder.balloons[0].text == "Проверка");
  CHECK(recorder.balloons[0].targetTaskId == -1);
  CHECK(recorder.balloons[0].title == "Tikolvo: Планировщик");
  CHECK(recorder.balloons[1].targetTaskId == 8);
  CHECK(recorder.balloons[1].iconNumber == 3);
  CHECK(recorder.log == Log{"hang up 5", "hang up 6"});
}

TEST_CASE("hang-up follows the connection filter and the monitor's logged list") {
  Recorder recorder;
  WinTaskActionParts parts = recorder.Parts();
  parts.connectionFilters = [] { return ConnectionFilters{"Все", "|Работа"}; };
  WinTaskActions actions(parts);
  actions.HangUpConnections("Все разрешенные");
  CHECK(recorder.log == Log{"hang up 6"});
  recorder.log.clear();
  actions.HangUpConnections("модем");  // not shown in the logs
  CHECK(recorder.log.empty());

  SUBCASE("without a dial-up service nothing happens") {
    parts.dialUp = nullptr;
    WinTaskActions bare(parts);
    bare.HangUpConnections("Все");
    CHECK(recorder.log.empty());
  }
}

TEST_CASE("power commands ask before switching off or restarting, then save, act and close") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());

  recorder.answer = false;
  actions.PowerCommand(PowerKind::kSwitchOff);
  CHECK(recorder.log == Log{"ask Tikolvo: Выключить компьютер?"});

  recorder.log.clear();
  recorder.answer = true;
  actions.PowerCommand(PowerKind::kRestart);
  CHECK(recorder.log == Log{"ask Tikolvo: Перезагрузить компьютер?", "save", "privilege", "exit 6", "close"});

  recorder.log.clear();
  actions.PowerCommand(PowerKind::kStandby);
  actions.PowerCommand(PowerKind::kHibernate);
  CHECK(recorder.log == Log{"privilege", "standby", "privilege", "hibernate"});
}

TEST_CASE("the power button's action, asked already, is not asked again") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  recorder.answer = false;  // a second question would stop it
  actions.PowerAfterQuestion(PowerKind::kSwitchOff);
  CHECK(recorder.log == Log{"save", "privilege", "exit 12", "close"});
}

TEST_CASE("the power button's action, already asked, is not asked a second time") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  actions.PowerAfterQuestion(PowerKind::kSwitchOff);
  CHECK(recorder.log == Log{"save", "privilege", "exit 12", "close"});
  recorder.log.clear();
  actions.PowerAfterQuestion(PowerKind::kHibernate);
  CHECK(recorder.log == Log{"privilege", "hibernate"});
}

TEST_CASE("a task's power action saves first, never asks, and takes the first operation set") {
  Recorder recorder;
  WinTaskActions actions(recorder.Parts());
  TPlanTask task = InUse(5);
  task.powerOff = true;
  task.reboot = true;
  actions.ExecuteTask(task);
  CHECK(recorder.log == Log{"save", "privilege", "exit 12", "close"});

  recorder.log.clear();
  task.powerOff = task.reboot = false;
  task.standby = true;
  actions.ExecuteTask(task);
  CHECK(recorder.log == Log{"save", "privilege", "standby"});  // the program keeps running
}

TEST_CASE("the power question is the program's question window; its cancel does nothing") {
  Recorder recorder;
  WinTaskActionParts parts = recorder.Parts();
  parts.confirm = nullptr;
  WinTaskActions actions(parts);
  std::string asked;
  test::WhenShown cancel(L"TF_message_d", [&asked](HWND dialog) {
    asked = test::TextOf(FindWindowExW(dialog, nullptr, L"Static", nullptr));
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  actions.PowerCommand(PowerKind::kSwitchOff);
  CHECK(cancel.ran());
  CHECK(asked == "Выключить компьютер?");
  CHECK(recorder.log.empty());
}

}  // namespace
}  // namespace tikolvo
