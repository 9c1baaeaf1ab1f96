#pragma once
// The day clock: one second past midnight it tells everything that shows the
// date (the face's date labels and calendar hands, the calendar control, the
// desktop calendar). It runs on a window of its own, so a hidden or
// minimised clock face still gets the new day, and it wakes only as often as
// it must: at the day change, and once a minute to notice a clock set
// forward or a computer that slept over midnight.
#include <functional>
#include <vector>

#include "app/day_change.h"
#include "common/clock.h"
#include "common/win/window_base.h"

namespace tikolvo {

class DayClock : public Window {
 public:
  using Hook = std::function<void(DateTime now)>;

  explicit DayClock(const Clock& clock) : clock_(clock) {}
  ~DayClock() override;

  // Starts counting from today: the first ring is at the next 00:00:01.
  bool Start();
  void AddHook(Hook hook) { hooks_.push_back(std::move(hook)); }

  // One look at the time, as the timer takes it.
  void Look();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Arm(DateTime now);

  const Clock& clock_;
  DayChangeWatch watch_;
  std::vector<Hook> hooks_;
};

}  // namespace tikolvo
