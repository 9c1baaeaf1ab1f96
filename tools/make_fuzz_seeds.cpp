// make_fuzz_seeds: writes the starting corpus of every fuzz target.
//
//   make_fuzz_seeds --assets <assets folder> --fixtures <tests/audio/fixtures> <output folder>
//
// Each target gets <output>/<target>/ with files made here: pictures in
// every BMP and JPEG variant, WAVE files in every coding, config and record
// files through the program's own writers, the skins' descriptions, date
// patterns, record lines and CP1251 text. make.sh adds what other tools make
// (the shipped skins, the sound bank, the built-in sounds) and the sound
// fixtures. Every picture must decode, or the seed would start nowhere.
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "common/cp1251.h"
#include "common/file_io.h"
#include "fuzz_seeds/bmp_variants.h"
#include "fuzz_seeds/jpeg_variants.h"
#include "fuzz_seeds/text_seeds.h"
#include "fuzz_seeds/wav_variants.h"
#include "skin/bmp_decode.h"
#include "skin/jpeg_decode.h"

namespace {

namespace fs = std::filesystem;
using Seeds = std::map<std::string, std::string>;

void WriteSeeds(const fs::path& folder, const Seeds& seeds) {
  fs::create_directories(folder);
  for (const auto& [name, bytes] : seeds) {
    const fs::path path = folder / name;
    if (!tikolvo::SaveFileAtomically(path.string(), bytes)) throw std::runtime_error("cannot write " + path.string());
  }
}

template <typename Decode>
void RequireDecodable(const Seeds& seeds, Decode decode) {
  for (const auto& [name, bytes] : seeds)
    if (!decode(bytes)) throw std::runtime_error("the decoder refuses the seed " + name);
}

std::string ReadOrThrow(const fs::path& path) {
  auto bytes = tikolvo::ReadWholeFile(path.string());
  if (!bytes) throw std::runtime_error("cannot read " + path.string());
  return *bytes;
}

// The skins' descriptions, stored UTF-8 in the assets, as Windows-1251.
Seeds SkinDescriptions(const fs::path& assets) {
  Seeds seeds = fuzz_seeds::SkinDescriptionSeeds();
  for (const auto& entry : fs::directory_iterator(assets / "skins")) {
    const fs::path description = entry.path() / "config.cfg";
    if (fs::is_regular_file(description))
      seeds[entry.path().filename().string() + ".cfg"] = tikolvo::Utf8ToCp1251(ReadOrThrow(description));
  }
  return seeds;
}

void MakeAll(const fs::path& assets, const fs::path& fixtures, const fs::path& out) {
  const Seeds bmp = fuzz_seeds::BmpSeeds();
  RequireDecodable(bmp, [](const std::string& b) { return tikolvo::DecodeBmp(b).has_value(); });
  const Seeds jpeg = fuzz_seeds::JpegSeeds();
  RequireDecodable(jpeg, [](const std::string& b) { return tikolvo::DecodeJpeg(b).has_value(); });
  const Seeds wav = fuzz_seeds::WavSeeds(ReadOrThrow(fixtures / "tone.mp3"));
  WriteSeeds(out / "bmp_fuzz", bmp);
  WriteSeeds(out / "jpeg_fuzz", jpeg);
  WriteSeeds(out / "wav_fuzz", wav);
  WriteSeeds(out / "audio_decode_fuzz", wav);
  WriteSeeds(out / "ini_fuzz", fuzz_seeds::ConfigSeeds());
  WriteSeeds(out / "message_db_fuzz", fuzz_seeds::ReminderSeeds());
  WriteSeeds(out / "skin_description_fuzz", SkinDescriptions(assets));
  WriteSeeds(out / "date_format_fuzz", fuzz_seeds::DatePatternSeeds());
  WriteSeeds(out / "text_record_fuzz", fuzz_seeds::RecordLineSeeds());
  WriteSeeds(out / "cp1251_fuzz", fuzz_seeds::Cp1251Seeds());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 || std::string(argv[1]) != "--assets" || std::string(argv[3]) != "--fixtures") {
    std::fprintf(stderr, "usage: make_fuzz_seeds --assets <folder> --fixtures <folder> <output folder>\n");
    return 2;
  }
  try {
    MakeAll(argv[2], argv[4], argv[5]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_fuzz_seeds: %s\n", error.what());
    return 1;
  }
  return 0;
}
