#pragma once
// Rules that turn stored values into the state the program starts with.
// They come from how the settings controls behave when the loader sets them:
// a radio button that is not read keeps its design state, a check box whose
// handler refuses the value clears itself, a track bar or up-down clamps.
#include <cstdint>
#include <array>
#include <optional>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "settings/settings_model.h"

namespace tikolvo {

// "usepicNone" on wins whatever "usepic" says; otherwise "usepic" chooses
// between the picture and the plain colour.
DesktopBackground DesktopBackgroundFromFlags(bool useNone, bool usePicture);

struct DesktopBackgroundFlags {
  bool useNone = true;     // "usepicNone"
  bool usePicture = false; // "usepic"
};
DesktopBackgroundFlags FlagsOfDesktopBackground(DesktopBackground background);

// "Внешняя база событий" cannot stay on without message_all.db.
bool ExternalBaseAtLoad(bool stored, bool messageAllExists);

// The reminder corners are one group of radio buttons: checking one clears
// the others, so of several stored as checked the last one read stays.
std::array<bool, 4> CornerRadiosAtLoad(const std::array<bool, 4>& stored);

// The "Msconfig" menu item cannot be shown where the tool is not available.
bool MsconfigVisibleAtLoad(bool stored, bool msconfigAllowed);

// The opacity track bar's range.
int ClampOpacity(int stored);

// The calendar marker's up-downs: width 10..312, height 10..232.
int ClampCalendarMarkerWidth(int stored);
int ClampCalendarMarkerHeight(int stored);

// "CAL"/"DTD": the locale's short date, followed by the time when it is not
// midnight; read back with the same locale.
std::string StoredDateText(DateTime value, const Locale& locale);
std::optional<DateTime> ParseStoredDate(const std::string& text, const Locale& locale);

// Colours are stored as signed 32-bit integers.
int StoredColour(Colour colour);
Colour ColourFromStored(int stored);

}  // namespace tikolvo
