#include "scheduler/plan_file.h"

#include <exception>
#include <set>

#include "common/file_io.h"
#include "scheduler/task_row.h"

namespace tikolvo {
namespace {

constexpr const char* kDefaultName = "Новое задание";
constexpr int kNumberedNames = 64;

std::string LowerLatin(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string NumberedName(int number) {
  return std::string(kDefaultName) + " (" + std::to_string(number) + ")";
}

bool Save(const std::string& path, const PlanBase& base) { return SaveFileAtomically(path, base.bytes()); }

PlanFileResult SavedOrFailed(const std::string& path, const PlanBase& base) {
  return Save(path, base) ? PlanFileResult::kSaved : PlanFileResult::kFailed;
}

}  // namespace

std::int32_t AppendTask(PlanBase& base, TPlanTask task, RandomSource& random) {
  task.inUse = true;
  task.id = UniqueTaskId(base, random);
  base.Append(task);
  return task.id;
}

bool ReplaceTask(PlanBase& base, std::int32_t id, TPlanTask task) {
  task.inUse = true;
  task.id = id;
  bool replaced = false;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (!base.InUse(index) || base.Id(index) != id) continue;
    base.Put(index, task);
    replaced = true;
  }
  return replaced;
}

std::optional<TPlanTask> FindTask(const PlanBase& base, std::int32_t id) {
  std::optional<TPlanTask> found;
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index) && base.Id(index) == id) found = base.At(index);
  return found;
}

void DeleteTask(PlanBase& base, std::int32_t id) {
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index) && base.Id(index) == id) base.SetInUse(index, false);
  base.Compact();
}

std::vector<std::string> ListTaskNames(const PlanBase& base) {
  std::vector<std::string> names;
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index)) names.push_back(TaskRowText(base.At(index).name, base.Id(index)));
  return names;
}

std::string DefaultTaskName(const PlanBase& base) {
  std::set<std::string> taken;
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index)) taken.insert(LowerLatin(base.At(index).name));
  if (!taken.contains(LowerLatin(kDefaultName))) return kDefaultName;
  for (int number = 1; number <= kNumberedNames; ++number)
    if (!taken.contains(LowerLatin(NumberedName(number)))) return NumberedName(number);
  return {};
}

std::optional<PlanBase> LoadPlanBase(const std::string& path) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const std::exception&) {
    // The C++ library throws when the path is a folder; that is an
    // unreadable plan.db like any other.
  }
  if (!bytes) return std::nullopt;
  return PlanBase::FromBytes(std::move(*bytes));
}

bool CreatePlanFile(const std::string& path, DateTime now) { return Save(path, PlanBase::Fresh(now)); }

bool EnsurePlanFile(const std::string& path, DateTime now) {
  return FileExists(path) || CreatePlanFile(path, now);
}

std::optional<std::int32_t> AppendTask(const std::string& path, TPlanTask task, RandomSource& random) {
  std::optional<PlanBase> base = LoadPlanBase(path);
  if (!base) {
    if (FileExists(path)) return std::nullopt;
    base.emplace();
  }
  const std::int32_t id = AppendTask(*base, std::move(task), random);
  if (!Save(path, *base)) return std::nullopt;
  return id;
}

PlanFileResult ReplaceTask(const std::string& path, std::int32_t id, TPlanTask task) {
  std::optional<PlanBase> base = LoadPlanBase(path);
  if (!base) return PlanFileResult::kFailed;
  if (!ReplaceTask(*base, id, std::move(task))) return PlanFileResult::kUnchanged;
  return SavedOrFailed(path, *base);
}

FindResult FindTask(const std::string& path, std::int32_t id, TPlanTask& task) {
  const std::optional<PlanBase> base = LoadPlanBase(path);
  if (!base) return FindResult::kFailed;
  std::optional<TPlanTask> found = FindTask(*base, id);
  if (!found) return FindResult::kNotFound;
  task = std::move(*found);
  return FindResult::kFound;
}

PlanFileResult DeleteTask(const std::string& path, std::int32_t id) {
  std::optional<PlanBase> base = LoadPlanBase(path);
  if (!base) return PlanFileResult::kFailed;
  DeleteTask(*base, id);
  return SavedOrFailed(path, *base);
}

std::optional<std::vector<std::string>> ListTaskNames(const std::string& path) {
  const std::optional<PlanBase> base = LoadPlanBase(path);
  if (!base) return std::nullopt;
  return ListTaskNames(*base);
}

std::string DefaultTaskName(const std::string& path) {
  return DefaultTaskName(LoadPlanBase(path).value_or(PlanBase{}));
}

}  // namespace tikolvo
