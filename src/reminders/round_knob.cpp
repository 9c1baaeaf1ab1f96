#include "reminders/round_knob.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace tikolvo {
namespace {

// Nearest integer, ties to even (the default rounding mode of the FPU).
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

constexpr double kDegree = std::numbers::pi / 180.0;

// A key step that cannot overflow at the ends of the integer range.
int Shifted(int value, int by) {
  const long long sum = static_cast<long long>(value) + by;
  return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

}  // namespace

RoundKnob::RoundKnob() { ComputeStep(); }

void RoundKnob::ComputeStep() {
  step_ = max_ == min_ ? 0.0
                       : static_cast<double>(angleMin_ - angleMax_) / (static_cast<double>(max_) - min_);
}

void RoundKnob::SetAngles(int atMin, int atMax) {
  angleMin_ = atMin;
  angleMax_ = atMax;
  ComputeStep();
}

int RoundKnob::DotAngle() const { return angleMin_ - RoundEven((static_cast<double>(position_) - min_) * step_); }

int RoundKnob::ValueAt(double angle) const {
  if (step_ == 0) return min_;
  return RoundEven((angleMin_ - angle) / step_) + min_;
}

PixelPoint RoundKnob::DotCentre() const {
  const double theta = DotAngle() * kDegree;
  return {centerX + RoundEven(radius * std::cos(theta)), centerY - RoundEven(radius * std::sin(theta))};
}

// The range is always honoured, also when the angles run the other way
// (k < 0) or the range is given upside down: a plain clamp between the two
// ends, whichever is lower.
void RoundKnob::Update(int value, int low, int high) {
  if (low != min_ || high != max_) {
    min_ = low;
    max_ = high;
    ComputeStep();
  }
  position_ = std::clamp(value, std::min(low, high), std::max(low, high));
  Show(position_);
  if (auto f = onChange) f();
  if (!useChangeUpDown) return;
  const bool up = lastReported_ < position_;
  lastReported_ = position_;
  if (auto f = up ? onChangeUp : onChangeDown) f();
}

void RoundKnob::Show(int value) const {
  if (onShowValue) onShowValue(value);
}

int RoundKnob::SquareSide(int width, int height) {
  side_ = width > side_ || height > side_ ? std::max(width, height) : std::min(width, height);
  return side_;
}

int RoundKnob::MouseAngle(int x, int y, int width, int height) {
  const int cx = width / 2, cy = height / 2;
  if (x == cx) return y <= cy ? 90 : 270;
  int a = RoundEven(std::atan(static_cast<double>(cy - y) / (x - cx)) / kDegree);
  if (x < cx) a = (a + 540) % 360;
  return a;
}

bool RoundKnob::InsideEllipse(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  const double rx = width / 2.0, ry = height / 2.0;
  const double dx = (x + 0.5 - rx) / rx, dy = (y + 0.5 - ry) / ry;
  return dx * dx + dy * dy <= 1.0;
}

void RoundKnob::MouseMove(int x, int y) {
  mouseAngle_ = MouseAngle(x, y, side_, side_);
  const int value = ValueAt(mouseAngle_);
  Show(value);
  if (dragging_ && value != position_) SetPosition(value);
}

bool RoundKnob::MouseDown(int x, int y) {
  if (!InsideEllipse(x, y, side_, side_)) return false;
  // The press point is where the mouse is now, whether or not a move was
  // seen before it.
  mouseAngle_ = MouseAngle(x, y, side_, side_);
  dragging_ = true;
  SetPosition(ValueAt(mouseAngle_));
  return true;
}

void RoundKnob::MouseUp() {
  if (!dragging_) return;
  dragging_ = false;
  if (springLoaded) {
    SetPosition(0);
  } else if (const int value = ValueAt(mouseAngle_); value != position_) {
    SetPosition(value);
  }
}

void RoundKnob::MouseLeave() { Show(position_); }

void RoundKnob::FocusLost() {
  dragging_ = false;
  if (springLoaded) SetPosition(0);
}

void RoundKnob::Key(KnobKey key) {
  switch (key) {
    case KnobKey::PageUp: return SetPosition(Shifted(position_, pageSize));
    case KnobKey::PageDown: return SetPosition(Shifted(position_, -pageSize));
    case KnobKey::End: return SetPosition(max_);
    case KnobKey::Home: return SetPosition(min_);
    case KnobKey::Left:
    case KnobKey::Down: return SetPosition(Shifted(position_, -1));
    case KnobKey::Up:
    case KnobKey::Right: return SetPosition(Shifted(position_, 1));
  }
}

}  // namespace tikolvo
