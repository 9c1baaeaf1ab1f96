// Every read operation on a skin archive, the sound bank and a compressed
// resource, fed arbitrary bytes. A damaged archive may raise
// SkinArchiveError; anything else (a crash, a sanitizer report, a hang, any
// other exception) is a bug.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/member_name.h"
#include "skin/resource_blob.h"
#include "skin/sound_bank.h"
#include "skin/tks_archive.h"

namespace {

void ReadEveryKind(const tikolvo::TksArchive& archive) {
  for (int kind = 0; kind <= 24; ++kind) {
    try {
      const tikolvo::TksEntry entry = archive.Entry(kind);
      tikolvo::SafeMemberName(entry.name);
      archive.Member(kind);
      archive.LoadPicture(kind);
    } catch (const tikolvo::SkinArchiveError&) {
      // the documented outcome for a damaged member
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tikolvo::TksArchive archive(bytes);
  try {
    archive.SkinTypeByte();
  } catch (const tikolvo::SkinArchiveError&) {
  }
  ReadEveryKind(archive);
  for (int number : {0, 1, 9, 255}) tikolvo::SoundBankMember(bytes, static_cast<std::uint8_t>(number));
  tikolvo::ResourceToPicture(bytes);
  tikolvo::ResourceToImageStrip(bytes, bytes);
  return 0;
}
