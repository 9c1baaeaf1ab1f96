#pragma once
// plan.db in memory: a 4-byte header of no meaning, then 1576-byte task
// records back to back. A task is known by its id, never by its position.
//
// The base keeps the file's bytes as they were read, so an in-place change
// (a flag, a time, a replaced record) writes back every other byte exactly,
// reserved bytes and a partial record at the end included. Rebuilding (an
// append or a delete) starts from the header and keeps only the records in
// use, in their order: free records and a partial tail are gone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "scheduler/plan_task.h"

namespace tikolvo {

class PlanBase {
 public:
  PlanBase() = default;

  // Whole records only count; bytes after the last one are kept for an
  // in-place save and dropped by a rebuild.
  static PlanBase FromBytes(std::string bytes);

  // What a new plan.db holds: the header and one reset, free record.
  static PlanBase Fresh(DateTime now);

  std::size_t size() const { return recordCount_; }
  bool InUse(std::size_t index) const;
  std::int32_t Id(std::size_t index) const;
  TPlanTask At(std::size_t index) const;
  std::string_view RecordBytes(std::size_t index) const;

  // True when some record in use carries the id.
  bool HasTaskWithId(std::int32_t id) const;
  std::size_t TasksInUse() const;

  // In-place changes of one record.
  void Put(std::size_t index, const TPlanTask& task);
  void SetIsNext(std::size_t index, bool on);
  void SetWhen(std::size_t index, DateTime when);
  void SetLocked(std::size_t index, bool on);
  void SetInUse(std::size_t index, bool on);

  // Rebuilds: header, the records in use in order, and for Append the new
  // record last (stored as given).
  void Compact();
  void Append(const TPlanTask& task);

  // The whole file as it would be saved.
  const std::string& bytes() const { return bytes_; }
  // True once a change made the bytes differ from what was loaded.
  bool Changed() const { return changed_; }

 private:
  std::size_t Offset(std::size_t index) const;
  void SetFlag(std::size_t index, std::size_t field, bool on);
  void Overwrite(std::size_t offset, std::string_view bytes);

  std::string bytes_;
  std::size_t recordCount_ = 0;
  bool changed_ = false;
};

}  // namespace tikolvo
