#pragma once
// Windows-1251 <-> UTF-8. Every file the program reads or writes is CP1251;
// inside the program strings are UTF-8. The table is our own so the result
// never depends on the system's ANSI code page.
#include <string>
#include <string_view>

namespace tikolvo {

// Each byte becomes its Unicode character (0x98, unassigned, becomes U+FFFD).
std::string Cp1251ToUtf8(std::string_view bytes);

// A character without a CP1251 form becomes "?"; malformed UTF-8 bytes too.
std::string Utf8ToCp1251(std::string_view utf8);

// Decodes one UTF-8 code point at text[pos]; returns its byte length (at
// least 1, so a caller always advances) and stores U+FFFD for bad input.
// Lower case of the letters of Windows-1251 (Latin and Cyrillic); a
// character without a Windows-1251 form becomes "?", as it would in the files.
std::string LowerCaseText(std::string_view utf8);
// Names the files compare without regard to case.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

size_t DecodeUtf8(std::string_view text, size_t pos, char32_t& cp);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace tikolvo
