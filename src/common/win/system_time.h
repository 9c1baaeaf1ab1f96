#pragma once
// The program's date-time and the system's SYSTEMTIME (date pickers, the
// local clock).
#include <windows.h>

#include "common/date_time.h"

namespace tikolvo {

SYSTEMTIME ToSystemTime(DateTime value);
DateTime FromSystemTime(const SYSTEMTIME& time);

// The local date and time now.
DateTime LocalNow();

}  // namespace tikolvo
