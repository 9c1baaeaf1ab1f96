#include "app/stacking.h"

namespace tikolvo {

StackingMode StackingFromFlags(bool up, bool neutral, bool down) {
  StackingMode mode = StackingMode::Neutral;
  if (up) mode = StackingMode::Topmost;
  if (neutral) mode = StackingMode::Neutral;
  if (down) mode = StackingMode::Bottommost;
  return mode;
}

ZOrderAction Stacking::Choose(StackingMode mode) {
  mode_ = mode;
  switch (mode) {
    case StackingMode::Topmost: return ZOrderAction::MakeTopmost;
    case StackingMode::Neutral: return ZOrderAction::MakeNeutral;
    case StackingMode::Bottommost: return ZOrderAction::SinkToBottom;
  }
  return ZOrderAction::None;
}

ZOrderAction Stacking::AfterPositionChanged(bool settingsLoaded) const {
  if (bottomMost() || !settingsLoaded || !up()) return ZOrderAction::None;
  return ZOrderAction::MakeTopmost;
}

}  // namespace tikolvo
