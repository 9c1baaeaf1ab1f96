#include "scheduler/win/task_scheduler.h"

#include "common/win/error_report.h"
#include "common/win/wide_text.h"
#include "common/win/message_dialogs.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_calendar.h"
#include "scheduler/task_row.h"
#include "skin/program_pictures.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClockClass[] = L"TikolvoPlanClock";
constexpr UINT_PTR kPlanClockTimer = 1;
// A little after the moment the engine asks for, so that the reading falls
// on the alarm's second and not just before it.
constexpr std::int64_t kReadingLateMs = 20;
constexpr int kPictureCell = 18;
constexpr int kNextLineWidth = 534;  // wide enough for several names on the page

enum ContextCommand : UINT { kAddCommand = 1, kEditCommand, kRunCommand, kDeleteCommand };

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

void ReportPlanFailure(PlanStatus status) {
  if (status == PlanStatus::kUnreadable) ReportError("Не удалось прочитать файл заданий plan.db.");
  if (status == PlanStatus::kSaveFailed) ReportError("Не удалось сохранить файл заданий plan.db.");
}

// The full list stretches its time column and the day list its name column
// over the rest of the grid; the other widths are fixed. The day list's
// number column keeps 24 pixels: the header control leaves a margin on both
// sides of a caption, and in 20 pixels "№" would become an ellipsis.
std::vector<GridColumn> TaskColumns(bool dayGrid) {
  const TaskGridRow& header = TaskGridHeader(dayGrid ? TaskGridKind::kDay : TaskGridKind::kPlan);
  GridColumn number{header[0], dayGrid ? 24 : 25, grid::Align::Centre};
  number.rowNumber = true;
  GridColumn picture{header[1], 22, grid::Align::Centre};
  GridColumn name{header[2], dayGrid ? 82 : 228};
  GridColumn time{header[3], dayGrid ? 81 : 36, grid::Align::Right};
  (dayGrid ? name : time).stretch = true;
  return {number, picture, name, time};
}

}  // namespace

TaskScheduler::TaskScheduler(std::string planPath, const Clock& clock, TaskActions& actions, const Locale& locale)
    : planPath_(std::move(planPath)), clock_(clock), locale_(locale), engine_(planPath_, clock, actions) {}

TaskScheduler::~TaskScheduler() {
  if (hwnd()) KillTimer(hwnd(), kPlanClockTimer);
  planGrid_.Detach();
  dayGrid_.Detach();
}

bool TaskScheduler::Start() {
  RegisterWindowClass(kClockClass, 0, nullptr, nullptr, nullptr);
  if (!CreateWindowFor(0, kClockClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
  shownDay_ = DateOf(clock_.Now());
  engine_.alarmMoved = [this] { ArmReading(); };
  ReportPlanFailure(engine_.Start());  // the first search
  FillViews();
  return true;
}

void TaskScheduler::AttachViews(const SchedulerControls& controls) {
  controls_ = controls;
  pictures_ = LoadRessImageList(kSchedulerStripName, kPictureCell);
  for (auto* grid : {&planGrid_, &dayGrid_}) {
    HWND list = grid == &planGrid_ ? controls.planGrid : controls.dayGrid;
    if (!list || !grid->Attach(list)) continue;
    const bool day = grid == &dayGrid_;
    grid->SetImageList(pictures_.get());
    grid->SetColumns(TaskColumns(day));
    auto& looks = day ? dayLooks_ : planLooks_;
    grid->cellPicture = [&looks](int row, int column) {
      CellPicture picture;
      if (row < 0 || row >= static_cast<int>(looks.size())) return picture;
      const TaskRowLook& look = looks[static_cast<std::size_t>(row)];
      if (column == 1) {
        picture.image = look.picture;
        picture.opacity = look.pictureOpacity;
        picture.dx = look.pictureShift;
        picture.down = grid::PictureRowPlace::Top;
        picture.dy = 2;
        picture.replacesText = true;
      } else if (column == 2) {
        if (look.nextMark) {
          picture.image = task_picture::kNextMark;
          picture.across = grid::PictureColumnPlace::Left;
          picture.down = grid::PictureRowPlace::Top;
          picture.dy = -1;
        }
        picture.textIndent = look.nameIndent;
      }
      return picture;
    };
    grid->rowColours = [&looks](int row, grid::RowColours stripe) {
      if (row >= 0 && row < static_cast<int>(looks.size()) && looks[static_cast<std::size_t>(row)].locked)
        stripe.text = grid::Lightened(stripe.text, 65);
      return stripe;
    };
    grid->doubleClicked = [this, day](int) { EditSelected(day); };
    grid->rightClicked = [this, day](int, POINT screen) { ShowContextMenu(day, screen); };
  }
  FillViews();
}

// Event tasks change nothing in plan.db, so the views stay as they are.
void TaskScheduler::RunStartTasks() { ReportPlanFailure(engine_.PlanCommand(plan_code::kProgramStart)); }

LRESULT TaskScheduler::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kPlanClockTimer) {
    ReadClock();
    ArmReading();
    return 0;
  }
  return Default(message, wParam, lParam);
}

// The engine compares the time with its alarms; only a search does work.
void TaskScheduler::ReadClock() { ShowReading(engine_.ReadClock()); }

// The time is read only when the engine has something due, rather than
// every half second: an idle scheduler costs the computer nothing.
void TaskScheduler::ArmReading() {
  if (!hwnd()) return;
  SetTimer(hwnd(), kPlanClockTimer, static_cast<UINT>(engine_.MillisecondsToNextReading() + kReadingLateMs), nullptr);
}

void TaskScheduler::ClockChanged() { ShowReading(engine_.ClockChanged()); }

void TaskScheduler::ShowReading(const ClockReading& reading) {
  if (!reading.Searched()) return;
  ReportPlanFailure(reading.status);
  FillViews();
}

void TaskScheduler::RefreshPlanViews() {
  ReportPlanFailure(engine_.ComputeNextTasks());
  FillViews();
}

void TaskScheduler::FillViews() {
  const bool viewsShown = planGrid_.hwnd() || dayGrid_.hwnd();
  if (std::optional<PlanBase> base = viewsShown ? LoadPlanBase(planPath_) : std::nullopt) {
    FillGrid(planGrid_, FillPlanGrid(*base, locale_), TaskGridKind::kPlan, planLooks_, planIds_);
    FillDayView(*base);
  }
  ShowNextTasks();
  if (viewsFilled) viewsFilled();
}

void TaskScheduler::ShowDay(DateTime day) {
  shownDay_ = DateOf(day);
  if (std::optional<PlanBase> base = LoadPlanBase(planPath_)) FillDayView(*base);
}

void TaskScheduler::FillDayView(const PlanBase& base) {
  FillGrid(dayGrid_, FillDayGrid(base, shownDay_, locale_), TaskGridKind::kDay, dayLooks_, dayIds_);
  if (controls_.dayCaption) SetWindowTextW(controls_.dayCaption, Widen(DayGridCaption(shownDay_)).c_str());
}

std::vector<bool> TaskScheduler::MarkedDays(int year, int month) const {
  std::optional<PlanBase> base = LoadPlanBase(planPath_);
  return base ? MarkCalendarDays(*base, year, month) : std::vector<bool>{};
}

void TaskScheduler::FillGrid(StripedGrid& grid, const TaskGrid& rows, TaskGridKind kind,
                             std::vector<TaskRowLook>& looks, std::vector<std::int32_t>& ids) {
  looks.clear();
  ids.clear();
  std::vector<std::vector<std::string>> cells;
  for (std::size_t i = 1; i < rows.rows.size(); ++i) {  // rows[0] is the header
    const TaskGridRow& row = rows.rows[i];
    const TaskRowLook look = LookOfTaskRow(row, kind);
    cells.push_back({"", "", look.name, look.timeText});
    looks.push_back(look);
    ids.push_back(TaskIdOfRow(row[2]));
  }
  if (grid.hwnd()) grid.SetRows(std::move(cells));
}

void TaskScheduler::ShowNextTasks() {
  if (controls_.nextLine) {
    SetWindowTextW(controls_.nextLine, Widen(engine_.NextTasksText()).c_str());
    RECT line;
    GetWindowRect(controls_.nextLine, &line);
    SetWindowPos(controls_.nextLine, nullptr, 0, 0, kNextLineWidth, line.bottom - line.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (alarmHandChanged && engine_.LastAlarmHand()) alarmHandChanged(*engine_.LastAlarmHand());
}

std::int32_t TaskScheduler::SelectedId(bool onDayGrid) const {
  const StripedGrid& grid = onDayGrid ? dayGrid_ : planGrid_;
  const std::vector<std::int32_t>& ids = onDayGrid ? dayIds_ : planIds_;
  const int row = grid.SelectedRow();
  return row >= 0 && row < static_cast<int>(ids.size()) ? ids[static_cast<std::size_t>(row)] : 0;
}

std::string TaskScheduler::SelectedTaskName() const {
  const int row = planGrid_.SelectedRow();
  return row >= 0 && row < static_cast<int>(planLooks_.size()) ? planLooks_[static_cast<std::size_t>(row)].name
                                                               : std::string();
}

void TaskScheduler::AddTask(bool onCalendarPage) {
  const bool saved = onCalendarPage ? (wizard_.addTaskOnDay && wizard_.addTaskOnDay(shownDay_))
                                    : (wizard_.addTask && wizard_.addTask());
  if (saved) RefreshPlanViews();
}

void TaskScheduler::EditSelected(bool onDayGrid) {
  const std::int32_t id = SelectedId(onDayGrid);
  if (id != 0 && wizard_.editTask && wizard_.editTask(id)) RefreshPlanViews();
}

void TaskScheduler::RunSelected(bool onDayGrid) {
  const std::int32_t id = SelectedId(onDayGrid);
  if (id == 0) return;
  TPlanTask task;
  if (FindTask(planPath_, id, task) != FindResult::kFound) return;
  if (!AskConfirmation(controls_.owner, "Планировщик: Запуск задания",
                       "Запустить задание " + Quoted(task.name) + "?", "Отмена", "Запустить"))
    return;
  engine_.RunTaskNow(id);
}

void TaskScheduler::DeleteSelected(bool onDayGrid) {
  const std::int32_t id = SelectedId(onDayGrid);
  if (id == 0) return;
  TPlanTask task;
  if (FindTask(planPath_, id, task) != FindResult::kFound) return;
  if (!AskConfirmation(controls_.owner, "Планировщик: удаление задания", "Удалить - " + Quoted(task.name) + "?",
                       "Отмена", "Удалить", DefaultAnswer::kCancel))
    return;
  if (DeleteTask(planPath_, id) == PlanFileResult::kFailed) ReportPlanFailure(PlanStatus::kSaveFailed);
  RefreshPlanViews();
}

void TaskScheduler::DeleteAll() {
  if (!AskConfirmation(controls_.owner, "Планировщик: удаление заданий", "Удалить все задания?", "Отмена",
                       "Удалить", DefaultAnswer::kCancel))
    return;
  if (!CreatePlanFile(planPath_, clock_.Now())) ReportPlanFailure(PlanStatus::kSaveFailed);
  RefreshPlanViews();
}

void TaskScheduler::ShowContextMenu(bool onDayGrid, POINT screen) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kAddCommand, L"Добавить задание");
  AppendMenuW(menu, MF_STRING, kEditCommand, L"Редактировать параметры");
  AppendMenuW(menu, MF_STRING, kRunCommand, L"Запустить задание");
  AppendMenuW(menu, MF_STRING, kDeleteCommand, L"Удалить задание");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, controls_.owner, nullptr));
  DestroyMenu(menu);
  switch (chosen) {
    case kAddCommand: AddTask(onDayGrid); break;
    case kEditCommand: EditSelected(onDayGrid); break;
    case kRunCommand: RunSelected(onDayGrid); break;
    case kDeleteCommand: DeleteSelected(onDayGrid); break;
    default: break;
  }
}

bool TaskScheduler::HandleNotify(const NMHDR& header, LRESULT& result) {
  return planGrid_.HandleNotify(header, result) || dayGrid_.HandleNotify(header, result);
}

}  // namespace tikolvo
