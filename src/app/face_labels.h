#pragma once
// The texts of the face's five digital labels: the date, the digital time
// and three free formats. Which labels a skin shows, their patterns and how
// often they change come from the skin; the texts are worked out here so
// that the window layer only has to draw them.
#include <array>
#include <cstdint>
#include <string>

#include "app/face_compose.h"
#include "common/clock.h"
#include "common/date_time.h"
#include "common/locale_data.h"

namespace tikolvo {

enum class FaceLabel { Date, Time, Format1, Format2, Format3 };
inline constexpr int kFaceLabelCount = 5;

enum class LabelWeight { Regular, Bold, Italic, Underline, StrikeOut };

// How a skin draws one label: its box on the face, font and colour.
struct LabelLook {
  Box box;
  std::string fontName = "Arial";
  int points = 8;
  LabelWeight style = LabelWeight::Regular;
  std::uint32_t colour = 0xFFFFFF;  // 0x00BBGGRR
};

struct LabelFormats {
  bool dateShown = false;
  std::string datePattern = "d mmm yyyy";
  bool timeShown = false;
  bool timeSeconds = true;
  struct Free {
    bool shown = false;
    std::string pattern = "c";
    bool everySecond = false;
  };
  std::array<Free, 3> free;  // Format1, Format2, Format3
};

// "07:05", or "07:05:09" with seconds; 24-hour clock.
std::string DigitalTimeText(const CivilTime& time, bool withSeconds);

// The time since the system started as a date-time value: a time pattern
// shows the running time within the day, a day count the whole days.
DateTime UptimeAsDateTime(std::uint64_t milliseconds);

// Label texts as they change. Each update returns a bit mask (1 << label)
// of the labels whose text changed, so the window repaints only those.
class FaceLabelTexts {
 public:
  FaceLabelTexts(const Clock& clock, const Locale& locale) : clock_(clock), locale_(locale) {}

  // A new skin: every shown label gets its first text.
  unsigned Reset(const LabelFormats& formats);
  // The 500 ms tick: the digital time and the every-second free formats.
  unsigned Tick();
  // Once a day: the date and the free formats that are not every-second.
  unsigned DailyRefresh();

  const LabelFormats& Formats() const { return formats_; }
  bool Shown(FaceLabel label) const;
  const std::string& Text(FaceLabel label) const { return texts_[static_cast<int>(label)]; }

 private:
  unsigned Set(FaceLabel label, std::string text);
  unsigned UpdateFree(int index, DateTime now);

  const Clock& clock_;
  const Locale& locale_;
  LabelFormats formats_;
  std::array<std::string, kFaceLabelCount> texts_;
};

constexpr unsigned LabelBit(FaceLabel label) { return 1u << static_cast<int>(label); }

}  // namespace tikolvo
