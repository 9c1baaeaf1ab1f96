#include "scheduler/plan_task.h"

#include <cassert>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

namespace L = plan_layout;

// Fields are written in table order; moving to the next field's offset fills
// the reserved bytes in between with zeros.
void MoveTo(ByteWriter& writer, std::size_t offset) {
  assert(writer.data().size() <= offset);
  writer.Zeros(offset - writer.data().size());
}

void MoveTo(ByteReader& reader, std::size_t offset) {
  assert(reader.position() <= offset);
  reader.Skip(offset - reader.position());
}

void WriteBool(ByteWriter& writer, bool value) { writer.U8(value ? 1 : 0); }
bool ReadBool(ByteReader& reader) { return reader.U8() != 0; }

template <std::size_t N>
void WriteBools(ByteWriter& writer, const std::array<bool, N>& values) {
  for (bool value : values) WriteBool(writer, value);
}

template <std::size_t N>
void ReadBools(ByteReader& reader, std::array<bool, N>& values) {
  for (bool& value : values) value = ReadBool(reader);
}

void EncodeActionsAndFilters(ByteWriter& w, const TPlanTask& t) {
  w.ShortString(t.name, L::kNameCapacity);
  WriteBool(w, t.hangUpActive);
  w.ShortString(t.connectionName, L::kConnectionNameCapacity);
  w.U8(t.dialAction);
  WriteBool(w, t.weekdayFilter);
  WriteBools(w, t.weekdays);
  w.U8(t.hintIcon);
  WriteBool(w, t.monthFilter);
  WriteBools(w, t.months);
  WriteBool(w, t.monthlyActive);
  MoveTo(w, L::kTimerTaskId);
  w.U16(t.timerTaskId);
  WriteBool(w, t.timerMode);
  MoveTo(w, L::kHintDuration);
  w.U16(t.hintDuration);
  MoveTo(w, L::kHintActive);
  WriteBool(w, t.hintActive);
  MoveTo(w, L::kBeepActive);
  WriteBool(w, t.beepActive);
  w.I32(t.beepFrequency);
  w.I32(t.beepDuration);
}

void EncodeTimeAndTexts(ByteWriter& w, const TPlanTask& t) {
  w.F64(t.when);
  WriteBool(w, t.everyDay);
  WriteBool(w, t.powerOff);
  WriteBool(w, t.reboot);
  WriteBool(w, t.runActive);
  w.ShortString(t.runFile, L::kPathCapacity);
  w.ShortString(t.runParams, L::kPathCapacity);
  WriteBool(w, t.messageActive);
  w.ShortString(t.messageText, L::kPathCapacity);
  WriteBool(w, t.dirActive);
  MoveTo(w, L::kHintText);
  w.ShortString(t.hintText, L::kHintTextCapacity);
}

void EncodeStateAndSound(ByteWriter& w, const TPlanTask& t) {
  WriteBool(w, t.autoLock);
  WriteBool(w, t.autoDelete);
  WriteBool(w, t.standby);
  MoveTo(w, L::kHibernate);
  WriteBool(w, t.hibernate);
  MoveTo(w, L::kLogOff);
  WriteBool(w, t.logOff);
  w.U8(static_cast<std::uint8_t>(t.trigger));
  WriteBool(w, t.locked);
  MoveTo(w, L::kEditMark);
  w.I32(t.editMark);
  WriteBool(w, t.soundActive);
  MoveTo(w, L::kSoundIndex);
  w.I32(t.soundIndex);
  WriteBool(w, t.musicActive);
  w.ShortString(t.musicFile, L::kPathCapacity);
  WriteBool(w, t.isNext);
  WriteBool(w, t.inUse);
  MoveTo(w, L::kId);
  w.I32(t.id);
  MoveTo(w, L::kRecordSize);
}

void DecodeActionsAndFilters(ByteReader& r, TPlanTask& t) {
  t.name = r.ShortString(L::kNameCapacity);
  t.hangUpActive = ReadBool(r);
  t.connectionName = r.ShortString(L::kConnectionNameCapacity);
  t.dialAction = r.U8();
  t.weekdayFilter = ReadBool(r);
  ReadBools(r, t.weekdays);
  t.hintIcon = r.U8();
  t.monthFilter = ReadBool(r);
  ReadBools(r, t.months);
  t.monthlyActive = ReadBool(r);
  MoveTo(r, L::kTimerTaskId);
  t.timerTaskId = r.U16();
  t.timerMode = ReadBool(r);
  MoveTo(r, L::kHintDuration);
  t.hintDuration = r.U16();
  MoveTo(r, L::kHintActive);
  t.hintActive = ReadBool(r);
  MoveTo(r, L::kBeepActive);
  t.beepActive = ReadBool(r);
  t.beepFrequency = r.I32();
  t.beepDuration = r.I32();
}

void DecodeTimeAndTexts(ByteReader& r, TPlanTask& t) {
  t.when = r.F64();
  t.everyDay = ReadBool(r);
  t.powerOff = ReadBool(r);
  t.reboot = ReadBool(r);
  t.runActive = ReadBool(r);
  t.runFile = r.ShortString(L::kPathCapacity);
  t.runParams = r.ShortString(L::kPathCapacity);
  t.messageActive = ReadBool(r);
  t.messageText = r.ShortString(L::kPathCapacity);
  t.dirActive = ReadBool(r);
  MoveTo(r, L::kHintText);
  t.hintText = r.ShortString(L::kHintTextCapacity);
}

void DecodeStateAndSound(ByteReader& r, TPlanTask& t) {
  t.autoLock = ReadBool(r);
  t.autoDelete = ReadBool(r);
  t.standby = ReadBool(r);
  MoveTo(r, L::kHibernate);
  t.hibernate = ReadBool(r);
  MoveTo(r, L::kLogOff);
  t.logOff = ReadBool(r);
  t.trigger = static_cast<TaskTrigger>(r.U8());
  t.locked = ReadBool(r);
  MoveTo(r, L::kEditMark);
  t.editMark = r.I32();
  t.soundActive = ReadBool(r);
  MoveTo(r, L::kSoundIndex);
  t.soundIndex = r.I32();
  t.musicActive = ReadBool(r);
  t.musicFile = r.ShortString(L::kPathCapacity);
  t.isNext = ReadBool(r);
  t.inUse = ReadBool(r);
  MoveTo(r, L::kId);
  t.id = r.I32();
}

}  // namespace

std::string EncodePlanTask(const TPlanTask& task) {
  ByteWriter writer;
  EncodeActionsAndFilters(writer, task);
  EncodeTimeAndTexts(writer, task);
  EncodeStateAndSound(writer, task);
  return writer.Take();
}

TPlanTask DecodePlanTask(std::string_view record) {
  if (record.size() < L::kRecordSize) {
    std::string padded(record);
    padded.resize(L::kRecordSize, '\0');
    return DecodePlanTask(std::string_view(padded));
  }
  ByteReader reader(record.substr(0, L::kRecordSize));
  TPlanTask task;
  DecodeActionsAndFilters(reader, task);
  DecodeTimeAndTexts(reader, task);
  DecodeStateAndSound(reader, task);
  return task;
}

void ResetTask(TPlanTask& task, DateTime now) {
  task = TPlanTask{};
  task.weekdays.fill(true);
  task.months.fill(true);
  task.hintDuration = 30;
  task.beepFrequency = 1000;
  task.beepDuration = 500;
  task.when = now;
  task.everyDay = true;
  task.editMark = -1;
}

TPlanTask ResetTaskValues(DateTime now) {
  TPlanTask task;
  ResetTask(task, now);
  return task;
}

}  // namespace tikolvo
