#pragma once
// A picture's hands split by what moves, each part kept as spans. The still
// parts change when the minute does (or the skin, or an option); the second
// hand changes every second. Played back in order (the paint the shadows
// fall across, the shadows, the hands under the second hand, the second
// hand, the hands over it) they give exactly the picture drawing everything
// at once gives, so a second costs one hand's rasterizing.
#include <array>

#include "render/hand_model.h"
#include "render/span_list.h"

namespace tikolvo {

struct HandLayout {
  SimpleScene simple;  // the simple model's hands, every angle, the centre
  const std::array<HandRecord, kHandCount>* records = nullptr;
  bool enhanced = false;
  bool shadows = false;  // drawn at all: the simple model needs full drawing too
  bool secondBeneath = false;
};

struct StillParts {
  SpanList underShadows;  // painted first, so that the shadows fall across them
  SpanList shadows;
  SpanList under;  // painted before the second hand
  SpanList over;   // painted after it
  void Record(const HandLayout& layout, int width, int height);
  void Reserve(std::size_t spans);
};

struct SecondParts {
  SpanList shadow;
  SpanList hand;
  void Record(const HandLayout& layout, int width, int height);
  void Reserve(std::size_t spans);
};

}  // namespace tikolvo
