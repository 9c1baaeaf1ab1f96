// make_sounds: renders the built-in short sounds from their descriptions.
//
//   make_sounds <assets/sounds folder> <output folder>
//
// Every NUMBER_NAME.txt becomes NUMBER_NAME.wav (16-bit mono PCM) in the
// output folder; sound_bank_pack then stores them under their numbers in
// "plug\music.res".
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "audio/tone_recipe.h"
#include "audio/tone_synth.h"
#include "audio/wav_writer.h"
#include "common/file_io.h"

namespace {

namespace fs = std::filesystem;

void RenderOne(const fs::path& recipe_path, const fs::path& out_folder) {
  const auto text = tikolvo::ReadWholeFile(recipe_path.string());
  if (!text) throw std::runtime_error("cannot read " + recipe_path.string());
  tikolvo::audio::SoundRecipe recipe;
  try {
    recipe = tikolvo::audio::ParseSoundRecipe(*text);
  } catch (const std::exception& error) {
    throw std::runtime_error(recipe_path.filename().string() + ": " + error.what());
  }
  const std::string wav =
      tikolvo::audio::EncodeWav16(recipe.sample_rate, 1, tikolvo::audio::RenderSound(recipe));
  const fs::path target = out_folder / recipe_path.filename().replace_extension(".wav");
  if (!tikolvo::SaveFileAtomically(target.string(), wav)) throw std::runtime_error("cannot write " + target.string());
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc != 3) throw std::runtime_error("expected two folders");
    fs::create_directories(argv[2]);
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[1])) {
      if (entry.path().extension() != ".txt") continue;
      RenderOne(entry.path(), argv[2]);
      ++count;
    }
    if (count == 0) throw std::runtime_error(std::string("no sound descriptions in ") + argv[1]);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_sounds: %s\nusage: make_sounds <descriptions folder> <output folder>\n", error.what());
    return 1;
  }
}
