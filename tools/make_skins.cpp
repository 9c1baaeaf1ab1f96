// make_skins: draws the skins the program ships and writes them out.
//
//   make_skins [--assets DIR] [--packer PATH] [--preview DIR] <output folder>
//
// Writes <output>/default.tks, layered.tks, colourmap.tks (packed by the
// tks_pack tool, found beside this program unless --packer names it) and the
// folder skin <output>/testfolder/. The skin descriptions come from
// assets/skins/<name>/config.cfg (UTF-8; shipped as Windows-1251); the
// pictures are drawn here. --preview also writes, for looking at the
// result, each face with hands over a light and a dark desktop as BMP files
// (and each description beside them).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "skins/skin_set.h"

namespace fs = std::filesystem;

namespace {

#ifdef TIKOLVO_SOURCE_DIR
const fs::path kDefaultAssets = fs::path(TIKOLVO_SOURCE_DIR) / "assets";
#else
// The assets folder of the source tree this tool was built from.
const fs::path kDefaultAssets = fs::path(__FILE__).parent_path().parent_path() / "assets";
#endif

struct Options {
  fs::path assets = kDefaultAssets;
  fs::path packer;
  fs::path preview;
  fs::path output;
};

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string Quoted(const fs::path& path) {
  std::string quoted = "'";
  for (char c : path.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

void WriteMembers(const skins::SkinPackage& skin, const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const skins::Member& member : skin.members) WriteFile(folder / member.name, member.bytes);
}

void Pack(const skins::SkinPackage& skin, const Options& options) {
  const fs::path staging = options.output / (".members-" + skin.name);
  WriteMembers(skin, staging);
  std::string command = Quoted(options.packer) + " --type " + std::to_string(skin.type);
  for (const auto& [name, key] : skin.keys) {
    char value[16];
    std::snprintf(value, sizeof value, "0x%06X", key);
    command += " --key " + Quoted(name + "=" + value);
  }
  command += " " + Quoted(staging) + " " + Quoted(options.output / (skin.name + ".tks"));
  if (std::system(command.c_str()) != 0) throw std::runtime_error("packing " + skin.name + " failed");
  fs::remove_all(staging);
}

Options ParseArguments(int argc, char** argv) {
  Options options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--assets" && has_value) options.assets = argv[++i];
    else if (arg == "--packer" && has_value) options.packer = argv[++i];
    else if (arg == "--preview" && has_value) options.preview = argv[++i];
    else if (!arg.empty() && arg[0] != '-') positional.push_back(arg);
    else throw std::runtime_error("unknown option " + arg);
  }
  if (positional.size() != 1) throw std::runtime_error("expected one output folder");
  options.output = positional[0];
  if (options.packer.empty()) options.packer = fs::absolute(argv[0]).parent_path() / "tks_pack";
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = ParseArguments(argc, argv);
    fs::create_directories(options.output);
    for (const skins::SkinPackage& skin : skins::BuildAllSkins(options.assets)) {
      if (skin.folder) WriteMembers(skin, options.output / skin.name);
      else Pack(skin, options);
      if (!options.preview.empty()) {
        for (const auto& [suffix, picture] : skins::PreviewPictures(skin))
          WriteFile(options.preview / (skin.name + suffix + ".bmp"), skins::EncodeBmp24(picture));
        WriteFile(options.preview / (skin.name + ".cfg"), skin.Find("config.cfg")->bytes);
      }
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_skins: %s\nusage: make_skins [--assets DIR] [--packer PATH] [--preview DIR] <output folder>\n",
                 error.what());
    return 1;
  }
}
