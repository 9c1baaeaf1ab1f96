#pragma once
// The font families installed on the system, in the program's order (see
// common/font_list.h). Every font list of the program is built from this one
// call, so a stored font index means the same family everywhere.
#include <string>
#include <vector>

namespace tikolvo {

std::vector<std::string> InstalledFontNames();

}  // namespace tikolvo
