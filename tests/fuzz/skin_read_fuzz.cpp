// The whole skin read and plan, fed arbitrary archive bytes: the directory,
// every member, the description, pictures, buttons, mask, cursors and what
// the plan makes of them. A damaged archive may raise SkinArchiveError;
// anything else (a crash, a sanitizer report, a hang, any other exception)
// is a bug. Seeded with the shipped skins.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/skin_plan.h"
#include "skin/skin_read.h"
#include "skin/tks_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const tikolvo::LoadedSkin skin = tikolvo::ReadArchiveSkin(bytes, "C:\\temp\\", tikolvo::HandRecords{});
    tikolvo::PlanSkin(skin, {});
    tikolvo::PlanSkin(skin, {true, 1, 2, 3});
  } catch (const tikolvo::SkinArchiveError&) {
    // the documented outcome for a damaged archive
  }
  return 0;
}
