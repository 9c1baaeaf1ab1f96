#include "render/engine.h"

#include <algorithm>
#include <cstring>

#include "render/layer.h"

namespace tikolvo {
namespace {

int Side(int from, int to) { return std::clamp(to - from, 0, Engine::kMaxRectSide); }

void CopyRegion(const Bitmap24& from, Bitmap24& to, const RowRegion& region) {
  for (int y = region.Top(); y < region.Bottom(); ++y) {
    const BlockSpan& columns = region.Row(y);
    if (columns.Empty()) continue;
    const std::size_t left = static_cast<std::size_t>(columns.first) * Bitmap24::kBytesPerPixel;
    const std::size_t bytes = static_cast<std::size_t>(columns.last - columns.first + 1) * Bitmap24::kBytesPerPixel;
    std::memcpy(to.Row(y) + left, from.Row(y) + left, bytes);
  }
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
  // A few hands' spans of one row each: room made once, so that a tick
  // does not allocate.
  const std::size_t spans = 2 * static_cast<std::size_t>(canvas_.Height());
  still_.Reserve(spans);
  second_.Reserve(spans);
  for (RowRegion* region : {&secondRegion_, &secondNow_, &redraw_}) region->Clear(height);
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
  hasDay_ = CutBackdrop(picture, day_);
}

void Engine::SetNightPicture(const Bitmap24& picture) {
  Forget();
  hasNight_ = CutBackdrop(picture, night_);
}

// A missing picture keeps no memory: most skins have neither.
bool Engine::CutBackdrop(const Bitmap24& picture, Bitmap24& backdrop) const {
  if (picture.Width() < kMinPictureWidth) {
    backdrop = Bitmap24();
    return false;
  }
  backdrop.Resize(Side(rect_.left, rect_.right), Side(rect_.top, rect_.bottom));
  CutRectangle(picture, rect_.left, rect_.top, backdrop);
  return true;
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

void Engine::Forget() {
  drawn_.reset();
  stillScene_.reset();
}

bool Engine::UpToDate(Backdrop backdrop) const { return drawn_ && *drawn_ == SceneNow(backdrop); }

const Bitmap24& Engine::Draw(Backdrop backdrop) {
  if (output_.Empty() || UpToDate(backdrop)) return output_;
  const DrawnScene scene = SceneNow(backdrop);
  const bool comparable = drawn_.has_value();
  const Bitmap24& background = ChooseBackground(backdrop);
  if (keyColour_) {
    if (comparable) CopyBitmap(output_, previous_, 0, 0);
    DrawKeyColour(background);
    redraw_.Fill(output_.Width(), output_.Height());
    NoteDrawn(scene, comparable, redraw_);
    return output_;
  }
  RecordParts(scene);
  secondNow_.Clear(output_.Height());
  second_.shadow.AddTo(secondNow_);
  second_.hand.AddTo(secondNow_);
  if (OnlySecondMoved(scene)) {
    redraw_ = secondRegion_;
    redraw_.Add(secondNow_);
  } else {
    redraw_.Fill(output_.Width(), output_.Height());
  }
  if (comparable) CopyRegion(output_, previous_, redraw_);
  DrawSupersampled(background, redraw_);
  std::swap(secondRegion_, secondNow_);
  NoteDrawn(scene, comparable, redraw_);
  return output_;
}

void Engine::NoteDrawn(const DrawnScene& scene, bool comparable, const RowRegion& drawn) {
  drawn_ = scene;
  if (comparable) {
    NoteChange(drawn);
  } else {
    lastChange_ = {0, 0, output_.Width(), output_.Height()};
  }
}

// Only the second hand moved: the picture changes only where it was and
// where it is now. Anything else that changed may change any pixel.
bool Engine::OnlySecondMoved(const DrawnScene& scene) const {
  if (!drawn_) return false;
  DrawnScene secondMoved = *drawn_;
  secondMoved.angles.second = scene.angles.second;
  return secondMoved == scene;
}

HandLayout Engine::Layout() const {
  const bool shadows = options_.shadow && (options_.enhanced || options_.fullDrawing);
  return {Scene(), &hands_, options_.enhanced, shadows, options_.secondBeneath};
}

// The still hands are rasterized again only when something but the second
// hand changed; the second hand every time.
void Engine::RecordParts(const DrawnScene& scene) {
  DrawnScene still = scene;
  still.backdrop = Backdrop::Face;
  still.angles.second = 0;
  const HandLayout layout = Layout();
  if (stillScene_ != still) {
    still_.Record(layout, canvas_.Width(), canvas_.Height());
    stillScene_ = still;
  }
  second_.Record(layout, canvas_.Width(), canvas_.Height());
}

// The smallest box around the pixels of the drawn region that differ from
// the picture before (nothing else was drawn).
void Engine::NoteChange(const RowRegion& drawn) {
  PixelBox box{output_.Width(), output_.Height(), 0, 0};
  for (int y = drawn.Top(); y < drawn.Bottom(); ++y) {
    const BlockSpan& columns = drawn.Row(y);
    if (columns.Empty()) continue;
    const std::size_t left = static_cast<std::size_t>(columns.first) * Bitmap24::kBytesPerPixel;
    const std::size_t bytes = static_cast<std::size_t>(columns.last - columns.first + 1) * Bitmap24::kBytesPerPixel;
    const std::uint8_t* now = output_.Row(y) + left;
    const std::uint8_t* before = previous_.Row(y) + left;
    if (std::memcmp(now, before, bytes) == 0) continue;
    std::size_t first = 0, last = bytes;
    while (now[first] == before[first]) ++first;
    while (now[last - 1] == before[last - 1]) --last;
    box.left = std::min(box.left, columns.first + static_cast<int>(first / Bitmap24::kBytesPerPixel));
    box.right = std::max(box.right, columns.first + static_cast<int>((last - 1) / Bitmap24::kBytesPerPixel) + 1);
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
  const SimpleScene scene = Scene();
  DrawInBands(canvas_, output_, [this, &scene] { DrawMiniatureHands(canvas_, scene); });
  return output_;
}

void Engine::DrawSupersampled(const Bitmap24& background, const RowRegion& region) {
  canvas_.Begin(background);
  canvas_.LimitTo(region);
  const DarkenTable* darkening = nullptr;
  if (Layout().shadows) {
    darkening = &Darkening(options_.enhanced ? ShadowFraction(options_.shadowPercent) : kSimpleShadowFraction);
  }
  DrawInBands(canvas_, output_, [this, darkening] {
    still_.underShadows.Replay(canvas_);
    if (darkening) {
      ShadowPainter shadows(canvas_, mask_, *darkening);
      still_.shadows.Replay(shadows);
      second_.shadow.Replay(shadows);
    }
    still_.under.Replay(canvas_);
    second_.hand.Replay(canvas_);
    still_.over.Replay(canvas_);
  });
}

void Engine::DrawKeyColour(const Bitmap24& background) {
  CopyBitmap(background, output_, 0, 0);
  BitmapSurface surface(output_);
  if (options_.enhanced) {
    DrawEnhancedHandsKeyColour(surface);
  } else {
    DrawSimpleHandsKeyColour(surface, Scene());
  }
}

// At screen resolution, for key-colour faces: no shadows.
void Engine::DrawEnhancedHandsKeyColour(Surface& surface) {
  DrawEnhancedHand(surface, Hand(HandId::Month), angles_.month, 1);
  DrawEnhancedHand(surface, Hand(HandId::Weekday), angles_.weekday, 1);
  DrawEnhancedHand(surface, Hand(HandId::Hour24), angles_.hour24, 1);
  if (options_.alarmShown) DrawEnhancedHand(surface, Hand(HandId::Alarm), angles_.alarm, 1);
  const HandRecord& second = Hand(HandId::Second);
  if (options_.secondBeneath) DrawEnhancedHand(surface, second, angles_.second, 1);
  DrawEnhancedHand(surface, Hand(HandId::Hour), angles_.hour, 1);
  DrawEnhancedHand(surface, Hand(HandId::Minute), angles_.minute, 1);
  if (!options_.secondBeneath) DrawEnhancedHand(surface, second, angles_.second, 1);
}

const DarkenTable& Engine::Darkening(double fraction) {
  if (!darken_ || darkenFraction_ != fraction) {
    darken_.emplace(fraction);
    darkenFraction_ = fraction;
  }
  return *darken_;
}

}  // namespace tikolvo
