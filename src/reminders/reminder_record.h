#pragma once
// The reminder record and the in-memory form of message.db / message_all.db:
// fixed 280-byte records back to back, no header. A record's position in the
// file is its identity, so records are never moved: a deleted one is only
// flagged free and the next new reminder takes its place.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"

namespace tikolvo {

// Byte layout of one record.
inline constexpr std::size_t kReminderRecordSize = 280;
inline constexpr std::size_t kReminderTextCapacity = 255;  // bytes of CP1251
inline constexpr std::size_t kReminderStartOffset = 256;
inline constexpr std::size_t kReminderEndOffset = 264;
inline constexpr std::size_t kReminderInUseOffset = 272;
inline constexpr std::size_t kReminderMarkOffset = 273;  // always written as 1

struct Reminder {
  std::string text;  // UTF-8
  DateTime start = 0;
  DateTime end = 0;
  bool active = false;

  bool operator==(const Reminder&) const = default;
};

// The 280 bytes of a record (text cut to 255 bytes of CP1251, byte 273 = 1,
// zero padding).
std::string EncodeReminderRecord(const Reminder& reminder);

// Reads one record; `record` shorter than a record gives an inactive empty
// reminder.
Reminder DecodeReminderRecord(std::string_view record);

// What a read gives for a missing or free record: empty text, both dates now.
Reminder FreshReminder(DateTime now);

// The records of one file, kept as their stored bytes so that records the
// user did not touch are written back exactly as they were read.
class ReminderBase {
 public:
  ReminderBase() = default;

  // Whole records only: a partial record at the end is not part of the base
  // and is gone when the base is written back.
  static ReminderBase FromBytes(std::string_view bytes);

  // The file "Удалить все" and the first start write: one free record whose
  // dates are the moment of creation.
  static ReminderBase EmptyFile(DateTime now);

  std::size_t size() const { return bytes_.size() / kReminderRecordSize; }
  bool Contains(long long index) const { return index >= 0 && static_cast<std::size_t>(index) < size(); }
  bool IsActive(std::size_t index) const;
  Reminder At(std::size_t index) const;

  // Stores a new active reminder in the first free record, or in a new
  // record at the end; returns its index.
  std::size_t Add(std::string_view text, DateTime start, DateTime end);

  // Rewrites text and dates of an existing record; its flags stay. False when
  // the index is outside the base.
  bool Update(long long index, std::string_view text, DateTime start, DateTime end);

  // Flags the record free; its text and dates stay in the file. False when
  // the index is outside the base.
  bool Delete(long long index);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string_view RecordBytes(std::size_t index) const;
  void WriteTextAndDates(std::size_t index, std::string_view text, DateTime start, DateTime end);

  std::string bytes_;
};

}  // namespace tikolvo
