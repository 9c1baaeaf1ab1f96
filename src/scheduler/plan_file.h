#pragma once
// The operations on plan.db. Each one loads the whole file, works on it in
// memory and, when it changes something, saves the whole file atomically.
// The same operations exist on a PlanBase in memory, which is what the
// file operations run and what the engine and the tests use directly.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "scheduler/plan_base.h"
#include "scheduler/plan_task.h"
#include "scheduler/task_id.h"

namespace tikolvo {

inline constexpr const char* kPlanFileName = "plan.db";

enum class PlanFileResult {
  kSaved,      // the file was written
  kUnchanged,  // nothing to change, the file was left alone
  kFailed,     // the file could not be read or written; it is as it was
};

enum class FindResult { kFound, kNotFound, kFailed };

// ---- On a base in memory ----

// Appends `task` as a new task in use with a fresh unique id (a rebuild:
// free records and a partial tail go). Returns the id.
std::int32_t AppendTask(PlanBase& base, TPlanTask task, RandomSource& random);

// Overwrites, in place, every record in use that carries the id. The stored
// task is always in use and keeps that id, whatever the caller filled in.
// False when no record matched.
bool ReplaceTask(PlanBase& base, std::int32_t id, TPlanTask task);

// The last record in use with the id.
std::optional<TPlanTask> FindTask(const PlanBase& base, std::int32_t id);

// Frees every record in use with the id and rebuilds the base.
void DeleteTask(PlanBase& base, std::int32_t id);

// name + "||" + id of every task in use, in file order.
std::vector<std::string> ListTaskNames(const PlanBase& base);

// "Новое задание", or "Новое задание (N)" for the smallest N in 1..64 that
// no task has, or "" when all are taken. Names are compared with A..Z
// lower-cased (nothing else).
std::string DefaultTaskName(const PlanBase& base);

// ---- On the file ----

std::optional<PlanBase> LoadPlanBase(const std::string& path);

// Writes the header and one reset (free) record, replacing any file.
bool CreatePlanFile(const std::string& path, DateTime now);

// Creates the file when it is missing (first start).
bool EnsurePlanFile(const std::string& path, DateTime now);

// Returns the new task's id. A missing file is created with the task, so a
// task the user just made is never lost; an unreadable file fails.
std::optional<std::int32_t> AppendTask(const std::string& path, TPlanTask task, RandomSource& random);

PlanFileResult ReplaceTask(const std::string& path, std::int32_t id, TPlanTask task);

// Fills `task` when found; leaves it as it was otherwise.
FindResult FindTask(const std::string& path, std::int32_t id, TPlanTask& task);

PlanFileResult DeleteTask(const std::string& path, std::int32_t id);

// nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ListTaskNames(const std::string& path);

// A file that cannot be read counts as one without tasks.
std::string DefaultTaskName(const std::string& path);

}  // namespace tikolvo
