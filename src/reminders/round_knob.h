#pragma once
// The round knob without its window: an integer position between a minimum
// and a maximum, shown as a dot on a circle whose angle follows the
// position, turned by dragging the mouse round the centre or by the keys.
//
// Angles are degrees counted counter-clockwise from 3 o'clock (90 up, 270
// down). The dot stands at AngleMin for Min and at AngleMax for Max; step k
// is (AngleMin - AngleMax) / (Max - Min) degrees per unit (0 when the range
// is empty). Every position update raises onChange, even when the value did
// not change, and with useChangeUpDown also onChangeUp (the position grew
// since the last report) or onChangeDown (otherwise).
#include <cstdint>
#include <functional>

#include "common/geometry.h"

namespace tikolvo {

enum class KnobKey { PageUp, PageDown, End, Home, Left, Down, Up, Right };

class RoundKnob {
 public:
  static constexpr int kNewSide = 40;

  RoundKnob();

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Each goes through the position update with the other two as they are.
  void SetPosition(int value) { Update(value, min_, max_); }
  void SetMin(int value) { Update(position_, value, max_); }
  void SetMax(int value) { Update(position_, min_, value); }
  void SetRange(int low, int high) { Update(position_, low, high); }

  int AngleMin() const { return angleMin_; }
  int AngleMax() const { return angleMax_; }
  void SetAngles(int atMin, int atMax);
  double Step() const { return step_; }
  // The dot's angle for the position, in whole degrees.
  int DotAngle() const;
  // The position an angle stands for: Min when the range is empty.
  int ValueAt(double angle) const;
  // The middle of the dot, in control pixels.
  PixelPoint DotCentre() const;

  std::uint16_t pageSize = 10;
  int radius = 20;
  int radiusPoint = 1;
  int centerX = kNewSide / 2;
  int centerY = kNewSide / 2;
  bool springLoaded = false;
  bool useChangeUpDown = false;

  // The side after a resize to width × height: the larger of the two when
  // either grew beyond the last side, else the smaller.
  int SquareSide(int width, int height);
  int Side() const { return side_; }

  // The angle of a point of a control of this size, seen from its middle.
  static int MouseAngle(int x, int y, int width, int height);
  // Whether the point lies in the ellipse inscribed in the control.
  static bool InsideEllipse(int x, int y, int width, int height);

  // Mouse and focus, in control pixels of a control of Side() × Side().
  void MouseMove(int x, int y);
  // True when the press started a drag (left button inside the ellipse).
  bool MouseDown(int x, int y);
  void MouseUp();
  void MouseLeave();
  void FocusLost();
  bool Dragging() const { return dragging_; }
  void Key(KnobKey key);

  std::function<void()> onChange;
  std::function<void()> onChangeUp;
  std::function<void()> onChangeDown;
  // The number the position label shows: the position after an update or
  // when the mouse leaves, the value under the mouse while it moves.
  std::function<void(int)> onShowValue;

 private:
  void Update(int value, int low, int high);
  void ComputeStep();
  void Show(int value) const;

  int min_ = 0;
  int max_ = 127;
  int position_ = 0;
  int angleMin_ = 240;
  int angleMax_ = -60;
  double step_ = 0;
  int side_ = kNewSide;
  bool dragging_ = false;
  int mouseAngle_ = 0;
  int lastReported_ = 0;
};

}  // namespace tikolvo
