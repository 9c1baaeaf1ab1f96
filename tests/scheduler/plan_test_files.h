#pragma once
// Helpers for scheduler tests: records built by hand from the documented
// 1576-byte layout, a fresh folder per test, a scripted random source, a
// recording action sink and short ways to make typical tasks.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "common/file_io.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_task.h"
#include "scheduler/task_actions.h"
#include "scheduler/task_id.h"

namespace tikolvo {

// A record's bytes, written field by field at the documented offsets.
class HandRecord {
 public:
  HandRecord() : bytes_(1576, '\0') {}

  HandRecord& U8(std::size_t offset, std::uint8_t value) {
    bytes_.at(offset) = static_cast<char>(value);
    return *this;
  }
  HandRecord& Le(std::size_t offset, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_.at(offset + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
    return *this;
  }
  HandRecord& U16(std::size_t offset, std::uint16_t value) { return Le(offset, value, 2); }
  HandRecord& I32(std::size_t offset, std::int32_t value) { return Le(offset, static_cast<std::uint32_t>(value), 4); }
  HandRecord& F64(std::size_t offset, double value) { return Le(offset, std::bit_cast<std::uint64_t>(value), 8); }
  // Length byte, then the CP1251 bytes.
  HandRecord& Text(std::size_t offset, std::string_view cp1251) {
    U8(offset, static_cast<std::uint8_t>(cp1251.size()));
    bytes_.replace(offset + 1, cp1251.size(), cp1251);
    return *this;
  }
  // A live task: in use, with this id and name, trigger 0.
  static HandRecord Live(std::int32_t id, std::string_view cp1251Name = "t") {
    HandRecord record;
    record.Text(0, cp1251Name).U8(1566, 1).I32(1568, id);
    return record;
  }
  HandRecord& Free() { return U8(1566, 0); }

  const std::string& bytes() const { return bytes_; }
  operator std::string() const { return bytes_; }

 private:
  std::string bytes_;
};

inline const std::string kHandHeader("\x11\x22\x33\x44", 4);

inline std::string HandFile(const std::vector<std::string>& records, const std::string& tail = "") {
  std::string file = kHandHeader;
  for (const std::string& record : records) file += record;
  return file + tail;
}

// plan.db's bytes holding the tasks in order; a task without an id gets its
// position + 1.
inline std::string FileOfTasks(std::vector<TPlanTask> tasks) {
  std::vector<std::string> records;
  std::int32_t id = 1;
  for (TPlanTask& task : tasks) {
    if (task.id == 0) task.id = id;
    ++id;
    records.push_back(EncodePlanTask(task));
  }
  return HandFile(records);
}

// A base of the tasks in order, ids as FileOfTasks gives them.
inline PlanBase BaseOf(std::vector<TPlanTask> tasks) {
  return PlanBase::FromBytes(FileOfTasks(std::move(tasks)));
}

inline DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
  return EncodeDateTime({year, month, day, hour, minute, second, ms});
}

// Draws the scripted values in order; past the script it draws 0.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::initializer_list<int> values) : values_(values) {}
  int Below(int n) override {
    ++draws;
    if (values_.empty()) return 0;
    const int value = values_.front();
    values_.pop_front();
    return n <= 0 ? 0 : value % n;
  }
  int draws = 0;

 private:
  std::deque<int> values_;
};

class RecordingActions : public TaskActions {
 public:
  void ExecuteTask(const TPlanTask& task) override {
    executed.push_back(task.name);
    if (onExecute) onExecute(task);
  }
  void PowerCommand(PowerKind kind) override { power.push_back(kind); }
  void HangUpConnections(const std::string& filter) override { hangUps.push_back(filter); }
  void ReportMissedTasks(const std::vector<std::string>& names) override { missed.push_back(names); }

  std::vector<std::string> executed;
  std::vector<PowerKind> power;
  std::vector<std::string> hangUps;
  std::vector<std::vector<std::string>> missed;  // one entry per notice
  std::function<void(const TPlanTask&)> onExecute;
};

// Typical tasks, from the reset values as the wizard builds them.
inline TPlanTask DailyTask(const std::string& name, int hour, int minute, int second = 0) {
  TPlanTask task = ResetTaskValues(At(2026, 1, 1, hour, minute, second));
  task.name = name;
  task.inUse = true;
  return task;
}

inline TPlanTask OnceTask(const std::string& name, DateTime when) {
  TPlanTask task = ResetTaskValues(when);
  task.name = name;
  task.everyDay = false;
  task.inUse = true;
  return task;
}

inline TPlanTask HourlyTask(const std::string& name, DateTime when) {
  TPlanTask task = ResetTaskValues(when);
  task.name = name;
  task.trigger = TaskTrigger::kHourly;
  task.inUse = true;
  return task;
}

// Day of month and time from `when` (the wizard stores January of the year).
inline TPlanTask MonthlyTask(const std::string& name, int day, int hour, int minute) {
  TPlanTask task = ResetTaskValues(At(2026, 1, day, hour, minute));
  task.name = name;
  task.trigger = TaskTrigger::kMonthly;
  task.monthlyActive = true;
  task.inUse = true;
  return task;
}

inline TPlanTask EventTask(const std::string& name, TaskTrigger trigger) {
  TPlanTask task = ResetTaskValues(At(2026, 1, 1, 12, 0));
  task.name = name;
  task.trigger = trigger;
  task.inUse = true;
  return task;
}

class PlanFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("tikolvo_plan_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(folder_ / "plan.db", std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string Path(const std::string& name = "plan.db") const { return (folder_ / name).string(); }
  void Write(const std::string& bytes) const { ASSERT_TRUE(SaveFileAtomically(Path(), bytes)); }
  std::string Read() const { return ReadWholeFile(Path()).value_or("<missing>"); }
  void MakeReadOnly() const {
    std::filesystem::permissions(Path(),
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
  }

  std::filesystem::path folder_;
};

}  // namespace tikolvo
