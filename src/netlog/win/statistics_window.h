#pragma once
// The statistics window of one connection: its totals by period with the
// costs and the limits' remainder, and its sessions, for everything, a
// chosen period or a chosen day; and the detailed text report.
#include <windows.h>

#include <string>

namespace tikolvo {

// programFolder holds log_web.db and Connect.db.
void OpenStatistics(HWND owner, const std::string& programFolder, const std::string& name);

}  // namespace tikolvo
