#include <gtest/gtest.h>

#include <filesystem>

#include "plan_test_files.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_row.h"

namespace tikolvo {
namespace {

constexpr DateTime kNow = 46096.4375;  // 15 March 2026, 10:30
constexpr std::size_t kRecord = 1576;

std::vector<std::int32_t> IdsInUse(const PlanBase& base) {
  std::vector<std::int32_t> ids;
  for (std::size_t i = 0; i < base.size(); ++i)
    if (base.InUse(i)) ids.push_back(base.Id(i));
  return ids;
}

// ---- Task ids ----

TEST(TaskId, DrawnByTheDocumentedFormula) {
  ScriptedRandom top{1023, 255, 1277};
  EXPECT_EQ(NewTaskId(top), kLargestDrawnTaskId);
  ScriptedRandom some{10, 3, 5};  // random(13) = 5, + 3 + 20
  EXPECT_EQ(NewTaskId(some), 28);
  ScriptedRandom zero{0, 0};
  EXPECT_EQ(NewTaskId(zero), 0);
  EXPECT_EQ(zero.draws, 2) << "random(0) is 0 without a draw";
}

TEST(TaskId, AnIdInUseOrZeroIsDrawnAgain) {
  PlanBase base = PlanBase::FromBytes(HandFile({HandRecord::Live(28), HandRecord::Live(30).Free()}));
  ScriptedRandom random{10, 3, 5,   // 28: taken
                        0, 0,       // 0: means "no task" in row texts
                        11, 3, 5};  // 30: only a free record has it
  EXPECT_EQ(UniqueTaskId(base, random), 30);
}

TEST(TaskId, EndlessCollisionsEndWithTheSmallestFreeId) {
  PlanBase base = PlanBase::FromBytes(
      HandFile({HandRecord::Live(28), HandRecord::Live(1), HandRecord::Live(2), HandRecord::Live(4)}));
  ScriptedRandom random{};  // every draw gives 0
  EXPECT_EQ(UniqueTaskId(base, random), 3);
}

TEST(TaskId, ClockSeededDrawsStayInRange) {
  struct FixedClock : Clock {
    DateTime Now() const override { return kNow; }
    std::uint64_t MillisecondsSinceStart() const override { return 12345; }
  } clock;
  ClockSeededRandom random(clock);
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t id = NewTaskId(random);
    ASSERT_GE(id, 0);
    ASSERT_LE(id, kLargestDrawnTaskId);
  }
  EXPECT_EQ(random.Below(0), 0);
}

// ---- Rows that carry a task id ----

TEST(TaskRow, IdAndNameComeBackFromTheRowText) {
  EXPECT_EQ(TaskRowText("Будильник", 1234), "Будильник||1234");
  EXPECT_EQ(TaskIdOfRow("Будильник||1234"), 1234);
  EXPECT_EQ(TaskNameOfRow("Будильник||1234"), "Будильник");
  EXPECT_EQ(TaskIdOfRow("name|| 77 "), 77);
  EXPECT_EQ(TaskIdOfRow("no separator"), 0);
  EXPECT_EQ(TaskNameOfRow("no separator"), "");
  EXPECT_EQ(TaskIdOfRow("name||abc"), 0);
  EXPECT_EQ(TaskIdOfRow("name||"), 0);
}

TEST(TaskRow, ANameWithTheSeparatorInItStillFindsItsTask) {
  for (const std::string name : {"a||b", "a|", "||", "x||y||z"}) {
    const std::string row = TaskRowText(name, 512);
    EXPECT_EQ(TaskIdOfRow(row), 512) << name;
    EXPECT_EQ(TaskNameOfRow(row), name);
  }
}

// ---- The file: rebuilds and in-place changes ----

using PlanFile = PlanFolder;

TEST_F(PlanFile, AFreshFileHoldsOneFreeRecordAndNoTask) {
  ASSERT_TRUE(CreatePlanFile(Path(), kNow));
  const std::string bytes = Read();
  ASSERT_EQ(bytes.size(), 4 + kRecord);
  EXPECT_EQ(bytes.substr(4), EncodePlanTask(ResetTaskValues(kNow)));
  EXPECT_EQ(ListTaskNames(Path()), std::vector<std::string>{});
  EXPECT_EQ(DefaultTaskName(Path()), "Новое задание");
}

TEST_F(PlanFile, CreateReplacesAnyFileAndEnsureKeepsOne) {
  Write(HandFile({HandRecord::Live(5), HandRecord::Live(6)}));
  ASSERT_TRUE(EnsurePlanFile(Path(), kNow));
  EXPECT_EQ(Read().size(), 4 + 2 * kRecord);
  ASSERT_TRUE(CreatePlanFile(Path(), kNow));
  EXPECT_EQ(Read().size(), 4 + kRecord);
}

TEST_F(PlanFile, TheFirstAppendDropsTheFreeRecord) {
  ASSERT_TRUE(CreatePlanFile(Path(), kNow));
  ScriptedRandom random{10, 3, 5};
  TPlanTask task = DailyTask("Обед", 13, 0);
  task.inUse = false;
  task.id = 999;
  EXPECT_EQ(AppendTask(Path(), task, random), 28);

  const std::string bytes = Read();
  ASSERT_EQ(bytes.size(), 4 + kRecord);
  task.inUse = true;
  task.id = 28;
  EXPECT_EQ(bytes.substr(4), EncodePlanTask(task));
}

TEST_F(PlanFile, AppendKeepsTasksInOrderAndDropsFreeRecordsAndTheTail) {
  Write(HandFile({HandRecord::Live(1, "a"), HandRecord::Live(2, "b").Free(), HandRecord::Live(3, "c")},
                 std::string(100, '\x5A')));
  EXPECT_EQ(LoadPlanBase(Path())->size(), 3u) << "a partial tail is no record";
  ScriptedRandom random{10, 3, 5};
  ASSERT_EQ(AppendTask(Path(), DailyTask("d", 8, 0), random), 28);

  const std::string bytes = Read();
  ASSERT_EQ(bytes.size(), 4 + 3 * kRecord);
  EXPECT_EQ(bytes.substr(0, 4), kHandHeader);
  EXPECT_EQ(bytes.substr(4, kRecord), HandRecord::Live(1, "a").bytes());
  EXPECT_EQ(bytes.substr(4 + kRecord, kRecord), HandRecord::Live(3, "c").bytes());
  EXPECT_EQ(ListTaskNames(Path()), (std::vector<std::string>{"a||1", "c||3", "d||28"}));
}

TEST_F(PlanFile, AppendToAMissingFileCreatesItWithTheTask) {
  ScriptedRandom random{10, 3, 5};
  ASSERT_EQ(AppendTask(Path(), DailyTask("x", 8, 0), random), 28);
  EXPECT_EQ(Read().size(), 4 + kRecord);
  EXPECT_EQ(ListTaskNames(Path()), std::vector<std::string>{"x||28"});
}

TEST_F(PlanFile, ReplaceChangesOnlyItsRecordsAndKeepsEveryOtherByte) {
  HandRecord odd = HandRecord::Live(9, "odd");
  odd.U8(153, 0x7F).U8(1575, 0x7F);  // reserved bytes nobody may touch
  const std::string tail = "partial";
  Write(HandFile({odd, HandRecord::Live(5, "old"), HandRecord::Live(5, "old").Free(), HandRecord::Live(5, "two")},
                 tail));

  TPlanTask task = DailyTask("new", 9, 0);
  task.inUse = false;  // the stored record stays in use with its id whatever the caller says
  task.id = 77;
  EXPECT_EQ(ReplaceTask(Path(), 5, task), PlanFileResult::kSaved);

  task.inUse = true;
  task.id = 5;
  EXPECT_EQ(Read(), HandFile({odd, EncodePlanTask(task), HandRecord::Live(5, "old").Free(), EncodePlanTask(task)},
                             tail));
}

TEST_F(PlanFile, ReplacingAnUnknownIdLeavesTheFileAlone) {
  const std::string file = HandFile({HandRecord::Live(1), HandRecord::Live(2).Free()}, "x");
  Write(file);
  EXPECT_EQ(ReplaceTask(Path(), 2, DailyTask("n", 1, 0)), PlanFileResult::kUnchanged);
  EXPECT_EQ(Read(), file);
}

TEST_F(PlanFile, DeleteCompactsTheFile) {
  Write(HandFile({HandRecord::Live(1, "a"), HandRecord::Live(2, "b"), HandRecord::Live(3, "c").Free(),
                  HandRecord::Live(2, "b2"), HandRecord::Live(4, "d")},
                 std::string(100, '\x01')));
  EXPECT_EQ(DeleteTask(Path(), 2), PlanFileResult::kSaved);
  EXPECT_EQ(Read(), HandFile({HandRecord::Live(1, "a"), HandRecord::Live(4, "d")}));

  // Deleting an id nobody has still rebuilds.
  Write(HandFile({HandRecord::Live(1, "a"), HandRecord::Live(3).Free()}, "tail"));
  EXPECT_EQ(DeleteTask(Path(), 42), PlanFileResult::kSaved);
  EXPECT_EQ(Read(), HandFile({HandRecord::Live(1, "a")}));
}

TEST_F(PlanFile, FindTakesTheLastMatchAndLeavesTheCallersTaskOtherwise) {
  Write(HandFile({HandRecord::Live(5, "first"), HandRecord::Live(5, "second"), HandRecord::Live(6, "free").Free()}));
  TPlanTask task = DailyTask("mine", 1, 2);
  EXPECT_EQ(FindTask(Path(), 5, task), FindResult::kFound);
  EXPECT_EQ(task.name, "second");

  TPlanTask untouched = DailyTask("mine", 1, 2);
  EXPECT_EQ(FindTask(Path(), 6, untouched), FindResult::kNotFound);
  EXPECT_EQ(untouched, DailyTask("mine", 1, 2));
  EXPECT_EQ(FindTask(Path("missing.db"), 5, untouched), FindResult::kFailed);
  EXPECT_EQ(untouched, DailyTask("mine", 1, 2));
}

TEST_F(PlanFile, TinyAndEmptyFilesHoldNoTask) {
  for (const std::string bytes : {std::string(), std::string("ab"), std::string(4 + kRecord - 1, '\x01')}) {
    Write(bytes);
    EXPECT_EQ(ListTaskNames(Path()), std::vector<std::string>{});
    ScriptedRandom random{10, 3, 5};
    ASSERT_EQ(AppendTask(Path(), DailyTask("x", 8, 0), random), 28);
    EXPECT_EQ(Read().size(), 4 + kRecord);
    if (bytes.size() >= 2) EXPECT_EQ(Read().substr(0, 2), bytes.substr(0, 2)) << "an existing header is kept";
  }
}

TEST_F(PlanFile, AFolderInPlaceOfTheFileFailsEveryOperation) {
  std::filesystem::create_directory(Path());
  ScriptedRandom random{};
  TPlanTask task;
  EXPECT_EQ(AppendTask(Path(), DailyTask("x", 8, 0), random), std::nullopt);
  EXPECT_EQ(ReplaceTask(Path(), 1, task), PlanFileResult::kFailed);
  EXPECT_EQ(DeleteTask(Path(), 1), PlanFileResult::kFailed);
  EXPECT_EQ(FindTask(Path(), 1, task), FindResult::kFailed);
  EXPECT_EQ(ListTaskNames(Path()), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

// ---- Default names ----

std::string DefaultNameWith(const std::vector<std::string>& names) {
  std::vector<std::string> records;
  std::int32_t id = 1;
  for (const std::string& name : names) {
    TPlanTask task = DailyTask(name, 1, 0);
    task.id = id++;
    records.push_back(EncodePlanTask(task));
  }
  return DefaultTaskName(PlanBase::FromBytes(HandFile(records)));
}

TEST(DefaultTaskName, SmallestFreeNumber) {
  EXPECT_EQ(DefaultNameWith({}), "Новое задание");
  EXPECT_EQ(DefaultNameWith({"Новое задание", "Новое задание (1)"}), "Новое задание (2)");
  EXPECT_EQ(DefaultNameWith({"Новое задание (1)"}), "Новое задание");
  EXPECT_EQ(DefaultNameWith({"Новое задание", "Новое задание (2)"}), "Новое задание (1)");
}

TEST(DefaultTaskName, CyrillicCaseCounts) {
  // Only A..Z are lower-cased before comparing; the names are Cyrillic.
  EXPECT_EQ(DefaultNameWith({"новое задание"}), "Новое задание");
  EXPECT_EQ(DefaultNameWith({"Новое задание", "НОВОЕ ЗАДАНИЕ (1)"}), "Новое задание (1)");
}

TEST(DefaultTaskName, EmptyWhenAllSixtyFourAreTaken) {
  std::vector<std::string> names = {"Новое задание"};
  for (int n = 1; n <= 64; ++n) names.push_back("Новое задание (" + std::to_string(n) + ")");
  EXPECT_EQ(DefaultNameWith(names), "");
  names.pop_back();
  EXPECT_EQ(DefaultNameWith(names), "Новое задание (64)");
}

TEST(DefaultTaskName, FreeRecordsDoNotTakeNames) {
  TPlanTask task = DailyTask("Новое задание", 1, 0);
  task.inUse = false;
  EXPECT_EQ(DefaultTaskName(PlanBase::FromBytes(HandFile({EncodePlanTask(task)}))), "Новое задание");
}

}  // namespace
}  // namespace tikolvo
