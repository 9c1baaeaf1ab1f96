#pragma once
// What one balloon shows and does over its life, apart from its pixels: the
// request that opens it, its text, the 100 ms tick that counts its time,
// closes it and (for a countdown) names the task to start, and the three
// looks of its close picture.
//
// The balloon knows nothing of the task store: the scheduler lends it a
// function that copies a task with its name and a way to start it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/balloon_durations.h"

namespace tikolvo {

inline constexpr int kBalloonIconNumbers = 18;  // icon numbers 0..17

// A balloon as its callers ask for it.
struct BalloonRequest {
  std::string title;
  std::string text;            // shown by a plain balloon; a countdown writes its own
  bool testMode = false;       // a countdown that runs nothing at its end (the wizard's test)
  int targetTaskId = -1;       // below 0: a plain balloon; otherwise a countdown to that task
  int iconNumber = 0;          // 0..17; anything else shows icon 0
  std::int32_t duration = kDefaultBalloonDuration;  // ticks of 100 ms; kBalloonStaysOpen = until clicked
};

// A countdown's task as it was when the balloon opened: its name, and a run
// of that very copy, so that the count ends with the task it announced.
struct CountdownTask {
  std::string name;
  std::function<void()> run;
};

// The scheduler's side of a countdown.
struct BalloonTasks {
  // A copy of the task in use with this id; nothing when there is none.
  std::function<std::optional<CountdownTask>(int id)> take;
};

// What one tick asks of the window.
struct BalloonTick {
  bool textChanged = false;
  bool close = false;
  std::optional<int> startTask;  // only ever once, on the tick that closes a countdown
};

class BalloonModel {
 public:
  // `nameOf` may be empty: then every target counts as missing.
  BalloonModel(const BalloonRequest& request, const std::function<std::optional<std::string>(int)>& nameOf);

  const std::string& title() const { return title_; }
  const std::string& text() const { return text_; }
  // The text the window is first sized for: a countdown keeps two blanks of
  // room after it, so the seconds ticking by do not reflow it.
  std::string LayoutText() const;
  int iconNumber() const { return iconNumber_; }
  bool countdown() const { return countdown_; }
  bool closed() const { return closed_; }

  // One 100 ms tick. A balloon of duration kBalloonStaysOpen does nothing.
  // Otherwise the tick that takes the count beyond the duration closes the
  // balloon; a countdown's closing tick names its task to start, unless it is
  // a test or its task was missing when the balloon opened.
  BalloonTick Tick();

  // Clicked away or replaced by a newer balloon: closed, and a countdown is
  // abandoned without starting its task.
  void Dismiss() { closed_ = true; }

 private:
  std::string CountdownText() const;

  std::string title_;
  std::string text_;
  std::string taskName_;
  std::int32_t duration_;
  std::int64_t ticks_ = 0;
  int iconNumber_;
  int targetTaskId_ = 0;
  bool countdown_ = false;
  bool startsTask_ = false;
  bool closed_ = false;
};

// The close picture: 0 normal, 1 under the mouse, 2 pressed.
class ClosePicture {
 public:
  int picture() const { return picture_; }
  void MouseEnter() { picture_ = kHover; }
  // A held button keeps the pressed look while the mouse wanders off.
  void MouseLeave() {
    if (!held_) picture_ = kNormal;
  }
  void MouseDown() {
    held_ = true;
    picture_ = kPressed;
  }
  void MouseUp(bool overPicture) {
    held_ = false;
    picture_ = overPicture ? kHover : kNormal;
  }

  static constexpr int kNormal = 0;
  static constexpr int kHover = 1;
  static constexpr int kPressed = 2;

 private:
  int picture_ = kNormal;
  bool held_ = false;
};

}  // namespace tikolvo
