#pragma once
// Number text the program writes and reads: integers in the classic
// conversion rules, digit groups, fixed decimals with "." whatever the
// locale, and file-name extensions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tikolvo {

// Leading spaces, an optional sign, then decimal digits or hexadecimal
// digits after "$", "x" or "0x". Anything else (including trailing text or
// an empty number) is not an integer. Decimal values must fit a signed 32-bit
// integer; hexadecimal ones may use all 32 bits ("$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::int32_t Int32OrZero(std::string_view text);

// "1234567" -> "1 234 567". Characters are not checked to be digits.
std::string GroupThousands(std::string_view digits);

// Groups the number in front of the first "." (or, without a ".", in front
// of the first space) and keeps the rest: "1048576 Kb" -> "1 048 576 Kb".
std::string GroupNumberText(std::string_view text);

// "button\\Power.bmp" -> "button\\Power"; a name without extension gives "".
std::string StripExtension(std::string_view name);

// x rounded to 4 decimals (ties to even), written with exactly `decimals`
// digits after ".": FormatFixed(3, 2.5) == "2.500".
std::string FormatFixed(int decimals, double x);

}  // namespace tikolvo
