#pragma once
// The user's date and time conventions as the system reports them.
#include "common/locale_data.h"

namespace tikolvo {

// Month and day names and the date and time patterns of the user's default
// locale; whatever the system cannot tell keeps the Russian default.
Locale ReadSystemLocale();

}  // namespace tikolvo
