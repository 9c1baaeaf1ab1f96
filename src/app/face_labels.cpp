#include "app/face_labels.h"

#include <utility>

#include "common/date_format.h"

namespace tikolvo {
namespace {

void AppendTwoDigits(std::string& text, int value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string DigitalTimeText(const CivilTime& time, bool withSeconds) {
  std::string text;
  AppendTwoDigits(text, time.hour);
  text += ':';
  AppendTwoDigits(text, time.minute);
  if (withSeconds) {
    text += ':';
    AppendTwoDigits(text, time.second);
  }
  return text;
}

DateTime UptimeAsDateTime(std::uint64_t milliseconds) {
  return static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

bool FaceLabelTexts::Shown(FaceLabel label) const {
  switch (label) {
    case FaceLabel::Date: return formats_.dateShown;
    case FaceLabel::Time: return formats_.timeShown;
    default: return formats_.free[static_cast<int>(label) - static_cast<int>(FaceLabel::Format1)].shown;
  }
}

unsigned FaceLabelTexts::Set(FaceLabel label, std::string text) {
  std::string& current = texts_[static_cast<int>(label)];
  if (current == text) return 0;
  current = std::move(text);
  return LabelBit(label);
}

// Format3 shows how long the system has been running, not the date.
unsigned FaceLabelTexts::UpdateFree(int index, DateTime now) {
  const LabelFormats::Free& free = formats_.free[index];
  const DateTime value = index == 2 ? UptimeAsDateTime(clock_.MillisecondsSinceStart()) : now;
  const auto label = static_cast<FaceLabel>(static_cast<int>(FaceLabel::Format1) + index);
  return Set(label, FormatDateTime(free.pattern, value, locale_));
}

unsigned FaceLabelTexts::Reset(const LabelFormats& formats) {
  formats_ = formats;
  unsigned changed = 0;
  for (int i = 0; i < kFaceLabelCount; ++i) {
    if (!texts_[i].empty()) changed |= 1u << i;
    texts_[i].clear();
  }
  const DateTime now = clock_.Now();
  if (formats_.dateShown) changed |= Set(FaceLabel::Date, FormatDateTime(formats_.datePattern, now, locale_));
  if (formats_.timeShown) changed |= Set(FaceLabel::Time, DigitalTimeText(DecodeDateTime(now), formats_.timeSeconds));
  for (int i = 0; i < 3; ++i)
    if (formats_.free[i].shown) changed |= UpdateFree(i, now);
  return changed;
}

unsigned FaceLabelTexts::Tick() {
  const DateTime now = clock_.Now();
  unsigned changed = 0;
  if (formats_.timeShown) changed |= Set(FaceLabel::Time, DigitalTimeText(DecodeDateTime(now), formats_.timeSeconds));
  for (int i = 0; i < 3; ++i)
    if (formats_.free[i].shown && formats_.free[i].everySecond) changed |= UpdateFree(i, now);
  return changed;
}

unsigned FaceLabelTexts::DailyRefresh() {
  const DateTime now = clock_.Now();
  unsigned changed = 0;
  if (formats_.dateShown) changed |= Set(FaceLabel::Date, FormatDateTime(formats_.datePattern, now, locale_));
  for (int i = 0; i < 3; ++i)
    if (formats_.free[i].shown && !formats_.free[i].everySecond) changed |= UpdateFree(i, now);
  return changed;
}

}  // namespace tikolvo
