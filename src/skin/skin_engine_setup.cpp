#include "skin/skin_engine_setup.h"

namespace tikolvo {

HandRecords EngineHandRecords(Engine& engine) {
  HandRecords records{};
  for (int i = 0; i < kHandCount; ++i) records[static_cast<std::size_t>(i)] = engine.Hand(static_cast<HandId>(i));
  return records;
}

void ApplyClockDescription(const ClockDescription& clock, Engine& engine) {
  engine.SetHandRect(clock.handRect);
  SimpleHands& simple = engine.Simple();
  simple.hourLength = clock.hourLength;
  simple.minuteLength = clock.minuteLength;
  simple.secondLength = clock.secondLength;
  simple.alarmLength = clock.alarmLength;
  EngineOptions& options = engine.Options();
  options.shadow = clock.shadow;
  options.enhanced = clock.enhanced;
  options.shadowPercent = clock.shadowPercent;
  options.minuteSmooth = clock.minuteSmooth;
  options.secondBeneath = clock.secondBeneath;
  if (!clock.enhanced) return;
  for (int i = 0; i < kHandCount; ++i) engine.Hand(static_cast<HandId>(i)) = clock.hands[static_cast<std::size_t>(i)];
}

void ApplyHandColours(const SkinHandColours& colours, Engine& engine) {
  SimpleHands& simple = engine.Simple();
  simple.hourColour = colours.basic;
  simple.minuteColour = colours.basic;
  simple.secondColour = colours.second;
  simple.alarmColour = colours.alarm;
}

}  // namespace tikolvo
