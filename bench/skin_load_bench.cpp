// Loading the built-in skin: everything a skin load does that is not a
// window call — read the archive, parse its description, decode the face,
// mask, day and night pictures and the button strips, work out the window
// shape from the mask and prepare the face engine.
//
// The archive is the one the build ships: make.sh bench passes its path in
// TIKOLVO_BENCH_SKIN (make_skins writes it).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/face_compose.h"
#include "common/file_io.h"
#include "render/engine.h"
#include "skin/mask_region.h"
#include "skin/skin_buttons.h"
#include "skin/skin_description.h"
#include "skin/skin_engine_setup.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

constexpr int kButtonKinds[] = {member_kind::kMinimiseButton, member_kind::kSettingsButton,
                                member_kind::kCloseButton,    member_kind::kPowerButton,
                                member_kind::kWebMenuButton,  member_kind::kProgramMenuButton};

// Returns something derived from every step so nothing is optimised away.
std::size_t LoadSkin(const std::string& path, Engine& engine) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return 0;
  const TksArchive archive(*bytes);
  const std::optional<std::string> config = archive.Member(member_kind::kDescription);
  const SkinDescription description = ParseSkinDescription(config.value_or(""), EngineHandRecords(engine));
  const std::optional<Picture> face = archive.LoadPicture(member_kind::kFace);
  const std::optional<Picture> mask = archive.LoadPicture(member_kind::kMask);
  const std::optional<Picture> night = archive.LoadPicture(member_kind::kNightPicture);
  const std::optional<Picture> day = archive.LoadPicture(member_kind::kDayPicture);
  if (!face || !mask) return 0;
  std::size_t work = KeptRectangles(*mask).size();
  for (int kind : kButtonKinds) {
    if (std::optional<Picture> strip = archive.LoadPicture(kind)) work += SplitButtonStrip(*strip).frames[0].width;
  }
  ApplyClockDescription(description.clock, engine);
  ApplyHandColours(description.colours, engine);
  if (night) engine.SetNightPicture(ToBitmap24(*night));
  if (day) engine.SetDayPicture(ToBitmap24(*day));
  engine.SetBackground(ToBitmap24(*face));
  return work + static_cast<std::size_t>(engine.Output().Width());
}

void BM_LoadBuiltinSkin(benchmark::State& state) {
  const char* path = std::getenv("TIKOLVO_BENCH_SKIN");
  if (!path || !FileExists(path)) {
    state.SkipWithError("set TIKOLVO_BENCH_SKIN to a default.tks (make.sh bench does)");
    return;
  }
  Engine engine;
  if (LoadSkin(path, engine) == 0) {
    state.SkipWithError("the archive did not load");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(LoadSkin(path, engine));
  state.SetLabel(path);
}
BENCHMARK(BM_LoadBuiltinSkin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tikolvo
