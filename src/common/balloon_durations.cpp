#include "common/balloon_durations.h"

#include <algorithm>

namespace tikolvo {
namespace {

struct DurationChoice {
  std::int32_t duration;
  std::string_view label;
};

constexpr DurationChoice kChoices[kBalloonDurationPositions] = {
    {10, "1 секунда"},   {30, "3 секунды"},   {50, "5 секунд"},   {100, "10 секунд"},
    {250, "25 секунд"},  {600, "1 минута"},   {1800, "3 минуты"}, {3000, "5 минут"},
    {6000, "10 минуты"}, {kBalloonStaysOpen, "Не закрывать"},
};

constexpr int kUnknownDurationPosition = 3;

const DurationChoice& ChoiceAt(int position) {
  return kChoices[std::clamp(position, 0, kBalloonDurationPositions - 1)];
}

}  // namespace

std::int32_t BalloonDurationAt(int position) { return ChoiceAt(position).duration; }

std::string_view BalloonDurationLabel(int position) { return ChoiceAt(position).label; }

int BalloonDurationPosition(std::int32_t duration) {
  for (int position = 0; position < kBalloonDurationPositions; ++position)
    if (kChoices[position].duration == duration) return position;
  return kUnknownDurationPosition;
}

}  // namespace tikolvo
