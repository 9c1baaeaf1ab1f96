// tks_pack: builds a ".tks" skin archive from a folder of member files.
//
//   tks_pack [--type N] [--transparent NAME=0xBBGGRR]... [--key NAME=0xBBGGRR]...
//            <member folder> <output.tks>
//
// Members are placed in their slots by file name (case does not matter):
//   close, min, power, www, menu, conf   button strips (.bmp, .bmp2, .jpg)
//   main, mask, ngt, wht, shot, hint     face, mask, night, day, preview, hint icon
//   hint_tray or colormap                button colour map of a type-2 skin
//   config.cfg, cursors.cfg              skin description and cursor list
// Button strips may also sit in a "button" sub-folder, as in a folder skin.
// Every other file of the folder (cursor files, say) becomes one of the seven
// extra members. --transparent sets a picture's see-through colour (default
// white), --key a button's colour in the colour map; NAME is the file name.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "common/cp1251.h"
#include "common/file_io.h"
#include "skin/inflate.h"

namespace fs = std::filesystem;
using tikolvo::ByteWriter;

namespace {

constexpr int kSlotCount = 24;
constexpr int kFirstExtraSlot = 16;
constexpr int kExtraSlotCount = 7;
constexpr std::size_t kDirectoryEnd = 12 + 56 * kSlotCount;
constexpr std::size_t kNameCapacity = 27;

struct Member {
  fs::path file;
  std::string name_cp1251;
  std::string packed;
  bool jpeg = false;
  bool text = false;
  std::uint32_t transparent = 0xFFFFFF;
  std::uint32_t key = 0;
};

struct Options {
  std::uint32_t skin_type = 1;
  std::map<std::string, std::uint32_t> transparent;  // by lower-case file name
  std::map<std::string, std::uint32_t> keys;
  fs::path folder;
  fs::path output;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

std::optional<int> NamedSlot(const fs::path& file) {
  const std::string name = Lower(Utf8Of(file.filename()));
  if (name == "config.cfg") return 6;
  if (name == "cursors.cfg") return 15;
  const std::string ext = Lower(Utf8Of(file.extension()));
  if (ext != ".bmp" && ext != ".bmp2" && ext != ".jpg" && ext != ".jpeg") return std::nullopt;
  static const std::map<std::string, int> kPictureSlots = {
      {"close", 0}, {"min", 1},  {"power", 2}, {"www", 4},       {"menu", 5},      {"shot", 7},  {"hint", 8},
      {"hint_tray", 9}, {"colormap", 9}, {"main", 10}, {"mask", 11}, {"ngt", 12}, {"wht", 13}, {"conf", 14}};
  const auto slot = kPictureSlots.find(Lower(Utf8Of(file.stem())));
  if (slot == kPictureSlots.end()) return std::nullopt;
  return slot->second;
}

std::string Deflate(const std::string& data) {
  std::optional<std::string> packed = tikolvo::DeflateZlib(data);
  if (!packed) throw std::runtime_error("zlib failed");
  return *packed;
}

Member ReadMember(const fs::path& file, const Options& options) {
  Member member;
  member.file = file;
  const std::string name = Utf8Of(file.filename());
  member.name_cp1251 = tikolvo::Utf8ToCp1251(name);
  if (tikolvo::Cp1251ToUtf8(member.name_cp1251) != name) throw std::runtime_error(name + ": name is not CP1251");
  if (member.name_cp1251.size() > kNameCapacity) throw std::runtime_error(name + ": name longer than 27 bytes");
  const std::optional<std::string> content = tikolvo::ReadWholeFile(Utf8Of(file));
  if (!content) throw std::runtime_error(name + ": cannot read");
  member.packed = Deflate(*content);
  member.jpeg = content->size() >= 3 && content->compare(0, 3, "\xFF\xD8\xFF") == 0;
  member.text = Lower(Utf8Of(file.extension())) == ".cfg";
  const std::string key = Lower(name);
  if (auto it = options.transparent.find(key); it != options.transparent.end()) member.transparent = it->second;
  if (auto it = options.keys.find(key); it != options.keys.end()) member.key = it->second;
  return member;
}

std::vector<fs::path> SortedFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& item : fs::directory_iterator(folder)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::optional<Member>> AssignSlots(const Options& options) {
  std::vector<std::optional<Member>> slots(kSlotCount);
  auto place = [&](int slot, const fs::path& file) {
    if (slots[slot]) {
      throw std::runtime_error(Utf8Of(file) + " and " + Utf8Of(slots[slot]->file) + " claim the same slot");
    }
    slots[slot] = ReadMember(file, options);
  };
  std::vector<fs::path> extras;
  for (const fs::path& file : SortedFiles(options.folder)) {
    if (auto slot = NamedSlot(file)) place(*slot, file);
    else extras.push_back(file);
  }
  for (const fs::path& file : SortedFiles(options.folder / "button")) {
    if (auto slot = NamedSlot(file)) place(*slot, file);
  }
  if (extras.size() > kExtraSlotCount) throw std::runtime_error("more than 7 extra files");
  for (std::size_t i = 0; i < extras.size(); ++i) place(kFirstExtraSlot + static_cast<int>(i), extras[i]);
  return slots;
}

std::string BuildArchive(const std::vector<std::optional<Member>>& slots, std::uint32_t skin_type) {
  ByteWriter out;
  out.U8(4);
  out.Bytes("TKSF");
  out.Zeros(3);
  out.U32(skin_type);
  std::size_t data_offset = kDirectoryEnd;
  for (const auto& member : slots) {
    if (!member) {
      out.Zeros(56);
      continue;
    }
    out.U32(0);  // marker
    out.U32(static_cast<std::uint32_t>(data_offset));
    out.U32(member->text ? 0 : 1);
    out.U32(member->transparent);
    out.U32(static_cast<std::uint32_t>(member->packed.size()));
    out.U8(static_cast<std::uint8_t>(member->name_cp1251.size()));
    out.Bytes(member->name_cp1251);
    out.Zeros(kNameCapacity - member->name_cp1251.size());
    out.U32(member->key);
    out.U8(member->jpeg ? 1 : 0);
    out.U8(1);  // present
    out.Zeros(2);
    data_offset += member->packed.size();
  }
  for (const auto& member : slots) {
    if (member) out.Bytes(member->packed);
  }
  return out.Take();
}

void ParseColourOption(const std::string& value, std::map<std::string, std::uint32_t>& into) {
  const std::size_t eq = value.find('=');
  if (eq == std::string::npos) throw std::runtime_error("expected NAME=0xBBGGRR, got " + value);
  into[Lower(value.substr(0, eq))] = static_cast<std::uint32_t>(std::stoul(value.substr(eq + 1), nullptr, 0));
}

Options ParseArguments(int argc, char** argv) {
  Options options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--type" && has_value) options.skin_type = static_cast<std::uint32_t>(std::stoul(argv[++i], nullptr, 0));
    else if (arg == "--transparent" && has_value) ParseColourOption(argv[++i], options.transparent);
    else if (arg == "--key" && has_value) ParseColourOption(argv[++i], options.keys);
    else if (!arg.empty() && arg[0] != '-') positional.push_back(arg);
    else throw std::runtime_error("unknown option " + arg);
  }
  if (positional.size() != 2) throw std::runtime_error("expected a member folder and an output file");
  options.folder = fs::path(std::u8string(positional[0].begin(), positional[0].end()));
  options.output = fs::path(std::u8string(positional[1].begin(), positional[1].end()));
  if (!fs::is_directory(options.folder)) throw std::runtime_error(positional[0] + " is not a folder");
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = ParseArguments(argc, argv);
    const std::string archive = BuildArchive(AssignSlots(options), options.skin_type);
    if (!tikolvo::SaveFileAtomically(Utf8Of(options.output), archive)) {
      throw std::runtime_error("cannot write " + Utf8Of(options.output));
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tks_pack: %s\nusage: tks_pack [--type N] [--transparent NAME=0xBBGGRR] "
                         "[--key NAME=0xBBGGRR] <member folder> <output.tks>\n", error.what());
    return 1;
  }
}
