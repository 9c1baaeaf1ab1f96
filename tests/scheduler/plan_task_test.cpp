#include <gtest/gtest.h>

#include "plan_test_files.h"
#include "scheduler/plan_task.h"

namespace tikolvo {
namespace {

// Every field set to a value of its own, so a field at a wrong offset or of
// a wrong size shows in the bytes.
TPlanTask EveryFieldSet() {
  TPlanTask t;
  t.name = "Задача";
  t.hangUpActive = true;
  t.connectionName = "Все";
  t.dialAction = 4;
  t.weekdayFilter = true;
  t.weekdays = {true, false, true, false, true, false, true};
  t.hintIcon = 17;
  t.monthFilter = true;
  t.months = {false, true, false, true, false, true, false, true, false, true, false, true};
  t.monthlyActive = true;
  t.timerTaskId = 0x1234;
  t.timerMode = true;
  t.hintDuration = 600;
  t.hintActive = true;
  t.beepActive = true;
  t.beepFrequency = 1500;
  t.beepDuration = -2;
  t.when = 2.5;
  t.everyDay = true;
  t.powerOff = true;
  t.reboot = true;
  t.runActive = true;
  t.runFile = "C:\\a.exe";
  t.runParams = "-x";
  t.messageActive = true;
  t.messageText = "Привет";
  t.dirActive = true;
  t.hintText = "hint";
  t.autoLock = true;
  t.autoDelete = true;
  t.standby = true;
  t.hibernate = true;
  t.logOff = true;
  t.trigger = TaskTrigger::kMonthly;
  t.locked = true;
  t.editMark = -1;
  t.soundActive = true;
  t.soundIndex = 9;
  t.musicActive = true;
  t.musicFile = "m.mp3";
  t.isNext = true;
  t.inUse = true;
  t.id = 3578;
  return t;
}

std::string EveryFieldSetByHand() {
  HandRecord r;
  r.Text(0, "\xC7\xE0\xE4\xE0\xF7\xE0");  // "Задача"
  r.U8(64, 1).Text(65, "\xC2\xF1\xE5").U8(129, 4).U8(130, 1);
  for (int i = 0; i < 7; ++i) r.U8(131 + i, i % 2 == 0 ? 1 : 0);
  r.U8(138, 17).U8(139, 1);
  for (int i = 0; i < 12; ++i) r.U8(140 + i, i % 2 == 1 ? 1 : 0);
  r.U8(152, 1).U16(154, 0x1234).U8(156, 1).U16(158, 600);
  r.U8(245, 1).U8(247, 1).I32(248, 1500).I32(252, -2).F64(256, 2.5);
  r.U8(264, 1).U8(265, 1).U8(266, 1).U8(267, 1);
  r.Text(268, "C:\\a.exe").Text(524, "-x").U8(780, 1).Text(781, "\xCF\xF0\xE8\xE2\xE5\xF2");  // "Привет"
  r.U8(1037, 1).Text(1046, "hint");
  r.U8(1286, 1).U8(1287, 1).U8(1288, 1).U8(1290, 1).U8(1292, 1).U8(1293, 5).U8(1294, 1);
  r.I32(1296, -1).U8(1300, 1).I32(1304, 9).U8(1308, 1).Text(1309, "m.mp3");
  r.U8(1565, 1).U8(1566, 1).I32(1568, 3578);
  return r;
}

TEST(PlanRecord, EveryFieldAtItsDocumentedOffset) {
  const std::string expected = EveryFieldSetByHand();
  const std::string encoded = EncodePlanTask(EveryFieldSet());
  ASSERT_EQ(encoded.size(), 1576u);
  for (std::size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(encoded[i], expected[i]) << "first difference at byte " << i;
  EXPECT_EQ(DecodePlanTask(expected), EveryFieldSet());
}

TEST(PlanRecord, ResetValuesAsBytes) {
  const DateTime now = At(2026, 3, 15, 10, 30);
  HandRecord r;
  for (int i = 0; i < 7; ++i) r.U8(131 + i, 1);
  for (int i = 0; i < 12; ++i) r.U8(140 + i, 1);
  r.U16(158, 30).I32(248, 1000).I32(252, 500).F64(256, now).U8(264, 1).I32(1296, -1);
  EXPECT_EQ(EncodePlanTask(ResetTaskValues(now)), r.bytes());

  TPlanTask used = EveryFieldSet();
  ResetTask(used, now);
  EXPECT_EQ(used, ResetTaskValues(now));
  EXPECT_FALSE(used.inUse);
}

TEST(PlanRecord, TextsAreCutToTheirFieldsInCp1251Bytes) {
  TPlanTask t;
  t.name = std::string(70, 'x');
  t.connectionName = std::string(80, 'c');
  t.hintText = std::string(40, 'a') + std::string(260, 'y');
  t.messageText = "";
  for (int i = 0; i < 300; ++i) t.messageText += "ж";  // two UTF-8 bytes, one CP1251 byte
  const std::string bytes = EncodePlanTask(t);
  ASSERT_EQ(bytes.size(), 1576u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 63);
  EXPECT_EQ(bytes[64], '\0') << "the name must not spill into HangUpActive";
  EXPECT_EQ(static_cast<unsigned char>(bytes[65]), 63);
  EXPECT_EQ(static_cast<unsigned char>(bytes[781]), 255);
  EXPECT_EQ(bytes.substr(782, 3), "\xE6\xE6\xE6");
  EXPECT_EQ(static_cast<unsigned char>(bytes[1046]), 239);
  EXPECT_EQ(bytes[1286], '\0') << "the balloon text must not spill into AutoLock";

  const TPlanTask back = DecodePlanTask(bytes);
  EXPECT_EQ(back.name, std::string(63, 'x'));
  EXPECT_EQ(back.hintText, std::string(40, 'a') + std::string(199, 'y'));
  EXPECT_EQ(back.messageText.size(), 255u * 2);
}

TEST(PlanRecord, DamagedBytesStillDecode) {
  HandRecord r = HandRecord::Live(7);
  r.U8(0, 200);        // length beyond the name's capacity
  r.U8(1566, 2);       // any non-zero byte is true
  r.U8(1293, 9);       // a trigger no rule knows
  r.U8(1, 'A');
  const TPlanTask t = DecodePlanTask(r.bytes());
  EXPECT_EQ(t.name.size(), 63u);
  EXPECT_TRUE(t.inUse);
  EXPECT_EQ(static_cast<int>(t.trigger), 9);

  // A record cut short reads its missing bytes as zeros.
  const TPlanTask cut = DecodePlanTask(std::string_view(HandRecord::Live(5, "ab").bytes()).substr(0, 100));
  EXPECT_EQ(cut.name, "ab");
  EXPECT_FALSE(cut.inUse);
  EXPECT_EQ(cut.id, 0);
}

}  // namespace
}  // namespace tikolvo
