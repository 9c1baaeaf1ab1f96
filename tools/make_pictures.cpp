// make_pictures: draws the program's pictures from the icon theme.
//
//   make_pictures [--table FILE] [--icons DIR] [--font TTF] <output folder>
//
// Reads the table (assets/pictures/pictures.txt unless --table names one),
// takes each icon from the theme folder (/usr/share/icons/Tango unless
// --icons names one) and writes into the output folder, as BMP files named
// after their resources: every strip (32-bit with alpha) with its 1-bit
// "_MASK" partner, every single picture (32-bit with alpha), and the banner
// (24-bit), whose text is set in the --font TrueType font.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STB_TRUETYPE_IMPLEMENTATION
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "pictures/banner.h"
#include "pictures/bmp_writer.h"
#include "pictures/compose.h"
#include "pictures/picture_table.h"
#include "skin/picture_strip.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceRoot = fs::path(__FILE__).parent_path().parent_path();

struct Options {
  fs::path table = kSourceRoot / "assets" / "pictures" / "pictures.txt";
  fs::path icons = "/usr/share/icons/Tango";
  fs::path font = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
  fs::path output;
};

Options ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--table" && hasValue) options.table = argv[++i];
    else if (arg == "--icons" && hasValue) options.icons = argv[++i];
    else if (arg == "--font" && hasValue) options.font = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && options.output.empty()) options.output = arg;
    else throw std::runtime_error("unknown argument " + arg);
  }
  if (options.output.empty()) throw std::runtime_error("usage: make_pictures [--table F] [--icons D] [--font F] OUT");
  return options;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteStrip(const Options& options, const pictures::StripSpec& strip) {
  const tikolvo::Picture picture = pictures::BuildStrip(options.icons, strip);
  WriteFile(options.output / (strip.name + ".bmp"), pictures::EncodeBmp(picture, 32));
  WriteFile(options.output / (strip.name + "_MASK.bmp"), pictures::EncodeMaskBmp(tikolvo::MaskFromAlpha(picture)));
}

void WritePicture(const Options& options, const pictures::PictureSpec& spec) {
  const tikolvo::Picture picture = pictures::LoadIcon(options.icons, spec.icon.icon, spec.size);
  WriteFile(options.output / (spec.name + ".bmp"), pictures::EncodeBmp(picture, 32));
}

void Generate(const Options& options) {
  const pictures::PictureTable table = pictures::ReadPictureTable(options.table.string());
  if (!table.errors.empty()) {
    std::string all;
    for (const std::string& error : table.errors) all += "\n  " + error;
    throw std::runtime_error(options.table.string() + ":" + all);
  }
  fs::create_directories(options.output);
  for (const pictures::StripSpec& strip : table.strips) WriteStrip(options, strip);
  for (const pictures::PictureSpec& picture : table.pictures) WritePicture(options, picture);
  if (!table.banner.name.empty()) {
    const pictures::BannerFont font(options.font);
    const tikolvo::Picture banner = pictures::DrawBanner(table.banner, options.icons, font);
    WriteFile(options.output / (table.banner.name + ".bmp"), pictures::EncodeBmp(banner, 24));
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Generate(ParseArguments(argc, argv));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_pictures: %s\n", e.what());
    return 1;
  }
}
