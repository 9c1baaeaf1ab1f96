#pragma once
// The balloon notification window: a small rounded window above the
// notification area with an icon, a title and a text, that closes by itself
// after its time or when clicked. As a countdown it shows the time left
// before another task starts, and starts it when the count ends.
//
// Only one balloon is on screen at a time: a new one finds the old one by its
// class name and caption and closes it, abandoning its countdown.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/balloon_model.h"

namespace tikolvo {

inline constexpr wchar_t kBalloonWindowClass[] = L"TBaloonWindow";
inline constexpr wchar_t kBalloonWindowCaption[] = L"BaloonWindow";

class BalloonWindow;

// Opens balloons for the scheduler's actions and the wizard's test button.
// The scheduler lends it the names of tasks and the way to start one.
class BalloonHint {
 public:
  explicit BalloonHint(BalloonTasks tasks = {});
  // Closes the balloon this object opened, so no countdown outlives the
  // functions it would call.
  ~BalloonHint();
  BalloonHint(const BalloonHint&) = delete;
  BalloonHint& operator=(const BalloonHint&) = delete;

  // A target id below 0 shows `text`; 0 or more counts down to that task
  // (the test flag then keeps the count from starting anything). Duration in
  // tenths of a second, kBalloonStaysOpen for a balloon that waits for a
  // click. False when the window could not be made.
  bool ShowBalloon(std::string_view title, std::string_view text, bool testMode, int targetTaskId, int iconNumber,
                   std::int32_t duration);
  bool Show(const BalloonRequest& request);

  // The balloon this object opened while it is on screen, else nullptr.
  HWND Current() const;
  // Its text as shown now (a countdown's changes every second); "" when none.
  std::string CurrentText() const;

 private:
  BalloonTasks tasks_;
  std::unique_ptr<BalloonWindow> current_;
};

// Closes every balloon on screen, as a newer one does; its countdown is
// abandoned.
void CloseBalloons();

}  // namespace tikolvo
