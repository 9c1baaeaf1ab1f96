#pragma once
// What the system says about how windows look: the message font of dialogs
// and whether window classes may have a drop shadow.
#include <windows.h>

#include "common/win/gdi.h"

namespace tikolvo {

// The system's message font (the default GUI font when it cannot be read),
// made bold on request.
UniqueGdi<HFONT> CreateMessageFont(bool bold = false);

// Windows XP and later draw the CS_DROPSHADOW class style.
bool SystemHasDropShadow();

}  // namespace tikolvo
