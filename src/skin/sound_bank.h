#pragma once
// The built-in sound bank "plug\music.res": a count byte, then 12-byte
// records (stored size, data offset, sound number), each sound one zlib
// stream of a complete audio file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr std::size_t kSoundBankRecordSize = 12;

// The inflated sound of the first record whose number's low byte equals
// `number`. Nothing when no record matches; also nothing when the bank is
// damaged (record table cut off, data beyond the file, bad zlib), because a
// scheduled sound that cannot play is silently skipped.
std::optional<std::string> SoundBankMember(std::string_view bank, std::uint8_t number);

// The same, reading the bank file; nothing when the file cannot be read.
std::optional<std::string> ReadSoundBankMember(const std::string& bank_path, std::uint8_t number);

}  // namespace tikolvo
