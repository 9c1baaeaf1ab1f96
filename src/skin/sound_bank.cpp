#include "skin/sound_bank.h"

#include "common/byte_io.h"
#include "common/file_io.h"
#include "skin/inflate.h"

namespace tikolvo {

std::optional<std::string> SoundBankMember(std::string_view bank, std::uint8_t number) {
  ByteReader in(bank);
  const unsigned count = in.U8();
  for (unsigned index = 0; index < count; ++index) {
    const std::uint32_t stored_size = in.U32();
    const std::uint32_t offset = in.U32();
    const std::uint32_t record_number = in.U32();
    if (!in.ok()) return std::nullopt;
    if ((record_number & 0xFF) != number) continue;
    if (std::uint64_t{offset} + stored_size > bank.size()) return std::nullopt;
    return InflateZlib(bank.substr(offset, stored_size));
  }
  return std::nullopt;
}

std::optional<std::string> ReadSoundBankMember(const std::string& bank_path, std::uint8_t number) {
  const std::optional<std::string> bank = ReadWholeFile(bank_path);
  if (!bank) return std::nullopt;
  return SoundBankMember(*bank, number);
}

}  // namespace tikolvo
