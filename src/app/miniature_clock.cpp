#include "app/miniature_clock.h"

namespace tikolvo {

void MiniatureClock::SetBanner(const Bitmap24& banner) {
  engine_.SetHandRect(kRect);
  engine_.SetBackground(banner);
  engine_.Simple() = kMiniatureHands;
  ready_ = !banner.Empty();
}

const Bitmap24& MiniatureClock::Draw(DateTime now) {
  engine_.SetAngles(angles_.At(now));
  return engine_.DrawMiniature();
}

}  // namespace tikolvo
