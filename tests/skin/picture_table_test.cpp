// The table the program's pictures are drawn from (assets/pictures), its
// reader, and the BMP files the generator writes from it: every position the
// program uses is filled, and what is written reads back through the
// program's own BMP decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include "../../tools/pictures/bmp_writer.h"
#include "../../tools/pictures/compose.h"
#include "../../tools/pictures/picture_table.h"
#include "app/menu_tables.h"
#include "skin/bmp_decode.h"
#include "skin/picture_strip.h"
#include "skin/program_pictures.h"

namespace {

namespace fs = std::filesystem;
using pictures::PictureTable;
using pictures::StripSpec;

const fs::path kTheme = "/usr/share/icons/Tango";

const PictureTable& Table() {
  static const PictureTable table = pictures::ReadPictureTable(
      (fs::path(__FILE__).parent_path().parent_path().parent_path() / "assets" / "pictures" / "pictures.txt").string());
  return table;
}

PictureTable Parse(const std::string& text) {
  std::istringstream in(text);
  return pictures::ParsePictureTable(in);
}

TEST(PictureTableReader, ReadsStripsCopiesPicturesAndTheBanner) {
  const PictureTable table = Parse(
      "# comment\n"
      "strip A 16 18\n"
      "0 places/folder   a folder   # trailing comment\n"
      "1 actions/go-up   up\n"
      "same B 32 32 A\n"
      "picture P 16 actions/go-down  down\n"
      "banner N 545 54\n"
      "0 apps/office-calendar  calendar\n");
  ASSERT_TRUE(table.errors.empty()) << table.errors.front();
  ASSERT_EQ(table.strips.size(), 2u);
  const StripSpec* a = table.Strip("A");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->cellSize, 18);
  EXPECT_EQ(a->Count(), 2);
  EXPECT_EQ(a->entries.at(0).role, "a folder");
  EXPECT_EQ(table.Strip("B")->entries.at(1).icon, "actions/go-up");
  EXPECT_EQ(table.Strip("B")->iconSize, 32);
  EXPECT_EQ(table.Picture("P")->icon.role, "down");
  EXPECT_EQ(table.banner.width, 545);
  ASSERT_EQ(table.banner.icons.size(), 1u);
}

TEST(PictureTableReader, ReportsGapsTwiceGivenPositionsAndBrokenLines) {
  EXPECT_EQ(Parse("strip A 16 16\n0 x/y one\n2 x/z three\n").errors.size(), 1u);  // position 1 is empty
  EXPECT_EQ(Parse("strip A 16 16\n0 x/y one\n0 x/z again\n").errors.size(), 1u);
  EXPECT_EQ(Parse("strip A 16 16\n0 x/y\n").errors.size(), 1u);  // no role
  EXPECT_EQ(Parse("0 x/y outside\n").errors.size(), 1u);
  EXPECT_EQ(Parse("same B 16 16 NOPE\n").errors.size(), 1u);
  EXPECT_EQ(Parse("strip A 16 8\n").errors.size(), 1u);  // cell smaller than the icon
  EXPECT_EQ(Parse("strip A 16 16\nx1 x/y word\n").errors.size(), 1u);
  EXPECT_EQ(Parse("picture P sixteen x/y\n").errors.size(), 1u);
}

TEST(ProgramPictureTable, FillsEveryPositionTheProgramUses) {
  ASSERT_TRUE(Table().errors.empty()) << Table().errors.front();
  const StripSpec* system = Table().Strip(tikolvo::kSystemStripName);
  const StripSpec* large = Table().Strip(tikolvo::kSystemStrip32Name);
  const StripSpec* scheduler = Table().Strip(tikolvo::kSchedulerStripName);
  const StripSpec* editor = Table().Strip(tikolvo::kMenuEditorStripName);
  ASSERT_TRUE(system && large && scheduler && editor);

  EXPECT_GE(system->Count(), tikolvo::kSystemStripCount);
  EXPECT_EQ(system->iconSize, tikolvo::kSystemPictureSize);
  EXPECT_EQ(large->cellSize, tikolvo::kLargeSystemPictureSize);
  EXPECT_EQ(large->Count(), system->Count());
  EXPECT_GE(scheduler->Count(), tikolvo::kSchedulerStripCount);
  EXPECT_EQ(scheduler->cellSize, tikolvo::kSchedulerPictureSize);
  EXPECT_EQ(editor->cellSize, tikolvo::kMenuEditorPictureSize);

  for (const int picture : tikolvo::kBalloonPictures) EXPECT_LT(picture, system->Count());
  std::set<int> menuPictures;
  for (const auto& entry : tikolvo::kWindowMenu) menuPictures.insert(entry.picture);
  for (const auto& entry : tikolvo::kAdminMenu) menuPictures.insert(entry.picture);
  for (const auto& entry : tikolvo::kTrayMenu) menuPictures.insert(entry.picture);
  for (const int picture : menuPictures) EXPECT_LT(picture, system->Count());

  for (const char* name : {"BITMAP_BB_UP", "BITMAP_BB_DOWN", "BITMAP_BB_SAVE", "BITMAP_FIND", "BITMAP_LOGO"})
    EXPECT_TRUE(Table().Picture(name)) << name;
  EXPECT_EQ(Table().banner.name, "LOGO_BACK_IMAGE");
  EXPECT_EQ(Table().banner.width, 545);
  EXPECT_EQ(Table().banner.height, 54);
}

TEST(ProgramPictureTable, NamesIconsTheThemeHasAtTheirSizes) {
  if (!fs::is_directory(kTheme)) GTEST_SKIP() << "the Tango icon theme is not installed";
  auto exists = [](const std::string& icon, int size) {
    return fs::exists(kTheme / (std::to_string(size) + "x" + std::to_string(size)) / (icon + ".png"));
  };
  for (const StripSpec& strip : Table().strips)
    for (const auto& [index, icon] : strip.entries) EXPECT_TRUE(exists(icon.icon, strip.iconSize)) << icon.icon;
  for (const auto& picture : Table().pictures) EXPECT_TRUE(exists(picture.icon.icon, picture.size)) << picture.name;
  for (const auto& icon : Table().banner.icons) EXPECT_TRUE(exists(icon.icon, 32)) << icon.icon;
}

TEST(GeneratedPictures, StripAndMaskReadBackThroughTheProgramsDecoder) {
  if (!fs::is_directory(kTheme)) GTEST_SKIP() << "the Tango icon theme is not installed";
  const StripSpec* scheduler = Table().Strip(tikolvo::kSchedulerStripName);
  ASSERT_TRUE(scheduler);
  const tikolvo::Picture strip = pictures::BuildStrip(kTheme, *scheduler);
  ASSERT_EQ(strip.width, scheduler->Count() * tikolvo::kSchedulerPictureSize);

  const auto decoded = tikolvo::DecodeBmp(pictures::EncodeBmp(strip, 32));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->pixels, strip.pixels);  // alpha and all
  const tikolvo::Picture mask = tikolvo::MaskFromAlpha(strip);
  const auto decodedMask = tikolvo::DecodeBmp(pictures::EncodeMaskBmp(mask));
  ASSERT_TRUE(decodedMask);
  EXPECT_EQ(decodedMask->source_bits, 1);
  EXPECT_EQ(decodedMask->pixels, mask.pixels);

  // The 16 px icons stand in the middle of their 18 px cells: the cells'
  // borders stay see-through.
  const tikolvo::Picture locked =
      tikolvo::CutStripPicture(strip, tikolvo::scheduler_picture::kLocked, tikolvo::kSchedulerPictureSize);
  for (int i = 0; i < locked.width; ++i) {
    EXPECT_EQ(locked.At(i, 0) >> 24, 0u);
    EXPECT_EQ(locked.At(0, i) >> 24, 0u);
  }
  EXPECT_TRUE(tikolvo::HasAlpha(locked));
}

TEST(GeneratedPictures, OpaqueBannerKeepsItsColoursIn24Bits) {
  tikolvo::Picture banner = pictures::Blank(5, 3, 0xFF102030);
  pictures::PixelAt(banner, 4, 2) = 0xFFA0B0C0;
  const auto decoded = tikolvo::DecodeBmp(pictures::EncodeBmp(banner, 24));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->source_bits, 24);
  EXPECT_EQ(decoded->At(0, 0) & 0xFFFFFF, 0x102030u);
  EXPECT_EQ(decoded->At(4, 2) & 0xFFFFFF, 0xA0B0C0u);
}

}  // namespace
