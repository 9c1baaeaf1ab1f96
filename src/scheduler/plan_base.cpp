#include "scheduler/plan_base.h"

#include <algorithm>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

namespace L = plan_layout;

std::size_t WholeRecords(std::size_t fileSize) {
  return fileSize < L::kHeaderSize ? 0 : (fileSize - L::kHeaderSize) / L::kRecordSize;
}

// The header a rebuild writes: the old one when there was one, else zeros.
std::string HeaderOf(const std::string& bytes) {
  std::string header = bytes.substr(0, L::kHeaderSize);
  header.resize(L::kHeaderSize, '\0');
  return header;
}

}  // namespace

PlanBase PlanBase::FromBytes(std::string bytes) {
  PlanBase base;
  base.recordCount_ = WholeRecords(bytes.size());
  base.bytes_ = std::move(bytes);
  return base;
}

PlanBase PlanBase::Fresh(DateTime now) {
  PlanBase base;
  base.bytes_.assign(L::kHeaderSize, '\0');
  base.bytes_ += EncodePlanTask(ResetTaskValues(now));
  base.recordCount_ = 1;
  return base;
}

std::size_t PlanBase::Offset(std::size_t index) const { return L::kHeaderSize + index * L::kRecordSize; }

std::string_view PlanBase::RecordBytes(std::size_t index) const {
  if (index >= recordCount_) return {};
  return std::string_view(bytes_).substr(Offset(index), L::kRecordSize);
}

bool PlanBase::InUse(std::size_t index) const {
  return index < recordCount_ && bytes_[Offset(index) + L::kInUse] != 0;
}

std::int32_t PlanBase::Id(std::size_t index) const {
  if (index >= recordCount_) return 0;
  ByteReader reader(RecordBytes(index).substr(L::kId, 4));
  return reader.I32();
}

TPlanTask PlanBase::At(std::size_t index) const {
  if (index >= recordCount_) return {};
  return DecodePlanTask(RecordBytes(index));
}

bool PlanBase::HasTaskWithId(std::int32_t id) const {
  for (std::size_t index = 0; index < recordCount_; ++index)
    if (InUse(index) && Id(index) == id) return true;
  return false;
}

std::size_t PlanBase::TasksInUse() const {
  std::size_t count = 0;
  for (std::size_t index = 0; index < recordCount_; ++index) count += InUse(index) ? 1 : 0;
  return count;
}

void PlanBase::Overwrite(std::size_t offset, std::string_view bytes) {
  if (offset > bytes_.size() || bytes.size() > bytes_.size() - offset) return;
  const auto target = bytes_.begin() + static_cast<std::ptrdiff_t>(offset);
  if (std::equal(bytes.begin(), bytes.end(), target)) return;
  std::copy(bytes.begin(), bytes.end(), target);
  changed_ = true;
}

void PlanBase::Put(std::size_t index, const TPlanTask& task) {
  if (index < recordCount_) Overwrite(Offset(index), EncodePlanTask(task));
}

void PlanBase::SetFlag(std::size_t index, std::size_t field, bool on) {
  static constexpr char kFlag[2] = {0, 1};
  if (index < recordCount_) Overwrite(Offset(index) + field, std::string_view(&kFlag[on ? 1 : 0], 1));
}

void PlanBase::SetIsNext(std::size_t index, bool on) { SetFlag(index, L::kIsNext, on); }
void PlanBase::SetLocked(std::size_t index, bool on) { SetFlag(index, L::kLocked, on); }
void PlanBase::SetInUse(std::size_t index, bool on) { SetFlag(index, L::kInUse, on); }

void PlanBase::SetWhen(std::size_t index, DateTime when) {
  if (index >= recordCount_) return;
  ByteWriter writer;
  writer.F64(when);
  Overwrite(Offset(index) + L::kWhen, writer.data());
}

void PlanBase::Compact() {
  std::string rebuilt = HeaderOf(bytes_);
  std::size_t kept = 0;
  for (std::size_t index = 0; index < recordCount_; ++index) {
    if (!InUse(index)) continue;
    rebuilt.append(RecordBytes(index));
    ++kept;
  }
  if (rebuilt != bytes_) changed_ = true;
  bytes_ = std::move(rebuilt);
  recordCount_ = kept;
}

void PlanBase::Append(const TPlanTask& task) {
  Compact();
  bytes_ += EncodePlanTask(task);
  ++recordCount_;
  changed_ = true;
}

}  // namespace tikolvo
