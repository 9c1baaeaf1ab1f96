#pragma once
// UTF-8 (the program's strings) <-> UTF-16 (the Windows API).
#include <string>
#include <string_view>

namespace tikolvo {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tikolvo
