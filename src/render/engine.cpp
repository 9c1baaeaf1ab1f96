#include "render/engine.h"

#include <algorithm>
#include <cstring>

#include "render/layer.h"

namespace tikolvo {
namespace {

int Side(int from, int to) { return std::clamp(to - from, 0, Engine::kMaxRectSide); }

PixelBox Union(const PixelBox& a, const PixelBox& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// Where a drawing puts anything: the box around the samples it fills.
class SampleBounds final : public Surface {
 public:
  SampleBounds(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void FillSpan(int y, int x0, int x1, Colour) override {
    box_ = Union(box_, {x0, y, x1, y + 1});
  }
  // The output pixels those samples belong to.
  PixelBox OutputBox() const {
    if (box_.Empty()) return {};
    return {box_.left / kSupersample, box_.top / kSupersample, (box_.right - 1) / kSupersample + 1,
            (box_.bottom - 1) / kSupersample + 1};
  }

 private:
  int width_, height_;
  PixelBox box_;
};

void CopyBox(const Bitmap24& from, Bitmap24& to, const PixelBox& box) {
  const std::size_t left = static_cast<std::size_t>(box.left) * Bitmap24::kBytesPerPixel;
  const std::size_t bytes = static_cast<std::size_t>(box.Width()) * Bitmap24::kBytesPerPixel;
  for (int y = box.top; y < box.bottom; ++y) std::memcpy(to.Row(y) + left, from.Row(y) + left, bytes);
}

}  // namespace

void Engine::SizeFor(const Bitmap24& face, bool keyColour) {
  Forget();
  const int width = Side(rect_.left, rect_.right), height = Side(rect_.top, rect_.bottom);
  keyColour_ = keyColour;
  output_.Resize(width, height);
  previous_.Resize(width, height);
  face_.Resize(width, height);
  CutRectangle(face, rect_.left, rect_.top, face_);
  // Key-colour drawing works on the output itself; only supersampling needs
  // the large buffers.
  const int bufferWidth = keyColour ? 0 : width, bufferHeight = keyColour ? 0 : height;
  canvas_.Resize(bufferWidth, bufferHeight);
  mask_.Resize(bufferWidth, bufferHeight);
}

void Engine::SetBackground(const Bitmap24& face) { SizeFor(face, false); }

void Engine::SetKeyColourBackground(const Bitmap24& face) { SizeFor(face, true); }

void Engine::SetLayerBackground(const Bitmap32& layer) {
  Bitmap24 colours(layer.Width(), layer.Height());
  for (int y = 0; y < layer.Height(); ++y) {
    const std::uint8_t* source = layer.Row(y);
    std::uint8_t* target = colours.Row(y);
    for (int x = 0; x < layer.Width(); ++x, source += 4, target += 3) {
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
    }
  }
  SizeFor(colours, false);
}

void Engine::SetDayPicture(const Bitmap24& picture) {
  Forget();
  day_.Resize(Side(rect_.left, rect_.right), Side(rect_.top, rect_.bottom));
  CutRectangle(picture, rect_.left, rect_.top, day_);
  hasDay_ = picture.Width() >= kMinPictureWidth;
}

void Engine::SetNightPicture(const Bitmap24& picture) {
  Forget();
  night_.Resize(Side(rect_.left, rect_.right), Side(rect_.top, rect_.bottom));
  CutRectangle(picture, rect_.left, rect_.top, night_);
  hasNight_ = picture.Width() >= kMinPictureWidth;
}

const Bitmap24& Engine::ChooseBackground(Backdrop backdrop) const {
  auto fits = [this](const Bitmap24& b) {
    return b.Width() == face_.Width() && b.Height() == face_.Height();
  };
  if (backdrop == Backdrop::Day && hasDay_ && fits(day_)) return day_;
  if (backdrop == Backdrop::Night && hasNight_ && fits(night_)) return night_;
  return face_;
}

SimpleScene Engine::Scene() const {
  return {simple_, angles_, Centre(), options_.fullDrawing, options_.alarmShown};
}

void Engine::Forget() { drawn_.reset(); }

bool Engine::UpToDate(Backdrop backdrop) const { return drawn_ && *drawn_ == SceneNow(backdrop); }

const Bitmap24& Engine::Draw(Backdrop backdrop) {
  if (output_.Empty() || UpToDate(backdrop)) return output_;
  const DrawnScene scene = SceneNow(backdrop);
  const PixelBox everything{0, 0, output_.Width(), output_.Height()};
  const bool comparable = drawn_.has_value();
  const Bitmap24& background = ChooseBackground(backdrop);
  if (keyColour_) {
    if (comparable) CopyBitmap(output_, previous_, 0, 0);
    DrawKeyColour(background);
    NoteDrawn(scene, comparable, everything);
    return output_;
  }
  const PixelBox secondNow = SecondHandBox(angles_.second);
  const PixelBox box = BoxToRedraw(scene, secondNow).value_or(everything);
  if (comparable) CopyBox(output_, previous_, box);
  DrawSupersampled(background, box);
  secondBox_ = secondNow;
  NoteDrawn(scene, comparable, box);
  return output_;
}

void Engine::NoteDrawn(const DrawnScene& scene, bool comparable, const PixelBox& box) {
  drawn_ = scene;
  if (comparable) {
    NoteChange(box);
  } else {
    lastChange_ = {0, 0, output_.Width(), output_.Height()};
  }
}

// Only the second hand moved: the pixels it covered and the pixels it
// covers now. Anything else that changed may change any pixel.
std::optional<PixelBox> Engine::BoxToRedraw(const DrawnScene& scene, const PixelBox& secondNow) const {
  if (!drawn_) return std::nullopt;
  DrawnScene secondMoved = *drawn_;
  secondMoved.angles.second = scene.angles.second;
  if (!(secondMoved == scene)) return std::nullopt;
  return Union(secondBox_, secondNow);
}

PixelBox Engine::SecondHandBox(double angle) {
  SampleBounds bounds(canvas_.Width(), canvas_.Height());
  if (options_.enhanced) {
    const HandRecord& second = Hand(HandId::Second);
    DrawEnhancedHand(bounds, second, angle, kSupersample);
    if (options_.shadow) DrawEnhancedShadow(bounds, second, angle);
  } else {
    SimpleScene scene = Scene();
    scene.angles.second = angle;
    DrawSimpleSecondHand(bounds, scene);
    if (options_.shadow && options_.fullDrawing) DrawSimpleSecondShadow(bounds, scene);
  }
  return bounds.OutputBox();
}

// The smallest box around the pixels of the drawn box that differ from the
// picture before (nothing else was drawn).
void Engine::NoteChange(const PixelBox& drawn) {
  PixelBox box{output_.Width(), output_.Height(), 0, 0};
  const std::size_t left = static_cast<std::size_t>(drawn.left) * Bitmap24::kBytesPerPixel;
  const std::size_t bytes = static_cast<std::size_t>(drawn.Width()) * Bitmap24::kBytesPerPixel;
  for (int y = drawn.top; y < drawn.bottom; ++y) {
    const std::uint8_t* now = output_.Row(y) + left;
    const std::uint8_t* before = previous_.Row(y) + left;
    if (std::memcmp(now, before, bytes) == 0) continue;
    std::size_t first = 0, last = bytes;
    while (now[first] == before[first]) ++first;
    while (now[last - 1] == before[last - 1]) --last;
    box.left = std::min(box.left, drawn.left + static_cast<int>(first / Bitmap24::kBytesPerPixel));
    box.right = std::max(box.right, drawn.left + static_cast<int>((last - 1) / Bitmap24::kBytesPerPixel) + 1);
    box.top = std::min(box.top, y);
    box.bottom = y + 1;
  }
  lastChange_ = box.Empty() ? PixelBox{} : box;
}

void Engine::DrawIntoLayer(int left, int top, Bitmap32& layer) {
  LayerBlit(Draw(Backdrop::Face), left, top, layer);
}

const Bitmap24& Engine::DrawMiniature() {
  if (output_.Empty()) return output_;
  drawn_.reset();  // the miniature is not what Draw remembers
  if (canvas_.Width() == 0) {
    CopyBitmap(face_, output_, 0, 0);
    return output_;
  }
  canvas_.Begin(face_);
  DrawMiniatureHands(canvas_, Scene());
  canvas_.ReduceInto(output_);
  return output_;
}

void Engine::DrawSupersampled(const Bitmap24& background, const PixelBox& box) {
  canvas_.Begin(background);
  canvas_.LimitTo(box);
  if (options_.enhanced) {
    DrawEnhancedSupersampled();
  } else {
    DrawSimpleSupersampled();
  }
  canvas_.ReduceInto(output_);
}

void Engine::DrawKeyColour(const Bitmap24& background) {
  CopyBitmap(background, output_, 0, 0);
  BitmapSurface surface(output_);
  if (options_.enhanced) {
    DrawEnhancedHands(surface, 1, false);
  } else {
    DrawSimpleHandsKeyColour(surface, Scene());
  }
}

void Engine::DrawSimpleSupersampled() {
  const SimpleScene scene = Scene();
  if (options_.shadow && options_.fullDrawing) {
    ShadowPainter shadows = StartShadows(Darkening(kSimpleShadowFraction));
    DrawSimpleShadows(shadows, scene);
  }
  DrawSimpleHands(canvas_, scene);
}

// With shadows, the month and weekday hands go down first so that the other
// hands' shadows fall across them; they are not drawn again afterwards.
void Engine::DrawEnhancedSupersampled() {
  if (!options_.shadow) {
    DrawEnhancedHands(canvas_, kSupersample, false);
    return;
  }
  DrawEnhancedHand(canvas_, Hand(HandId::Month), angles_.month, kSupersample);
  DrawEnhancedHand(canvas_, Hand(HandId::Weekday), angles_.weekday, kSupersample);
  ShadowPainter shadows = StartShadows(Darkening(ShadowFraction(options_.shadowPercent)));
  DrawEnhancedShadow(shadows, Hand(HandId::Hour24), angles_.hour24);
  if (options_.alarmShown) DrawEnhancedShadow(shadows, Hand(HandId::Alarm), angles_.alarm);
  DrawEnhancedShadow(shadows, Hand(HandId::Hour), angles_.hour);
  DrawEnhancedShadow(shadows, Hand(HandId::Minute), angles_.minute);
  DrawEnhancedShadow(shadows, Hand(HandId::Second), angles_.second);
  DrawEnhancedHands(canvas_, kSupersample, true);
}

void Engine::DrawEnhancedHands(Surface& surface, int factor, bool skipCalendarHands) {
  if (!skipCalendarHands) {
    DrawEnhancedHand(surface, Hand(HandId::Month), angles_.month, factor);
    DrawEnhancedHand(surface, Hand(HandId::Weekday), angles_.weekday, factor);
  }
  DrawEnhancedHand(surface, Hand(HandId::Hour24), angles_.hour24, factor);
  if (options_.alarmShown) DrawEnhancedHand(surface, Hand(HandId::Alarm), angles_.alarm, factor);
  const HandRecord& second = Hand(HandId::Second);
  if (options_.secondBeneath) DrawEnhancedHand(surface, second, angles_.second, factor);
  DrawEnhancedHand(surface, Hand(HandId::Hour), angles_.hour, factor);
  DrawEnhancedHand(surface, Hand(HandId::Minute), angles_.minute, factor);
  if (!options_.secondBeneath) DrawEnhancedHand(surface, second, angles_.second, factor);
}

const DarkenTable& Engine::Darkening(double fraction) {
  if (!darken_ || darkenFraction_ != fraction) {
    darken_.emplace(fraction);
    darkenFraction_ = fraction;
  }
  return *darken_;
}

ShadowPainter Engine::StartShadows(const DarkenTable& table) {
  mask_.Clear();
  return ShadowPainter(canvas_, mask_, table);
}

}  // namespace tikolvo
