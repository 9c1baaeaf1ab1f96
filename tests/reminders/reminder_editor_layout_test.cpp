#include <gtest/gtest.h>

#include <vector>

#include "common/dialog_layout.h"

namespace tikolvo::dialog {
namespace {

const Extent kScreen{1024, 738};
const FrameMetrics kMetrics;

bool Inside(const Box& inner, const Box& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Apart(const Box& a, const Box& b) {
  return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

ReminderEditorLayout Typical() {
  // "Добавление сообщения", "Текст сообщения:", "от", "до", a picker for
  // "08.12.2026" with its drop-down button, "Добавить" and "Отмена".
  return LayoutReminderEditor(kMetrics, 150, 100, 14, 14, 100, {52, 44}, kScreen);
}

TEST(ReminderEditorLayout, ControlsStayInTheContentAreaAndNeverOverlap) {
  const ReminderEditorLayout l = Typical();
  const Box content{kMetrics.leftBand, kMetrics.topBand, l.window.width,
                    l.window.height - kMetrics.bottomBand};
  const std::vector<Box> controls{l.textLabel, l.text, l.fromLabel, l.fromPicker, l.toLabel, l.toPicker};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(Inside(controls[i], content)) << i;
    for (std::size_t j = i + 1; j < controls.size(); ++j) EXPECT_TRUE(Apart(controls[i], controls[j])) << i << j;
  }
  ASSERT_EQ(l.buttons.size(), 2u);
  for (const Box& button : l.buttons) {
    EXPECT_GE(button.top, l.window.height - kMetrics.bottomBand);
    EXPECT_LE(button.right, l.window.width - kMetrics.margin);
  }
  EXPECT_TRUE(Apart(l.buttons[0], l.buttons[1]));
}

TEST(ReminderEditorLayout, TextAcrossTheContentPickersInOneRowAfterTheirLabels) {
  const ReminderEditorLayout l = Typical();
  EXPECT_EQ(l.text.left, kMetrics.leftBand + kMetrics.margin);
  EXPECT_EQ(l.text.right, l.window.width - kMetrics.margin);
  EXPECT_EQ(l.text.top, l.textLabel.bottom);
  EXPECT_EQ(l.fromPicker.top, l.toPicker.top);
  EXPECT_GT(l.fromPicker.top, l.text.bottom);
  EXPECT_EQ(l.fromPicker.Width(), 100);
  EXPECT_LT(l.fromLabel.right, l.fromPicker.left);
  EXPECT_LT(l.fromPicker.right, l.toLabel.left);
  EXPECT_LT(l.toLabel.right, l.toPicker.left);
  // The short labels stand level with the middle of their pickers.
  EXPECT_NEAR(l.fromLabel.top + l.fromLabel.bottom, l.fromPicker.top + l.fromPicker.bottom, 1);
  EXPECT_EQ(l.caption.top, 0);
  EXPECT_EQ(l.caption.bottom, kMetrics.topBand);
}

TEST(ReminderEditorLayout, WideCaptionPickersOrButtonsWidenTheWindow) {
  const int usual = Typical().window.width;
  EXPECT_GT(LayoutReminderEditor(kMetrics, 600, 100, 14, 14, 100, {52, 44}, kScreen).window.width, usual);
  const ReminderEditorLayout widePickers = LayoutReminderEditor(kMetrics, 150, 100, 14, 14, 220, {52, 44}, kScreen);
  EXPECT_GT(widePickers.window.width, usual);
  EXPECT_LE(widePickers.toPicker.right, widePickers.window.width - kMetrics.margin);
  const ReminderEditorLayout wideButtons =
      LayoutReminderEditor(kMetrics, 150, 100, 14, 14, 100, {300, 300}, kScreen);
  EXPECT_GE(wideButtons.buttons[0].left, kMetrics.leftBand);
}

TEST(ReminderEditorLayout, NeverWiderOrTallerThanTheWorkArea) {
  const Extent tiny{320, 120};
  const ReminderEditorLayout l = LayoutReminderEditor(kMetrics, 900, 100, 14, 14, 200, {52, 44}, tiny);
  EXPECT_LE(l.window.width, tiny.width);
  EXPECT_LE(l.window.height, tiny.height);
  EXPECT_GE(l.text.right, l.text.left);
}

TEST(ReminderEditorLayout, ScalesWithTheMetrics) {
  const ReminderEditorLayout small = Typical();
  const ReminderEditorLayout large =
      LayoutReminderEditor(ScaledMetrics(144), 225, 150, 21, 21, 150, {78, 66}, kScreen);
  EXPECT_NEAR(large.window.width, small.window.width * 3 / 2, 3);
  EXPECT_NEAR(large.window.height, small.window.height * 3 / 2, 3);
}

}  // namespace
}  // namespace tikolvo::dialog
