#pragma once
// The table of the program's pictures (assets/pictures/pictures.txt): which
// icon of the icon theme fills each position of each strip, the single
// pictures, and the icons the banner carries. Read by make_pictures and by
// the unit test that checks every position the program uses is filled.
//
// Lines (a "#" starts a comment; blank lines are ignored):
//   strip NAME ICON_SIZE CELL_SIZE     starts a strip; its entries follow:
//   INDEX CATEGORY/ICON ROLE...        one position of the current strip
//   same NAME ICON_SIZE CELL_SIZE OF   a strip with the entries of strip OF
//   picture NAME SIZE CATEGORY/ICON ROLE...
//   banner NAME WIDTH HEIGHT           the banner; "INDEX ICON ROLE" lines
//                                      after it are the icons it shows
#include <cstddef>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace pictures {

struct IconRef {
  std::string icon;  // category/name inside a size folder of the theme
  std::string role;  // what the picture stands for in the program
};

struct StripSpec {
  std::string name;
  int iconSize = 16;  // the theme's size folder the icons come from
  int cellSize = 16;  // each picture's cell; the icon is centred in it
  std::map<int, IconRef> entries;
  int Count() const { return entries.empty() ? 0 : entries.rbegin()->first + 1; }
};

struct PictureSpec {
  std::string name;
  int size = 16;
  IconRef icon;
};

struct BannerSpec {
  std::string name;
  int width = 0;
  int height = 0;
  std::vector<IconRef> icons;
};

struct PictureTable {
  std::vector<StripSpec> strips;
  std::vector<PictureSpec> pictures;
  BannerSpec banner;
  std::vector<std::string> errors;  // "line N: what is wrong"

  const StripSpec* Strip(const std::string& name) const {
    for (const StripSpec& s : strips)
      if (s.name == name) return &s;
    return nullptr;
  }
  const PictureSpec* Picture(const std::string& name) const {
    for (const PictureSpec& p : pictures)
      if (p.name == name) return &p;
    return nullptr;
  }
};

namespace detail {

inline std::string RestOf(std::istringstream& in) {
  std::string rest;
  std::getline(in >> std::ws, rest);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\r' || rest.back() == '\t')) rest.pop_back();
  return rest;
}

inline bool ValidSize(int size) { return size > 0 && size <= 1024; }

class Reader {
 public:
  explicit Reader(PictureTable& table) : table_(table) {}

  void Line(const std::string& raw, int number) {
    number_ = number;
    const std::string text = raw.substr(0, raw.find('#'));
    std::istringstream in(text);
    std::string word;
    if (!(in >> word)) return;
    if (word == "strip") return Strip(in);
    if (word == "same") return Same(in);
    if (word == "picture") return Picture(in);
    if (word == "banner") return Banner(in);
    Entry(word, in);
  }

  void Finish() {
    for (const StripSpec& strip : table_.strips)
      for (int i = 0; i < strip.Count(); ++i)
        if (!strip.entries.count(i)) table_.errors.push_back(strip.name + ": position " + std::to_string(i) + " is empty");
  }

 private:
  enum class Section { None, Strip, Banner };

  void Error(const std::string& what) { table_.errors.push_back("line " + std::to_string(number_) + ": " + what); }

  void Strip(std::istringstream& in) {
    StripSpec strip;
    if (!(in >> strip.name >> strip.iconSize >> strip.cellSize) || !ValidSize(strip.iconSize) ||
        strip.cellSize < strip.iconSize) {
      section_ = Section::None;
      return Error("strip needs a name, an icon size and a cell no smaller than the icon");
    }
    table_.strips.push_back(strip);
    section_ = Section::Strip;
  }

  void Same(std::istringstream& in) {
    StripSpec strip;
    std::string of;
    section_ = Section::None;
    if (!(in >> strip.name >> strip.iconSize >> strip.cellSize >> of) || !ValidSize(strip.iconSize) ||
        strip.cellSize < strip.iconSize)
      return Error("same needs a name, an icon size, a cell size and the strip it copies");
    const StripSpec* source = table_.Strip(of);
    if (!source) return Error("same copies an unknown strip " + of);
    strip.entries = source->entries;
    table_.strips.push_back(strip);
  }

  void Picture(std::istringstream& in) {
    PictureSpec picture;
    section_ = Section::None;
    if (!(in >> picture.name >> picture.size >> picture.icon.icon) || !ValidSize(picture.size))
      return Error("picture needs a name, a size and an icon");
    picture.icon.role = RestOf(in);
    table_.pictures.push_back(picture);
  }

  void Banner(std::istringstream& in) {
    BannerSpec& banner = table_.banner;
    if (!(in >> banner.name >> banner.width >> banner.height) || !ValidSize(banner.width) ||
        !ValidSize(banner.height)) {
      section_ = Section::None;
      return Error("banner needs a name, a width and a height");
    }
    section_ = Section::Banner;
  }

  void Entry(const std::string& first, std::istringstream& in) {
    std::size_t used = 0;
    int index = -1;
    try {
      index = std::stoi(first, &used);
    } catch (...) {
      used = 0;
    }
    IconRef icon;
    if (used != first.size() || index < 0 || !(in >> icon.icon)) return Error("unreadable line");
    icon.role = RestOf(in);
    if (icon.role.empty()) return Error("position " + first + " has no role");
    if (section_ == Section::Banner) return table_.banner.icons.push_back(icon);
    if (section_ != Section::Strip) return Error("a position outside a strip or banner");
    if (!table_.strips.back().entries.emplace(index, icon).second) Error("position " + first + " given twice");
  }

  PictureTable& table_;
  Section section_ = Section::None;
  int number_ = 0;
};

}  // namespace detail

inline PictureTable ParsePictureTable(std::istream& in) {
  PictureTable table;
  detail::Reader reader(table);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) reader.Line(line, number);
  reader.Finish();
  return table;
}

inline PictureTable ReadPictureTable(const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    PictureTable table;
    table.errors.push_back("cannot read " + path);
    return table;
  }
  return ParsePictureTable(in);
}

}  // namespace pictures
