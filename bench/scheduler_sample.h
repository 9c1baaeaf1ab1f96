#pragma once
// The plan.db the scheduler benchmarks search: 1000 tasks mixed like a
// user's, written into the system's temporary folder. Shared by the native
// benchmark and the timing run under Wine.
#include <filesystem>
#include <string>

#include "common/clock.h"
#include "common/file_io.h"
#include "scheduler/plan_engine.h"
#include "scheduler/plan_task.h"

namespace tikolvo {
namespace bench {

inline constexpr int kTasks = 1000;
inline const DateTime kToday = EncodeDate(2026, 3, 16);

class SetClock : public Clock {
 public:
  DateTime Now() const override { return now; }
  std::uint64_t MillisecondsSinceStart() const override { return 0; }
  DateTime now = 0;
};

class NoActions : public TaskActions {
 public:
  void ExecuteTask(const TPlanTask&) override {}
  void PowerCommand(PowerKind) override {}
  void HangUpConnections(const std::string&) override {}
  void ReportMissedTasks(const std::vector<std::string>&) override {}
};

// A mix like a user's: daily tasks spread over the day, once-only tasks on
// nearby dates, hourly, monthly and event tasks, some filtered or locked.
inline TPlanTask SampleTask(int i) {
  TPlanTask task = ResetTaskValues(kToday + (i * 86.0 + 37) / 86400);
  task.name = "Задание " + std::to_string(i);
  task.messageActive = true;
  task.messageText = "Сообщение задания номер " + std::to_string(i);
  task.inUse = true;
  task.id = i + 1;
  switch (i % 10) {
    case 1: task.everyDay = false; task.when += i % 7 - 3; break;
    case 2: task.trigger = TaskTrigger::kHourly; break;
    case 3: task.trigger = TaskTrigger::kMonthly; task.monthlyActive = true; break;
    case 4: task.trigger = TaskTrigger::kOnStart; break;
    case 5: task.weekdayFilter = true; task.weekdays[i % 7] = false; break;
    case 6: task.locked = true; break;
    default: break;
  }
  return task;
}

inline std::string WritePlan() {
  const auto folder = std::filesystem::temp_directory_path() / "tikolvo_scheduler_bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "plan.db").string();
  std::string bytes(4, '\0');
  for (int i = 0; i < kTasks; ++i) bytes += EncodePlanTask(SampleTask(i));
  SaveFileAtomically(path, bytes);
  return path;
}

}  // namespace bench
}  // namespace tikolvo
