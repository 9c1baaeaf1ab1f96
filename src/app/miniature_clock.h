#pragma once
// The live miniature clock of the settings window's banner: the banner's
// hand rectangle (150, 13)-(183, 45) with short black hands and a dark red
// second hand, no alarm hand, no tails, no shadow. The settings window shows
// the 32 x 32 result in an image of its own.
#include "app/hand_angles.h"
#include "render/engine.h"

namespace tikolvo {

class MiniatureClock {
 public:
  static constexpr HandRect kRect{150, 13, 183, 45};

  // The banner picture (545 x 54); buffers are sized here, not per draw.
  void SetBanner(const Bitmap24& banner);
  bool Ready() const { return ready_; }
  // The miniature at `now`; empty until a banner is set.
  const Bitmap24& Draw(DateTime now);

 private:
  Engine engine_;
  FaceAngles angles_;
  bool ready_ = false;
};

}  // namespace tikolvo
