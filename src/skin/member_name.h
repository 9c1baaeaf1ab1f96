#pragma once
// Archive member names come from untrusted files but become file names in
// the temporary folder. The stored name is reduced to a bare file name so an
// archive can never write anywhere else.
#include <string>
#include <string_view>

namespace tikolvo {

// The part after the last "\", "/" or ":" (so folders, drives and stream
// suffixes go), without the trailing dots and spaces Windows would drop.
// Empty when nothing usable is left: "", ".", "..", a Windows device name
// ("CON", "nul.txt", "COM1") or a character no Windows file name may hold.
std::string SafeMemberName(std::string_view stored_name);

}  // namespace tikolvo
