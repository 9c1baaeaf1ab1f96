#include "scheduler/wizard_values.h"

#include <array>

namespace tikolvo::wizard {
namespace {

constexpr std::array<std::int32_t, kFrequencyPositions> kBeepValues = {300, 500, 1000, 1500, 2000, 5000};
constexpr std::array<std::string_view, kFrequencyPositions> kFrequencyLabels = {
    "300 Гц", "500 Гц", "1 КГц", "1.5 КГц", "2 КГц", "5 КГц"};
constexpr std::array<std::string_view, kDurationPositions> kDurationLabels = {
    "0.3 секунды", "0.5 секунды", "1 секунда", "1.5 секунды", "2 секунды"};

}  // namespace

std::int32_t BeepValueAt(int position) {
  if (position < 0 || position >= kFrequencyPositions) return 1000;
  return kBeepValues[static_cast<std::size_t>(position)];
}

int BeepPositionOf(std::int32_t value) {
  switch (value) {
    case 300: return 0;
    case 1000: return 2;
    case 1500: return 3;
    case 2000: return 4;
    case 5000: return 5;
    default: return 1;
  }
}

std::string_view FrequencyLabel(int position) {
  if (position < 0 || position >= kFrequencyPositions) return "";
  return kFrequencyLabels[static_cast<std::size_t>(position)];
}

std::string_view DurationLabel(int position) {
  if (position < 0 || position >= kDurationPositions) return "";
  return kDurationLabels[static_cast<std::size_t>(position)];
}

}  // namespace tikolvo::wizard
