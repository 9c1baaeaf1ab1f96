#pragma once
// Character-level helpers for UTF-8 text. Positions and counts are in
// characters (code points), counted from 1, the way the record helpers and
// the file formats describe them.
#include <cstddef>
#include <string>
#include <string_view>

namespace tikolvo {

std::size_t CharCount(std::string_view text);

// Byte offset of the character at 1-based position `position`; text.size()
// when the text has fewer characters.
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t position);

// Copies `count` characters starting at 1-based `position`. A position below
// 1 counts as 1, a count of 0 or less gives "", copying stops at the end.
std::string CopyChars(std::string_view text, long long position, long long count);

// The text without its first character.
std::string DropFirstChar(std::string_view text);

// Removes spaces and control characters (everything up to ' ') at both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tikolvo
