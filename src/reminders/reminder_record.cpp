#include "reminders/reminder_record.h"

#include "common/byte_io.h"

namespace tikolvo {
namespace {

constexpr std::size_t kTextAndDatesSize = kReminderInUseOffset;  // bytes 0..271
constexpr std::size_t kPaddingSize = kReminderRecordSize - kReminderMarkOffset - 1;

std::string EncodeTextAndDates(std::string_view text, DateTime start, DateTime end) {
  ByteWriter writer;
  writer.ShortString(text, kReminderTextCapacity);
  writer.F64(start);
  writer.F64(end);
  return writer.Take();
}

}  // namespace

std::string EncodeReminderRecord(const Reminder& reminder) {
  ByteWriter writer;
  writer.Bytes(EncodeTextAndDates(reminder.text, reminder.start, reminder.end));
  writer.U8(reminder.active ? 1 : 0);
  writer.U8(1);
  writer.Zeros(kPaddingSize);
  return writer.Take();
}

Reminder DecodeReminderRecord(std::string_view record) {
  if (record.size() < kReminderRecordSize) return {};
  ByteReader reader(record);
  Reminder reminder;
  reminder.text = reader.ShortString(kReminderTextCapacity);
  reminder.start = reader.F64();
  reminder.end = reader.F64();
  reminder.active = reader.U8() != 0;
  return reminder;
}

Reminder FreshReminder(DateTime now) { return Reminder{"", now, now, false}; }

ReminderBase ReminderBase::FromBytes(std::string_view bytes) {
  ReminderBase base;
  base.bytes_.assign(bytes.substr(0, bytes.size() / kReminderRecordSize * kReminderRecordSize));
  return base;
}

ReminderBase ReminderBase::EmptyFile(DateTime now) {
  ReminderBase base;
  base.bytes_ = EncodeReminderRecord(FreshReminder(now));
  return base;
}

std::string_view ReminderBase::RecordBytes(std::size_t index) const {
  return std::string_view(bytes_).substr(index * kReminderRecordSize, kReminderRecordSize);
}

bool ReminderBase::IsActive(std::size_t index) const {
  return index < size() && RecordBytes(index)[kReminderInUseOffset] != 0;
}

Reminder ReminderBase::At(std::size_t index) const {
  if (index >= size()) return {};
  return DecodeReminderRecord(RecordBytes(index));
}

void ReminderBase::WriteTextAndDates(std::size_t index, std::string_view text, DateTime start, DateTime end) {
  bytes_.replace(index * kReminderRecordSize, kTextAndDatesSize, EncodeTextAndDates(text, start, end));
}

std::size_t ReminderBase::Add(std::string_view text, DateTime start, DateTime end) {
  for (std::size_t index = 0; index < size(); ++index) {
    if (IsActive(index)) continue;
    WriteTextAndDates(index, text, start, end);
    bytes_[index * kReminderRecordSize + kReminderInUseOffset] = 1;
    bytes_[index * kReminderRecordSize + kReminderMarkOffset] = 1;
    return index;
  }
  bytes_ += EncodeReminderRecord(Reminder{std::string(text), start, end, true});
  return size() - 1;
}

bool ReminderBase::Update(long long index, std::string_view text, DateTime start, DateTime end) {
  if (!Contains(index)) return false;
  WriteTextAndDates(static_cast<std::size_t>(index), text, start, end);
  return true;
}

bool ReminderBase::Delete(long long index) {
  if (!Contains(index)) return false;
  bytes_[static_cast<std::size_t>(index) * kReminderRecordSize + kReminderInUseOffset] = 0;
  return true;
}

}  // namespace tikolvo
