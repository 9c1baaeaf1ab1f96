// Any bytes as a skin's "config.cfg" and "cursors.cfg": reading never
// crashes, and whatever was read stays within what the window layer expects.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "skin/skin_cursors.h"
#include "skin/skin_description.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tikolvo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const SkinDescription d = ParseSkinDescription(bytes);
  Check(d.window.hintLayout >= 0 && d.window.hintLayout <= 5);
  for (const HandRecord& hand : d.clock.hands) {
    Check(static_cast<int>(hand.shape) <= static_cast<int>(HandShape::ThirdForm));
  }

  const SkinCursorFiles files = ParseSkinCursors(bytes);
  const std::string folder = "C:\\skin\\";
  for (const std::string& value : files.buttons) {
    const std::string archivePath = ResolveCursorPath(folder, value, CursorSource::Archive);
    // An archive's cursor never names a file outside the folder.
    Check(archivePath.empty() || (archivePath.compare(0, folder.size(), folder) == 0 &&
                                  archivePath.find_first_of("\\/:", folder.size()) == std::string::npos));
  }
  const CursorPlan plan = PlanSkinCursors(files, folder, CursorSource::Folder, [](const std::string&) { return true; });
  Check(plan.loads.size() <= 7);
  return 0;
}
