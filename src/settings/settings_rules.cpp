#include "settings/settings_rules.h"

#include <algorithm>

#include "common/date_format.h"

namespace tikolvo {

DesktopBackground DesktopBackgroundFromFlags(bool useNone, bool usePicture) {
  if (useNone) return DesktopBackground::None;
  return usePicture ? DesktopBackground::Picture : DesktopBackground::PlainColour;
}

DesktopBackgroundFlags FlagsOfDesktopBackground(DesktopBackground background) {
  return DesktopBackgroundFlags{background == DesktopBackground::None,
                                background == DesktopBackground::Picture};
}

std::array<bool, 4> CornerRadiosAtLoad(const std::array<bool, 4>& stored) {
  std::array<bool, 4> corners = stored;
  bool later = false;
  for (auto corner = corners.rbegin(); corner != corners.rend(); ++corner) {
    if (later) *corner = false;
    later = later || *corner;
  }
  return corners;
}

bool ExternalBaseAtLoad(bool stored, bool messageAllExists) { return stored && messageAllExists; }

bool MsconfigVisibleAtLoad(bool stored, bool msconfigAllowed) { return stored && msconfigAllowed; }

int ClampOpacity(int stored) { return std::clamp(stored, 1, 255); }

int ClampCalendarMarkerWidth(int stored) { return std::clamp(stored, 10, 312); }

int ClampCalendarMarkerHeight(int stored) { return std::clamp(stored, 10, 232); }

std::string StoredDateText(DateTime value, const Locale& locale) {
  return FormatDateTime("c", value, locale);
}

std::optional<DateTime> ParseStoredDate(const std::string& text, const Locale& locale) {
  return ParseDateTime(text, locale);
}

int StoredColour(Colour colour) { return static_cast<int>(static_cast<std::int32_t>(colour)); }

Colour ColourFromStored(int stored) { return static_cast<Colour>(static_cast<std::uint32_t>(stored)); }

}  // namespace tikolvo
