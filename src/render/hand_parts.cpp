#include "render/hand_parts.h"

#include <algorithm>

#include "render/block_span.h"

namespace tikolvo {
namespace {

double AngleOf(const HandAngles& a, HandId id) {
  switch (id) {
    case HandId::Second: return a.second;
    case HandId::Minute: return a.minute;
    case HandId::Hour: return a.hour;
    case HandId::Alarm: return a.alarm;
    case HandId::Hour24: return a.hour24;
    case HandId::Month: return a.month;
    case HandId::Weekday: return a.weekday;
  }
  return 0;
}

const HandRecord& RecordOf(const HandLayout& layout, HandId id) {
  return (*layout.records)[static_cast<int>(id)];
}

void Paint(Surface& surface, const HandLayout& layout, HandId id) {
  DrawEnhancedHand(surface, RecordOf(layout, id), AngleOf(layout.simple.angles, id), kSupersample);
}

void Shade(Surface& mask, const HandLayout& layout, HandId id) {
  DrawEnhancedShadow(mask, RecordOf(layout, id), AngleOf(layout.simple.angles, id));
}

// The enhanced model's order: the month and weekday hands under the
// shadows when there are shadows; then the 24-hour and alarm hands, the
// second hand when it goes beneath, the hour and minute hands, and the
// second hand when it goes on top.
void RecordEnhancedStill(StillParts& parts, const HandLayout& layout) {
  const bool alarm = layout.simple.alarmShown;
  SpanList& calendar = layout.shadows ? parts.underShadows : parts.under;
  Paint(calendar, layout, HandId::Month);
  Paint(calendar, layout, HandId::Weekday);
  if (layout.shadows) {
    Shade(parts.shadows, layout, HandId::Hour24);
    if (alarm) Shade(parts.shadows, layout, HandId::Alarm);
    Shade(parts.shadows, layout, HandId::Hour);
    Shade(parts.shadows, layout, HandId::Minute);
  }
  Paint(parts.under, layout, HandId::Hour24);
  if (alarm) Paint(parts.under, layout, HandId::Alarm);
  SpanList& hourAndMinute = layout.secondBeneath ? parts.over : parts.under;
  Paint(hourAndMinute, layout, HandId::Hour);
  Paint(hourAndMinute, layout, HandId::Minute);
}

}  // namespace

void StillParts::Record(const HandLayout& layout, int width, int height) {
  for (SpanList* list : {&underShadows, &shadows, &under, &over}) list->Reset(width, height);
  if (layout.enhanced) {
    RecordEnhancedStill(*this, layout);
    return;
  }
  if (layout.shadows) DrawSimpleStillShadows(shadows, layout.simple);
  DrawSimpleStillHands(under, layout.simple);
  DrawSimpleCentre(over, layout.simple);
}

void StillParts::Reserve(std::size_t spans) {
  for (SpanList* list : {&underShadows, &shadows, &under, &over}) list->Reserve(spans);
}

void SecondParts::Reserve(std::size_t spans) {
  shadow.Reserve(spans);
  hand.Reserve(spans);
}

void SecondParts::Record(const HandLayout& layout, int width, int height) {
  shadow.Reset(width, height);
  hand.Reset(width, height);
  if (layout.enhanced) {
    if (layout.shadows) Shade(shadow, layout, HandId::Second);
    Paint(hand, layout, HandId::Second);
    return;
  }
  if (layout.shadows) DrawSimpleSecondShadow(shadow, layout.simple);
  DrawSimpleSecondHand(hand, layout.simple);
}


}  // namespace tikolvo
