// The skins the program ships, as the generator draws them: read back through
// the program's own BMP and INI readers and checked for what makes a skin
// work on screen (shape, hand room, buttons, labels, colour keys).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "../../tools/skins/skin_set.h"
#include "skin/bmp_decode.h"

namespace {

using skins::ButtonFile;
using skins::ButtonKind;
using skins::SkinPackage;
using tikolvo::IniDocument;
using tikolvo::Picture;

const std::vector<SkinPackage>& AllSkins() {
  static const std::vector<SkinPackage> all =
      skins::BuildAllSkins(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "assets");
  return all;
}

const SkinPackage& Skin(const std::string& name) {
  for (const SkinPackage& skin : AllSkins())
    if (skin.name == name) return skin;
  throw std::runtime_error("no skin " + name);
}

IniDocument DescriptionOf(const SkinPackage& skin) { return IniDocument::Parse(skin.Find("config.cfg")->bytes); }

Picture Decode(const SkinPackage& skin, const std::string& name) {
  const skins::Member* member = skin.Find(name);
  if (!member) throw std::runtime_error(skin.name + " has no " + name);
  std::optional<Picture> picture = tikolvo::DecodeBmp(member->bytes);
  if (!picture) throw std::runtime_error(skin.name + "/" + name + " does not decode");
  return *picture;
}

std::uint32_t Rgb(const Picture& p, int x, int y) { return p.At(x, y) & 0xFFFFFF; }
bool Kept(const SkinPackage& skin, const Picture& mask, int x, int y) {
  if (skin.type == 3) return (Rgb(mask, x, y) & 0xFF) == 255;
  return Rgb(mask, x, y) != 0xFFFFFF;
}

// How far right or down from the pivot the simple model paints: each hand's
// shadow is shifted right and down (second 2.75 px with a 3 px pen; minute
// and alarm 2 px, hour 1.5 px, with 3.75 px pens), and hand ends are rounded
// to whole pixels. Up and left, the shift takes the shadows inwards.
double HandReach(const IniDocument& ini) {
  const auto length = [&](const char* key) { return ini.ReadInteger("Clock", key, 38); };
  return std::max({length("SecArrow") + 2.75 + 1.5, length("MinArrow") + 2 + 1.875, length("AlarmArrow") + 2 + 1.875,
                   length("HourArrow") + 1.5 + 1.875}) + 0.5;
}

struct Rect {
  int left, top, right, bottom;
  bool Overlaps(const Rect& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// The button's frames, normal first, in whichever form the skin ships them.
std::vector<Picture> Frames(const SkinPackage& skin, const ButtonKind& button) {
  const std::string file = ButtonFile(skin, button);
  if (skin.Find(file)) {
    const Picture strip = Decode(skin, file);
    std::vector<Picture> frames(3);
    const int h = strip.height / 3;
    for (int i = 0; i < 3; ++i) {
      frames[i].width = strip.width;
      frames[i].height = h;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < strip.width; ++x) frames[i].pixels.push_back(strip.At(x, i * h + y));
    }
    return frames;
  }
  const std::string base = file.substr(0, file.size() - 4);
  std::vector<Picture> frames;
  for (const char* suffix : {"n.bmp", "l.bmp", "i.bmp"})
    if (skin.Find(base + suffix)) frames.push_back(Decode(skin, base + suffix));
  return frames;
}

TEST(GeneratedSkins, TheSetHasTheThreeArchiveTypesAndOneFolderSkin) {
  std::set<std::pair<std::string, int>> seen;
  for (const SkinPackage& skin : AllSkins()) seen.insert({skin.name + (skin.folder ? "/" : ".tks"), skin.type});
  EXPECT_EQ(seen, (std::set<std::pair<std::string, int>>{
                      {"default.tks", 1}, {"layered.tks", 3}, {"colourmap.tks", 2}, {"testfolder/", 1}}));
}

TEST(GeneratedSkins, DescriptionsParseWithTheirKeysFontsAndRussianHints) {
  const std::map<std::string, std::string> hints = {{"ButtonSV", "Свернуть"},       {"ButtonConfig", "Настройки"},
                                                    {"ButtonClose", "Закрыть"},     {"ButtonPower", "Выключение"},
                                                    {"ButtonWWW", "Меню ссылок"},   {"ButtonMenu", "Меню программ"}};
  const std::set<std::string> fonts = {"Arial", "Tahoma", "Verdana", "Courier New", "Times New Roman"};
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const std::string& bytes = skin.Find("config.cfg")->bytes;
    EXPECT_NE(bytes.find("\r\n"), std::string::npos) << "CRLF line ends";
    const IniDocument ini = IniDocument::Parse(bytes);
    for (const char* key : {"RecX1", "RecY1", "RecX2", "RecY2", "HourArrow", "MinArrow", "SecArrow", "AlarmArrow"})
      EXPECT_TRUE(ini.HasKey("Clock", key)) << key;
    EXPECT_TRUE(ini.ReadBool("Clock", "Shadow", false));
    EXPECT_TRUE(ini.ReadBool("Time", "ShowTime", false));
    for (const char* section : {"Time", "Data", "Format_1", "Format_2", "Format_3"}) {
      if (ini.HasKey(section, "Name")) {
        EXPECT_TRUE(fonts.count(ini.ReadString(section, "Name", ""))) << section;
      }
    }
    for (const auto& [section, hint] : hints) {
      if (ini.HasSection(section)) {
        EXPECT_EQ(ini.ReadString(section, "Hint", ""), hint) << section;
      }
    }
    int buttons = 0;
    for (const ButtonKind& button : skins::kButtons) buttons += ini.HasSection(button.section);
    EXPECT_EQ(buttons, skin.folder ? 5 : 6);
  }
  const IniDocument main = DescriptionOf(Skin("default"));
  EXPECT_TRUE(main.ReadBool("Data", "ShowData", false));
  EXPECT_EQ(main.ReadString("Data", "Format", ""), "dddd, d mmmm");
}

TEST(GeneratedSkins, PicturesAre24BitAndShareTheFaceSize) {
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const Picture face = Decode(skin, "main.bmp");
    for (const char* name : {"main.bmp", "mask.bmp", "WHT.bmp", "NGT.bmp", "colormap.bmp"}) {
      if (!skin.Find(name)) continue;
      const Picture p = Decode(skin, name);
      EXPECT_EQ(p.source_bits, 24) << name;
      EXPECT_EQ(p.width, face.width) << name;
      EXPECT_EQ(p.height, face.height) << name;
    }
    for (const char* name : {"shot.bmp", "hint.bmp"}) {
      const Picture p = Decode(skin, name);
      EXPECT_LE(p.width, face.width) << name;
      EXPECT_GT(p.width, 5) << name;
    }
  }
  // A folder skin is complete only with these five files.
  for (const char* name : {"main.bmp", "NGT.bmp", "WHT.bmp", "config.cfg", "mask.bmp"})
    EXPECT_NE(Skin("testfolder").Find(name), nullptr) << name;
}

TEST(GeneratedSkins, ShapedMasksCutTheCornersKeepTheDialAndHaveNoGreys) {
  for (const SkinPackage& skin : AllSkins()) {
    if (skin.type == 3) continue;
    SCOPED_TRACE(skin.name);
    const Picture mask = Decode(skin, "mask.bmp");
    const int w = mask.width, h = mask.height;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {2, 2}})
      EXPECT_EQ(Rgb(mask, x, y), 0xFFFFFFu) << x << "," << y;
    // Only pure white and black: the window region is built from runs of white.
    int kept = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t c = Rgb(mask, x, y);
        ASSERT_TRUE(c == 0 || c == 0xFFFFFF);
        kept += c == 0;
      }
    EXPECT_GT(kept, w * h * 9 / 10);
    // Mid-edges are kept: only the rounded corners are cut.
    EXPECT_EQ(Rgb(mask, w / 2, 0), 0u);
    EXPECT_EQ(Rgb(mask, 0, h / 2), 0u);
  }
}

TEST(GeneratedSkins, HandsHaveRoomInsideTheRectangleOnAKeptPartOfTheFace) {
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const IniDocument ini = DescriptionOf(skin);
    const skins::HandSetup hands = skins::ReadHands(ini);
    const auto& r = hands.rect;
    const Picture mask = Decode(skin, "mask.bmp");
    ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= mask.width && r.bottom <= mask.height);
    // The pivot is the rectangle's centre pixel; the hands and their shadows
    // must stay inside the rectangle, or they are cut off.
    const int cx = r.left + (r.right - r.left) / 2, cy = r.top + (r.bottom - r.top) / 2;
    const double reach = HandReach(ini);
    EXPECT_LE(reach, std::min({cx - r.left, r.right - 1 - cx, cy - r.top, r.bottom - 1 - cy}) + 0.5);
    // No hand may sweep over a part of the window that is cut away (or, for
    // a layered face, not fully opaque: hands never change the alpha).
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (std::hypot(x - cx, y - cy) <= reach) {
          ASSERT_TRUE(Kept(skin, mask, x, y)) << x << "," << y;
        }
  }
}

TEST(GeneratedSkins, TheDialIsCentredOnThePivot) {
  // Walk in from the panel along the four diagonals to the dial's outer
  // edge (for the layered face: to full opacity). The four distances agree
  // when the dial is drawn round the pixel the hands turn about.
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const Picture face = Decode(skin, skin.type == 3 ? "mask.bmp" : "main.bmp");
    const auto r = skins::ReadHands(DescriptionOf(skin)).rect;
    const int cx = r.left + (r.right - r.left) / 2, cy = r.top + (r.bottom - r.top) / 2;
    const int start = std::min({cx, cy, face.width - 1 - cx, face.height - 1 - cy}) * 4 / 5;
    const auto differ = [](std::uint32_t a, std::uint32_t b) {
      int sum = 0;
      for (int shift : {0, 8, 16}) sum += std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF));
      return sum;
    };
    std::vector<int> distances;
    for (auto [dx, dy] : {std::pair{1, 1}, {-1, 1}, {1, -1}, {-1, -1}}) {
      const std::uint32_t outside = Rgb(face, cx + dx * start, cy + dy * start);
      int step = start;
      while (step > 0 && (skin.type == 3 ? Rgb(face, cx + dx * step, cy + dy * step) != 0xFFFFFF
                                         : differ(Rgb(face, cx + dx * step, cy + dy * step), outside) < 90)) {
        --step;
      }
      distances.push_back(step);
    }
    EXPECT_LE(*std::max_element(distances.begin(), distances.end()) - *std::min_element(distances.begin(), distances.end()), 1)
        << distances[0] << " " << distances[1] << " " << distances[2] << " " << distances[3];
  }
}

TEST(GeneratedSkins, ButtonsAreThreeEqualFramesOnTheKeptFaceClearOfHandsAndEachOther) {
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const IniDocument ini = DescriptionOf(skin);
    const Picture face = Decode(skin, "main.bmp");
    const Picture mask = Decode(skin, "mask.bmp");
    const auto hands = skins::ReadHands(ini).rect;
    const double cx = hands.left + (hands.right - hands.left) / 2, cy = hands.top + (hands.bottom - hands.top) / 2;
    std::vector<Rect> placed;
    for (const ButtonKind& button : skins::kButtons) {
      if (!ini.HasSection(button.section)) continue;
      SCOPED_TRACE(button.section);
      const std::string file = ButtonFile(skin, button);
      if (skin.Find(file)) {
        const Picture strip = Decode(skin, file);
        EXPECT_EQ(strip.height % 3, 0);
        EXPECT_EQ(strip.height / 3, strip.width);
      }
      const std::vector<Picture> frames = Frames(skin, button);
      ASSERT_GE(frames.size(), 2u);
      const int w = frames[0].width, h = frames[0].height;
      for (const Picture& f : frames) EXPECT_TRUE(f.width == w && f.height == h);
      EXPECT_NE(frames.front().pixels, frames.back().pixels) << "pressed looks like normal";
      if (skin.folder) {
        EXPECT_EQ(ini.ReadInteger(button.section, "W", 1), w);
        EXPECT_EQ(ini.ReadInteger(button.section, "H", 1), h);
      }
      const Rect rect{ini.ReadInteger(button.section, "L", 0), ini.ReadInteger(button.section, "T", 0), 0, 0};
      const Rect box{rect.left, rect.top, rect.left + w, rect.top + h};
      ASSERT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= face.width && box.bottom <= face.height);
      // The see-through colour is the strip's top-left pixel; it is the
      // face's own colour there, so a transparent and an opaque drawing
      // of the button look the same.
      EXPECT_EQ(Rgb(frames[0], 0, 0), Rgb(face, box.left, box.top));
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
          ASSERT_TRUE(Kept(skin, mask, x, y)) << "button corner cut away at " << x << "," << y;
          ASSERT_GT(std::hypot(x - cx, y - cy), HandReach(ini)) << "hands sweep under the button";
        }
      for (const Rect& other : placed) EXPECT_FALSE(box.Overlaps(other));
      placed.push_back(box);
    }
  }
}

TEST(GeneratedSkins, LabelsLieOnTheKeptFaceAwayFromTheHands) {
  for (const SkinPackage& skin : AllSkins()) {
    SCOPED_TRACE(skin.name);
    const IniDocument ini = DescriptionOf(skin);
    const Picture mask = Decode(skin, "mask.bmp");
    const auto hands = skins::ReadHands(ini).rect;
    const int cx = hands.left + (hands.right - hands.left) / 2, cy = hands.top + (hands.bottom - hands.top) / 2;
    std::vector<Rect> labels;
    if (ini.ReadBool("Time", "ShowTime", false)) {
      const int l = ini.ReadInteger("Time", "Left", 0), t = ini.ReadInteger("Time", "Top", 0);
      labels.push_back({l, t, l + ini.ReadInteger("Time", "W", 20), t + ini.ReadInteger("Time", "H", 10)});
      // Points to pixels at 96 dots an inch: the line must fit the box.
      EXPECT_LE(ini.ReadInteger("Time", "Size", 8) * 96 / 72 * 5 / 4, labels.back().bottom - t);
    }
    for (const char* section : {"Format_1", "Format_2", "Format_3"})
      if (ini.ReadBool(section, "Show", false)) {
        const int l = ini.ReadInteger(section, "L", 0), t = ini.ReadInteger(section, "T", 0);
        labels.push_back({l, t, l + ini.ReadInteger(section, "W", 20), t + ini.ReadInteger(section, "H", 10)});
      }
    if (ini.ReadBool("Data", "ShowData", false)) {
      // The date label is centred across the face; give it most of the width.
      const int t = ini.ReadInteger("Data", "LTop", 329), line = ini.ReadInteger("Data", "LSize", 13) * 96 / 72 * 5 / 4;
      labels.push_back({mask.width / 4, t, mask.width * 3 / 4, t + line});
    }
    for (const Rect& box : labels) {
      ASSERT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= mask.width && box.bottom <= mask.height);
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) ASSERT_TRUE(Kept(skin, mask, x, y)) << x << "," << y;
      // A label over the dial must leave the centre and the hour hand's
      // sweep free (the layered skin's small time window sits below it).
      const double nearest = std::hypot(std::clamp(cx, box.left, box.right) - cx, std::clamp(cy, box.top, box.bottom) - cy);
      EXPECT_GT(nearest, ini.ReadInteger("Clock", "HourArrow", 38) * 0.6);
    }
  }
}

TEST(GeneratedSkins, LayeredMaskIsOpaqueInsideAndFadesSoftlyOutside) {
  const SkinPackage& skin = Skin("layered");
  const Picture mask = Decode(skin, "mask.bmp");
  const auto r = skins::ReadHands(DescriptionOf(skin)).rect;
  const int cx = r.left + (r.right - r.left) / 2, cy = r.top + (r.bottom - r.top) / 2;
  const auto alpha = [&](int x, int y) {
    const std::uint32_t c = Rgb(mask, x, y);
    EXPECT_TRUE((c & 0xFF) == (c >> 8 & 0xFF) && (c & 0xFF) == (c >> 16 & 0xFF)) << "grey only";
    return static_cast<int>(c & 0xFF);
  };
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(mask.width - 1, mask.height - 1), 0);
  // Straight down from the centre (where the shadow falls): opaque, then a
  // fall-off over several pixels that never brightens again.
  int previous = 255, soft = 0;
  for (int y = cy; y < mask.height; ++y) {
    const int a = alpha(cx, y);
    EXPECT_LE(a, previous) << y;
    soft += a > 0 && a < 255;
    previous = a;
  }
  EXPECT_GE(soft, 6);
  // Hands are copied into the layer except where they equal the hand
  // rectangle's top-left pixel, which lies in the transparent corner and is
  // black there: no hand colour may be black.
  const IniDocument ini = DescriptionOf(skin);
  for (const char* key : {"Basic", "Second", "Alarm"}) EXPECT_NE(ini.ReadInteger("Color", key, 0), 0) << key;
}

TEST(GeneratedSkins, ColourMapKeysMarkEachRoundButtonAndNothingElse) {
  const SkinPackage& skin = Skin("colourmap");
  const IniDocument ini = DescriptionOf(skin);
  const Picture map = Decode(skin, "colormap.bmp");
  std::set<std::uint32_t> keys;
  for (const ButtonKind& button : skins::kButtons) {
    SCOPED_TRACE(button.section);
    ASSERT_TRUE(skin.keys.count(button.file));
    const std::uint32_t key = skin.keys.at(button.file);  // 0x00BBGGRR, as the archive entry stores it
    EXPECT_NE(key, 0u) << "black means no button";
    EXPECT_TRUE(keys.insert(key).second) << "keys must differ";
    const std::uint32_t pixel = ((key & 0xFF) << 16) | (key & 0xFF00) | (key >> 16 & 0xFF);  // as 0x00RRGGBB
    const Picture frame = Frames(skin, button)[0];
    const Rect box{ini.ReadInteger(button.section, "L", 0), ini.ReadInteger(button.section, "T", 0), 0, 0};
    int inside = 0;
    for (int y = 0; y < map.height; ++y)
      for (int x = 0; x < map.width; ++x) {
        if (Rgb(map, x, y) != pixel) continue;
        ASSERT_TRUE(x >= box.left && x < box.left + frame.width && y >= box.top && y < box.top + frame.height);
        ++inside;
      }
    EXPECT_EQ(Rgb(map, box.left + frame.width / 2, box.top + frame.height / 2), pixel);
    // Round: the frame's corners are not part of the button.
    EXPECT_EQ(Rgb(map, box.left, box.top), 0u);
    EXPECT_GT(inside, frame.width * frame.height / 2);
  }
}

TEST(GeneratedSkins, FolderSkinShipsEachButtonFormTheLoaderKnows) {
  const SkinPackage& skin = Skin("testfolder");
  for (const char* name : {"button/min.bmp", "button/conf.bmp", "button/close.bmp", "button/Powern.bmp",
                           "button/Powerl.bmp", "button/Poweri.bmp", "button/menun.bmp", "button/menui.bmp"})
    EXPECT_NE(skin.Find(name), nullptr) << name;
  for (const char* name : {"button/Power.bmp", "button/menu.bmp", "button/menul.bmp", "button/WWW.bmp"})
    EXPECT_EQ(skin.Find(name), nullptr) << name;
}

}  // namespace
