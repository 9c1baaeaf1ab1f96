#pragma once
// The face drawing engine: draws the clock hands over a rectangle of a
// background picture and keeps the finished picture of that rectangle.
//
// Every buffer is sized when a background is set (at skin load); drawing
// never allocates. Before any background is set the rectangle is empty and a
// draw produces an empty picture.
//
// The clock asks for a picture twice a second, but most of what it draws
// changes once a second or less. The engine remembers what its last picture
// showed: asked for the same again, it hands that picture back without
// drawing, and after a draw it tells which pixels the new picture changed.
// When only the second hand moved, it draws again only the pixels the hand
// left and the pixels it reaches.
#include <array>
#include <optional>

#include "common/geometry.h"

#include "render/bitmap.h"
#include "render/hand_model.h"
#include "render/hand_parts.h"
#include "render/row_region.h"
#include "render/shadow.h"
#include "render/supersample.h"

namespace tikolvo {

struct HandRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class Backdrop { Face, Day, Night };

struct EngineOptions {
  bool fullDrawing = false;    // tails and shadows of the simple model
  bool shadow = false;         // the skin asks for shadows
  bool alarmShown = false;     // the scheduler is on: show the alarm hand
  bool enhanced = false;       // draw the seven hand records instead of the simple model
  bool secondBeneath = false;  // enhanced second hand under the hour and minute hands
  bool minuteSmooth = false;   // for whoever works out the angles
  int shadowPercent = 0;       // enhanced shadow strength, clamped to 0..100 when used
  bool operator==(const EngineOptions&) const = default;
};

class Engine {
 public:
  // A hand rectangle larger than this on a side is cut down to it.
  static constexpr int kMaxRectSide = 2048;
  // A day or night picture this narrow or narrower counts as absent.
  static constexpr int kMinPictureWidth = 6;

  // ---- Skin load.
  void SetHandRect(const HandRect& rect) { rect_ = rect; }
  const HandRect& Rect() const { return rect_; }
  // The face as background, hands drawn supersampled with smooth edges.
  void SetBackground(const Bitmap24& face);
  // The face as background, hands drawn at screen resolution (faces that
  // use a transparent key colour must not get blended edge colours).
  void SetKeyColourBackground(const Bitmap24& face);
  // Per-pixel-alpha faces: the premultiplied picture's colours as background.
  void SetLayerBackground(const Bitmap32& layer);
  void SetDayPicture(const Bitmap24& picture);
  void SetNightPicture(const Bitmap24& picture);
  bool HasDayPicture() const { return hasDay_; }
  bool HasNightPicture() const { return hasNight_; }
  bool KeyColourMode() const { return keyColour_; }

  // ---- What to draw.
  SimpleHands& Simple() { return simple_; }
  const SimpleHands& Simple() const { return simple_; }
  EngineOptions& Options() { return options_; }
  HandRecord& Hand(HandId id) { return hands_[static_cast<int>(id)]; }
  void SetAngles(const HandAngles& angles) { angles_ = angles; }
  // The centre of the simple model: half the rectangle's size.
  Point Centre() const { return {output_.Width() / 2, output_.Height() / 2}; }

  // ---- Drawing. Each returns the finished picture of the hand rectangle.
  // The hands in the mode the background was set for. A missing day or
  // night picture falls back to the face.
  const Bitmap24& Draw(Backdrop backdrop = Backdrop::Face);
  // Draws over the face and puts the result into the layer at (left, top).
  void DrawIntoLayer(int left, int top, Bitmap32& layer);
  // The settings window's miniature: hour, minute, second and a small disc.
  const Bitmap24& DrawMiniature();
  const Bitmap24& Output() const { return output_; }

  // True when Draw(backdrop) would give exactly the picture it gave last.
  bool UpToDate(Backdrop backdrop = Backdrop::Face) const;
  // The pixels of the hand rectangle that the last draw changed (all of
  // them after a skin load), in the rectangle's own coordinates; empty when
  // it changed none.
  const PixelBox& LastChange() const { return lastChange_; }

 private:
  // Everything a picture depends on besides the backgrounds.
  struct DrawnScene {
    Backdrop backdrop = Backdrop::Face;
    SimpleHands simple;
    EngineOptions options;
    HandAngles angles;
    std::array<HandRecord, kHandCount> hands{};
    bool operator==(const DrawnScene&) const = default;
  };
  DrawnScene SceneNow(Backdrop backdrop) const { return {backdrop, simple_, options_, angles_, hands_}; }
  void Forget();
  void NoteChange(const RowRegion& drawn);
  void NoteDrawn(const DrawnScene& scene, bool comparable, const RowRegion& drawn);
  bool OnlySecondMoved(const DrawnScene& scene) const;

  HandLayout Layout() const;
  void RecordParts(const DrawnScene& scene);
  const DarkenTable& Darkening(double fraction);

  void SizeFor(const Bitmap24& face, bool keyColour);
  bool CutBackdrop(const Bitmap24& picture, Bitmap24& backdrop) const;
  const Bitmap24& ChooseBackground(Backdrop backdrop) const;
  SimpleScene Scene() const;
  void DrawSupersampled(const Bitmap24& background, const RowRegion& region);
  void DrawKeyColour(const Bitmap24& background);
  void DrawEnhancedHandsKeyColour(Surface& surface);

  HandRect rect_;
  bool keyColour_ = false;
  bool hasDay_ = false;
  bool hasNight_ = false;
  Bitmap24 output_;
  Bitmap24 face_;
  Bitmap24 day_;
  Bitmap24 night_;
  SupersampledCanvas canvas_;
  ShadowMask mask_;

  SimpleHands simple_;
  EngineOptions options_;
  HandAngles angles_;
  std::array<HandRecord, kHandCount> hands_{};

  std::optional<DrawnScene> drawn_;  // what output_ shows, when it came from Draw
  RowRegion secondRegion_;           // the pixels its second hand and shadow cover
  RowRegion secondNow_;              // the same for the picture being drawn
  RowRegion redraw_;                 // what the picture being drawn draws again
  std::optional<DrawnScene> stillScene_;  // what the still parts were drawn for
  StillParts still_;
  SecondParts second_;
  Bitmap24 previous_;                // output_ before the last draw
  PixelBox lastChange_;
  std::optional<DarkenTable> darken_;  // made once for the fraction the skin asks
  double darkenFraction_ = -1;
};

}  // namespace tikolvo
