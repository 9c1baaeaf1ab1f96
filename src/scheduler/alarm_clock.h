#pragma once
// An alarm clock that is told the time of day on every reading (the program
// reads it at the alarm's second and at least once a minute). It rings once
// per arming, on the first reading from the alarm second to the end of that
// minute; a minute it never sees is missed and nothing catches it up.
//
// Arming: setting the alarm time arms the clock exactly when the time of day
// is earlier than the new alarm time. While the time does not match, every
// reading earlier than the alarm time (after midnight, typically) arms it
// again, so an enabled alarm rings once a day.
namespace tikolvo {

class AlarmClock {
 public:
  // `nowSeconds` is the time of day (0..86399) when the alarm is set.
  void SetAlarm(int hour, int minute, int second, int nowSeconds);
  void SetEnabled(bool on) { enabled_ = on; }

  // One reading of the time of day; true when the alarm rings.
  bool Read(int nowSeconds);

  bool Enabled() const { return enabled_; }
  bool Armed() const { return armed_; }
  int Hour() const { return hour_; }
  int Minute() const { return minute_; }
  int Second() const { return second_; }

 private:
  bool Matches(int nowSeconds) const;
  int AlarmSeconds() const { return (hour_ * 60 + minute_) * 60 + second_; }

  int hour_ = 0;
  int minute_ = 0;
  int second_ = 0;
  bool enabled_ = false;
  bool armed_ = false;
};

}  // namespace tikolvo
