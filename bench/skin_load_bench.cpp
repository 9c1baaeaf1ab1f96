// Loading the built-in skin: everything a skin load does that is not a
// window call. The archive is read once, its description, pictures, button
// strips and mask are decoded, its cursor files written to a temporary
// folder, the plan worked out and the face engine prepared.
//
// The archive is the one the build ships: make.sh bench passes its path in
// TIKOLVO_BENCH_SKIN (make_skins writes it).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/face_compose.h"
#include "app/skin_plan.h"
#include "common/file_io.h"
#include "render/engine.h"
#include "skin/skin_engine_setup.h"
#include "skin/skin_files.h"

namespace tikolvo {
namespace {

// Returns something derived from every step so nothing is optimised away.
std::size_t LoadSkin(const std::string& path, const std::string& temp, Engine& engine) {
  const std::optional<LoadedSkin> skin = ReadSkinFromDisk(path, temp, EngineHandRecords(engine));
  if (!skin || skin->face.empty()) return 0;
  const SkinPlan plan = PlanSkin(*skin, {});
  ApplyClockDescription(skin->description.clock, engine);
  ApplyHandColours(plan.colours, engine);
  engine.SetNightPicture(ToBitmap24(skin->night));
  engine.SetDayPicture(ToBitmap24(skin->day));
  engine.SetBackground(ToBitmap24(skin->face));
  return skin->kept.size() + skin->extracted.size() + static_cast<std::size_t>(engine.Output().Width());
}

void BM_LoadBuiltinSkin(benchmark::State& state) {
  const char* path = std::getenv("TIKOLVO_BENCH_SKIN");
  if (!path || !FileExists(path)) {
    state.SkipWithError("set TIKOLVO_BENCH_SKIN to a default.tks (make.sh bench does)");
    return;
  }
  const std::string temp = (std::filesystem::temp_directory_path() / "tikolvo_skin_bench").string() + "/";
  std::filesystem::create_directories(temp);
  Engine engine;
  if (LoadSkin(path, temp, engine) == 0) {
    state.SkipWithError("the archive did not load");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(LoadSkin(path, temp, engine));
  state.SetLabel(path);
}
BENCHMARK(BM_LoadBuiltinSkin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tikolvo
