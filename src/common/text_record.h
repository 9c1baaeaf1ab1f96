#pragma once
// One-line records: first "||" second, or first "||" second "][" third.
// Only the first occurrence of each separator counts, so the last field may
// hold either separator and the middle one may hold "||".
#include <cstdint>
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr std::string_view kHeadSeparator = "||";
inline constexpr std::string_view kLastSeparator = "][";

// Text before the first "||"; "" when there is none.
std::string HeadOf(std::string_view line);

// Text after the first "||"; without a separator, the line minus its first
// character.
std::string TailOf(std::string_view line);

// Text between the first "||" and the first "][". Without "][": "". Without
// "||": from the second character up to "][". When "][" stands before the
// end of "||", the result is "".
std::string MiddleOf(std::string_view line);

// Text after the first "]["; without it, the line minus its first character.
std::string LastOf(std::string_view line);

// MiddleOf as an integer, 0 when it is not one.
std::int32_t MiddleNumber(std::string_view line);

// TailOf, trimmed, as an integer; 0 without "||" or when it is not one.
std::int32_t TailNumber(std::string_view line);

}  // namespace tikolvo
