#pragma once
// The main window's stacking mode: always on top, an ordinary window, or
// always below the others. Exactly one mode is active. The model decides which
// Z-order change each event calls for; the window layer only carries it out.
namespace tikolvo {

enum class StackingMode { Topmost, Neutral, Bottommost };

enum class ZOrderAction {
  None,
  MakeTopmost,        // into the topmost band, no move, no size, no activation
  MakeNeutral,        // out of the topmost band, then top of the normal band
  SinkToBottom,       // bottom of the Z order
};

// The three stored radio flags ("Up", "NC", "Down") are applied in that order
// like radio buttons: each one set to true wins over the earlier ones. None
// set leaves the window an ordinary one.
StackingMode StackingFromFlags(bool up, bool neutral, bool down);

class Stacking {
 public:
  StackingMode mode() const { return mode_; }
  bool bottomMost() const { return mode_ == StackingMode::Bottommost; }
  bool up() const { return mode_ == StackingMode::Topmost; }

  // A mode chosen from the settings or a menu; returns what to do at once.
  ZOrderAction Choose(StackingMode mode);

  // The window is about to change position: a bottom-most window replaces
  // the requested insert-after window by the bottom of the Z order.
  bool SinkOnPositionChanging() const { return bottomMost(); }

  // The window's position changed: a topmost window re-asserts topmost, but
  // only once the settings that drive it are loaded.
  ZOrderAction AfterPositionChanged(bool settingsLoaded) const;

 private:
  StackingMode mode_ = StackingMode::Neutral;
};

}  // namespace tikolvo
