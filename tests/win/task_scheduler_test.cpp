// The scheduler page over a real plan.db: what its two lists show, the
// title of the day list, and the questions before a task is run or deleted.
#include "win_test.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../common/fake_clock.h"
#include "common/file_io.h"
#include "common/win/file_replacer.h"
#include "common/win/wide_text.h"
#include "dialog_test_support.h"
#include "program_folder.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_id.h"
#include "scheduler/win/task_scheduler.h"

namespace tikolvo {
namespace {

using test::TextOf;
using test::WhenShown;

class CountingActions : public TaskActions {
 public:
  void ExecuteTask(const TPlanTask& task) override { ran.push_back(task.name); }
  void PowerCommand(PowerKind) override {}
  void HangUpConnections(const std::string&) override {}
  void ReportMissedTasks(const std::vector<std::string>&) override {}
  std::vector<std::string> ran;
};

// A folder with plan.db holding a daily task and two once-only tasks.
class PlanOnDisk {
 public:
  PlanOnDisk() {
    CreatePlanFile(path(), kNow);
    Add("Будильник", EncodeDate(2026, 1, 1) + EncodeTime(7, 30, 0), true);
    Add("Врач", EncodeDate(2026, 12, 10) + EncodeTime(9, 0, 0), false);
    Add("Отпуск", EncodeDate(2026, 12, 20) + EncodeTime(6, 0, 0), false);
  }
  std::string path() const { return folder_.File("plan.db"); }

  static inline const DateTime kNow = EncodeDate(2026, 12, 10) + EncodeTime(8, 0, 0);

 private:
  void Add(const std::string& name, DateTime when, bool everyDay) {
    TPlanTask task = ResetTaskValues(when);
    task.name = name;
    task.everyDay = everyDay;
    task.inUse = true;
    task.messageActive = true;
    ClockSeededRandom random(clock_);
    REQUIRE(AppendTask(path(), task, random));
  }

  test::ProgramFolder folder_;
  FakeClock clock_{kNow, 12345};
};

// The page's controls on a hidden window of their own.
struct PageWindow {
  HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  HWND planGrid = List(owner, 10);
  HWND dayGrid = List(owner, 11);
  HWND nextLine = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 400, 16, owner, nullptr, nullptr, nullptr);
  HWND dayCaption = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 200, 16, owner, nullptr, nullptr, nullptr);

  ~PageWindow() { DestroyWindow(owner); }
  SchedulerControls Controls() const { return {owner, planGrid, dayGrid, nextLine, dayCaption}; }

  static HWND List(HWND parent, int id) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                           500, 300, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
};

std::string CellOf(HWND list, int row, int column) {
  wchar_t text[256] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 255;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return Narrow(text);
}

std::vector<std::string> Names(HWND list) {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) names.push_back(CellOf(list, row, 2));
  return names;
}

std::string HeaderOf(HWND list, int column) {
  wchar_t text[64] = L"";
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = text;
  info.cchTextMax = 63;
  SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
  return Narrow(text);
}

std::vector<int> ColumnWidths(HWND list) {
  std::vector<int> widths;
  for (int column = 0; column < 4; ++column)
    widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
  return widths;
}

int ClientWidth(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r.right;
}

void SelectByName(HWND list, const std::string& name) {
  const std::vector<std::string> names = Names(list);
  for (int row = 0; row < static_cast<int>(names.size()); ++row) {
    if (names[static_cast<std::size_t>(row)] != name) continue;
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    return;
  }
  FAIL("no row named " << name);
}

// The page as the settings window makes it, over the plan above.
struct OpenPage {
  PlanOnDisk plan;
  FakeClock clock{PlanOnDisk::kNow, 1000};
  CountingActions actions;
  PageWindow window;
  TaskScheduler page{plan.path(), clock, actions, Locale()};
  OpenPage() {
    REQUIRE(page.Start());
    page.AttachViews(window.Controls());
  }
};

// The Enter key as the user presses it, into the focused control.
constexpr int kEnterKey = 0;

// Answers the next question with the button given (or Enter) and keeps its
// texts.
struct Answer {
  std::string caption;
  std::vector<std::string> labels;
  WhenShown when;
  explicit Answer(int button)
      : when(L"TF_message_d", [this, button](HWND d) {
          caption = TextOf(d);
          for (HWND label = FindWindowExW(d, nullptr, L"Static", nullptr); label;
               label = FindWindowExW(d, label, L"Static", nullptr))
            labels.push_back(TextOf(label));
          if (button != kEnterKey) {
            SendMessageW(GetDlgItem(d, button), BM_CLICK, 0, 0);
            return;
          }
          HWND focus = GetFocus() ? GetFocus() : d;
          PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
          PostMessageW(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
        }) {}
  bool Asked(const std::string& text) const {
    for (const std::string& label : labels)
      if (label == text) return true;
    return false;
  }
};

TEST_CASE("the page lists every task, and the day list the picked day's under its date") {
  OpenPage open;
  TaskScheduler& page = open.page;
  const PageWindow& window = open.window;

  CHECK(Names(window.planGrid).size() == 3);
  CHECK(HeaderOf(window.planGrid, 3) == "Время срабатывания");
  CHECK(HeaderOf(window.dayGrid, 3) == "Время");
  CHECK(HeaderOf(window.dayGrid, 2) == "Название");
  CHECK(Names(window.dayGrid) == std::vector<std::string>{"Будильник", "Врач"});
  CHECK(TextOf(window.dayCaption) == "Задания на 10.12.2026");

  page.ShowDay(EncodeDate(2026, 12, 20));
  CHECK(Names(window.dayGrid) == std::vector<std::string>{"Будильник", "Отпуск"});
  CHECK(TextOf(window.dayCaption) == "Задания на 20.12.2026");
  CHECK(page.MarkedDays(2026, 12).at(19));   // the 20th has a dated task
  CHECK_FALSE(page.MarkedDays(2026, 12).at(18));
  CHECK_FALSE(TextOf(window.nextLine).empty());

  // The full list stretches its time column, the day list its name column.
  const int plan = ClientWidth(window.planGrid), day = ClientWidth(window.dayGrid);
  CHECK(ColumnWidths(window.planGrid) == std::vector<int>{25, 22, 228, plan - 275});
  CHECK(ColumnWidths(window.dayGrid) == std::vector<int>{24, 22, day - 127, 81});
  CHECK(ClientWidth(window.nextLine) == 534);
}

TEST_CASE("delete asks with the task's name: cancel keeps it, the action button removes it") {
  OpenPage open;
  TaskScheduler& page = open.page;
  const PageWindow& window = open.window;

  SelectByName(window.planGrid, "Врач");
  CHECK(page.SelectedTaskName() == "Врач");
  {
    Answer no(IDCANCEL);
    page.DeleteSelected();
    CHECK(no.caption == "Планировщик: удаление задания");
    CHECK(no.Asked("Удалить - \"Врач\"?"));
  }
  CHECK(Names(window.planGrid).size() == 3);
  {
    Answer yes(IDOK);
    page.DeleteSelected();
    CHECK(yes.when.ran());
  }
  CHECK(Names(window.planGrid) == std::vector<std::string>{"Будильник", "Отпуск"});
  CHECK(Names(window.dayGrid) == std::vector<std::string>{"Будильник"});

  // Nothing selected: nothing asked, nothing deleted.
  SelectByName(window.planGrid, "Отпуск");
  ListView_SetItemState(window.planGrid, -1, 0, LVIS_SELECTED);
  page.DeleteSelected();
  CHECK(Names(window.planGrid).size() == 2);
}

TEST_CASE("delete all asks once, Enter keeps the tasks, and confirmed leaves a fresh plan.db; run now asks and runs the task once") {
  OpenPage open;
  TaskScheduler& page = open.page;
  const PageWindow& window = open.window;

  SelectByName(window.dayGrid, "Врач");
  {
    Answer yes(IDOK);
    page.RunSelected(true);
    CHECK(yes.caption == "Планировщик: Запуск задания");
    CHECK(yes.Asked("Запустить задание \"Врач\"?"));
  }
  CHECK(open.actions.ran == std::vector<std::string>{"Врач"});
  {
    Answer no(IDCANCEL);
    page.RunSelected(true);
  }
  CHECK(open.actions.ran.size() == 1);

  {
    Answer enter(kEnterKey);  // a hasty Enter answers "Отмена"
    page.DeleteAll();
    CHECK(enter.when.ran());
    CHECK(enter.Asked("Удалить все задания?"));
  }
  CHECK(Names(window.planGrid).size() == 3);
  {
    Answer yes(IDOK);
    page.DeleteAll();
  }
  CHECK(Names(window.planGrid).empty());
  CHECK(Names(window.dayGrid).empty());
  CHECK(ReadWholeFile(open.plan.path()).value_or("").size() == 4 + 1576);  // the header and one free record
}

}  // namespace
}  // namespace tikolvo
