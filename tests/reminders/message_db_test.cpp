#include <gtest/gtest.h>

#include "reminders/reminder_file.h"
#include "reminders/reminder_record.h"
#include "reminder_test_files.h"

namespace tikolvo {
namespace {

constexpr double kNow = 46000.75;  // some afternoon in 2025

TEST(MessageDbRecord, GoldenBytesOfAnActiveRecord) {
  std::string expected(280, '\0');
  expected[0] = 4;
  expected.replace(1, 4, "\xD2\xE5\xF1\xF2");                            // "Тест" in CP1251
  expected.replace(256, 8, std::string("\0\0\0\0\0\0\xF0\x3F", 8));    // 1.0
  expected.replace(264, 8, std::string("\0\0\0\0\0\0\x00\x40", 8));    // 2.0
  expected[272] = 1;
  expected[273] = 1;
  EXPECT_EQ(EncodeReminderRecord(Reminder{"Тест", 1.0, 2.0, true}), expected);
  EXPECT_EQ(DecodeReminderRecord(expected), (Reminder{"Тест", 1.0, 2.0, true}));
}

TEST(MessageDbRecord, TextIsCutTo255BytesAndAnyNonZeroFlagIsActive) {
  const Reminder longText{std::string(300, 'x'), 0, 0, true};
  const std::string bytes = EncodeReminderRecord(longText);
  ASSERT_EQ(bytes.size(), 280u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 255);
  EXPECT_EQ(bytes.substr(1, 255), std::string(255, 'x'));
  EXPECT_EQ(bytes[256], '\0');

  EXPECT_TRUE(DecodeReminderRecord(HandRecord("a", 0, 0, 7)).active);
  EXPECT_FALSE(DecodeReminderRecord(HandRecord("a", 0, 0, 0)).active);
  // Bytes after the stated length are not part of the text.
  std::string record = HandRecord("ab", 0, 0, 1);
  record[3] = 'c';
  EXPECT_EQ(DecodeReminderRecord(record).text, "ab");
}

using MessageDb = ReminderFolder;

TEST_F(MessageDb, AddWritesTheDocumentedRecordIntoTheFirstFreeSlot) {
  Write(HandRecord("", kNow, kNow, 0));
  EXPECT_EQ(AddReminder(Path(), "Тест", 1.0, 2.0), 0u);
  EXPECT_EQ(Read(), HandRecord("\xD2\xE5\xF1\xF2", 1.0, 2.0, 1));
}

TEST_F(MessageDb, DeletedSlotIsReusedBeforeTheFileGrows) {
  Write(HandRecord("", kNow, kNow, 0));
  for (const char* text : {"one", "two", "three"}) AddReminder(Path(), text, 1, 1);
  EXPECT_EQ(DeleteReminder(Path(), 1), ReminderFileResult::kSaved);
  // The deleted record keeps its text and dates, only the flag drops.
  EXPECT_EQ(Read().substr(280, 280), HandRecord("two", 1, 1, 0));

  EXPECT_EQ(AddReminder(Path(), "new", 5, 6), 1u);
  EXPECT_EQ(Read().size(), 3u * 280);
  EXPECT_EQ(ReadReminder(Path(), 1, kNow), (Reminder{"new", 5, 6, true}));
  EXPECT_EQ(AddReminder(Path(), "fourth", 1, 1), 3u);
}

TEST_F(MessageDb, DeleteAllLeavesOneFreeRecordDatedNow) {
  Write(HandRecord("a", 1, 1, 1) + HandRecord("b", 1, 1, 1));
  ASSERT_TRUE(CreateEmptyReminderFile(Path(), kNow));
  EXPECT_EQ(Read(), HandRecord("", kNow, kNow, 0));
  EXPECT_TRUE(ListReminders(Path()).empty());
}

TEST_F(MessageDb, UpdateRewritesTextAndDatesButKeepsFlagsAndOtherRecords) {
  std::string odd = HandRecord("keep", 1, 2, 9, 5);
  odd[279] = '\x7F';  // padding nobody should touch
  Write(odd + HandRecord("old", 1, 2, 1));
  EXPECT_EQ(UpdateReminder(Path(), 1, Reminder{"new", 3, 4, false}), ReminderFileResult::kSaved);
  EXPECT_EQ(Read(), odd + HandRecord("new", 3, 4, 1));

  EXPECT_EQ(UpdateReminder(Path(), 0, Reminder{"x", 3, 4, true}), ReminderFileResult::kSaved);
  std::string updated = HandRecord("x", 3, 4, 9, 5);
  updated[279] = '\x7F';
  EXPECT_EQ(Read().substr(0, 280), updated);
}

TEST_F(MessageDb, PartialTailIsIgnoredAndReplacedByTheNextRecord) {
  const std::string records = HandRecord("a", 1, 1, 1) + HandRecord("b", 1, 1, 1);
  Write(records + std::string(100, '\xEE'));
  EXPECT_EQ(ListReminders(Path()).size(), 2u);
  EXPECT_EQ(ReadReminder(Path(), 2, kNow), FreshReminder(kNow));

  // The new record takes index 2, where the list will look for it.
  EXPECT_EQ(AddReminder(Path(), "c", 1, 1), 2u);
  EXPECT_EQ(Read(), records + HandRecord("c", 1, 1, 1));
}

TEST_F(MessageDb, IndexOutsideTheFileIsHarmlessAndFreeRecordsReadFresh) {
  const std::string bytes = HandRecord("a", 1, 1, 1) + HandRecord("gone", 1, 2, 0);
  Write(bytes);
  EXPECT_EQ(ReadReminder(Path(), 1, kNow), (Reminder{"", kNow, kNow, false}));
  for (long long index : {2LL, 99LL, -1LL}) {
    EXPECT_EQ(ReadReminder(Path(), index, kNow), FreshReminder(kNow));
    EXPECT_EQ(UpdateReminder(Path(), index, Reminder{"z", 1, 1, true}), ReminderFileResult::kUnchanged);
    EXPECT_EQ(DeleteReminder(Path(), index), ReminderFileResult::kUnchanged);
  }
  EXPECT_EQ(Read(), bytes);
}

TEST_F(MessageDb, MissingFile) {
  EXPECT_TRUE(ListReminders(Path()).empty());
  EXPECT_EQ(ReadReminder(Path(), 0, kNow), FreshReminder(kNow));
  EXPECT_EQ(DeleteReminder(Path(), 0), ReminderFileResult::kFailed);
  EXPECT_EQ(UpdateReminder(Path(), 0, Reminder{}), ReminderFileResult::kFailed);
  EXPECT_FALSE(FileExists(Path()));

  // A typed reminder is not lost: the file is created with it.
  EXPECT_EQ(AddReminder(Path(), "a", 1, 1), 0u);
  EXPECT_EQ(Read(), HandRecord("a", 1, 1, 1));
}

TEST_F(MessageDb, FirstStartCreatesTheEmptyFileOnlyWhenMissing) {
  ASSERT_TRUE(EnsureReminderFile(Path(), kNow));
  EXPECT_EQ(Read(), HandRecord("", kNow, kNow, 0));
  Write(HandRecord("a", 1, 1, 1));
  ASSERT_TRUE(EnsureReminderFile(Path(), kNow));
  EXPECT_EQ(Read(), HandRecord("a", 1, 1, 1));
}

}  // namespace
}  // namespace tikolvo
