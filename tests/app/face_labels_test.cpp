#include "app/face_labels.h"

#include <gtest/gtest.h>

#include "app/day_change.h"
#include "common/uptime_counter.h"
#include "common/date_format.h"
#include "common/fake_clock.h"

namespace tikolvo {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s);
}

TEST(FaceLabelText, DigitalTimeWithAndWithoutSeconds) {
  const CivilTime t{2026, 1, 1, 9, 5, 7};
  EXPECT_EQ(DigitalTimeText(t, true), "09:05:07");
  EXPECT_EQ(DigitalTimeText(t, false), "09:05");
  EXPECT_EQ(DigitalTimeText({2026, 1, 1, 23, 59, 59}, true), "23:59:59");
}

TEST(FaceLabelText, UptimeIsShownWithinTheDayAndCountsPastTheTickWrap) {
  const Locale locale;
  const std::uint64_t twentyFiveHours = 25ull * 3600 * 1000 + 12 * 60 * 1000 + 3000;
  EXPECT_EQ(FormatDateTime("hh:nn:ss", UptimeAsDateTime(twentyFiveHours), locale), "01:12:03");
  // Past 49.7 days a 32-bit counter would start again from zero.
  const std::uint64_t fiftyDays = 50ull * kMillisecondsPerDay + 3600 * 1000;
  EXPECT_EQ(static_cast<long long>(UptimeAsDateTime(fiftyDays)), 50);
  EXPECT_EQ(FormatDateTime("hh:nn", UptimeAsDateTime(fiftyDays), locale), "01:00");
}

class FaceLabelTexts_ : public ::testing::Test {
 protected:
  FakeClock clock{At(2026, 3, 8, 9, 5, 7), 3723000};  // up 1:02:03
  Locale locale;
  FaceLabelTexts labels{clock, locale};
};

LabelFormats AllShown() {
  LabelFormats f;
  f.dateShown = true;
  f.datePattern = "d mmmm yyyy";
  f.timeShown = true;
  f.free[0] = {true, "hh:nn:ss", true};
  f.free[1] = {true, "yyyy", false};
  f.free[2] = {true, "hh:nn:ss", true};
  return f;
}

TEST_F(FaceLabelTexts_, FaceLabelResetGivesEveryShownLabelItsFirstText) {
  EXPECT_EQ(labels.Reset(AllShown()), 0x1Fu);
  EXPECT_EQ(labels.Text(FaceLabel::Date), "8 марта 2026");
  EXPECT_EQ(labels.Text(FaceLabel::Time), "09:05:07");
  EXPECT_EQ(labels.Text(FaceLabel::Format1), "09:05:07");
  EXPECT_EQ(labels.Text(FaceLabel::Format2), "2026");
  EXPECT_EQ(labels.Text(FaceLabel::Format3), "01:02:03");
  // A skin without labels clears them all.
  EXPECT_EQ(labels.Reset(LabelFormats{}), 0x1Fu);
  EXPECT_EQ(labels.Text(FaceLabel::Date), "");
  EXPECT_FALSE(labels.Shown(FaceLabel::Format3));
}

TEST_F(FaceLabelTexts_, FaceLabelTickChangesOnlyTheEverySecondLabels) {
  labels.Reset(AllShown());
  clock.AdvanceSeconds(3600 * 24 * 400 + 61);  // even a new year
  const unsigned changed = labels.Tick();
  EXPECT_EQ(changed, LabelBit(FaceLabel::Time) | LabelBit(FaceLabel::Format1) | LabelBit(FaceLabel::Format3));
  EXPECT_EQ(labels.Text(FaceLabel::Format2), "2026");
  EXPECT_EQ(labels.Text(FaceLabel::Date), "8 марта 2026");
  // Nothing new within the same second: nothing to repaint.
  EXPECT_EQ(labels.Tick(), 0u);
}

TEST_F(FaceLabelTexts_, FaceLabelDailyRefreshTakesTheOthers) {
  labels.Reset(AllShown());
  clock.SetNow(At(2027, 1, 1, 0, 0, 1));
  EXPECT_EQ(labels.DailyRefresh(), LabelBit(FaceLabel::Date) | LabelBit(FaceLabel::Format2));
  EXPECT_EQ(labels.Text(FaceLabel::Date), "1 января 2027");
  EXPECT_EQ(labels.Text(FaceLabel::Format2), "2027");
  EXPECT_EQ(labels.Text(FaceLabel::Time), "09:05:07");  // the tick's business
}

TEST_F(FaceLabelTexts_, FaceLabelTimeWithoutSecondsChangesOncePerMinute) {
  LabelFormats f;
  f.timeShown = true;
  f.timeSeconds = false;
  labels.Reset(f);
  EXPECT_EQ(labels.Text(FaceLabel::Time), "09:05");
  clock.AdvanceSeconds(10);
  EXPECT_EQ(labels.Tick(), 0u);
  clock.AdvanceSeconds(50);
  EXPECT_EQ(labels.Tick(), LabelBit(FaceLabel::Time));
  EXPECT_EQ(labels.Text(FaceLabel::Time), "09:06");
}

TEST(FaceLabelDayChange, DueOncePerDayFromOneSecondPastMidnight) {
  DayChangeWatch watch;
  watch.Start(At(2026, 3, 8, 23, 59, 0));
  EXPECT_FALSE(watch.Due(At(2026, 3, 8, 23, 59, 59)));
  EXPECT_FALSE(watch.Due(At(2026, 3, 9, 0, 0, 0)));
  EXPECT_TRUE(watch.Due(At(2026, 3, 9, 0, 0, 1)));
  EXPECT_FALSE(watch.Due(At(2026, 3, 9, 0, 0, 2)));
  // A clock set back a day counts as a new date too.
  EXPECT_TRUE(watch.Due(At(2026, 3, 8, 12, 0, 0)));
}

TEST(FaceLabelDayChange, TheDayClockWakesAtTheDayChangeAndAtLeastEveryMinute) {
  // The last sleep before midnight ends just past 00:00:01, never before it.
  const int last = DayChangeWatch::MillisecondsToNextLook(At(2026, 3, 8, 23, 59, 50));
  EXPECT_GE(last, 11'000);
  EXPECT_LE(last, 11'002);
  DayChangeWatch watch;
  watch.Start(At(2026, 3, 8, 23, 59, 50));
  EXPECT_TRUE(watch.Due(At(2026, 3, 8, 23, 59, 50) + last / 86'400'000.0));
  // At 00:00:00.5 the ring is half a second away; at noon a minute is the most.
  EXPECT_LE(DayChangeWatch::MillisecondsToNextLook(At(2026, 3, 9, 0, 0, 0) + 0.5 / 86400), 502);
  EXPECT_EQ(DayChangeWatch::MillisecondsToNextLook(At(2026, 3, 9, 12, 0, 0)), 60'000);
}

TEST(FaceLabelUptime, WrapsOfTheTickCounterAreCounted) {
  UptimeCounter counter;
  EXPECT_EQ(counter.Extend(0xFFFFFF00u), 0xFFFFFF00u);
  EXPECT_EQ(counter.Extend(0xFFFFFFFFu), 0xFFFFFFFFu);
  EXPECT_EQ(counter.Extend(5), 0x100000005ull);
  EXPECT_EQ(counter.Extend(5), 0x100000005ull);
  EXPECT_EQ(counter.Extend(3), 0x200000003ull);
}

}  // namespace
}  // namespace tikolvo
