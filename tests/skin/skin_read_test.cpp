#include "skin/skin_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "common/file_io.h"
#include "skin/skin_files.h"
#include "skin/tks_archive.h"
#include "memory_skin_files.h"
#include "skin_bytes.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;
using test::Bmp24;
using test::MemoryFiles;

// Archive slots (not member kinds) of the members these tests place.
constexpr int kCloseSlot = 0, kMinimiseSlot = 1, kCursorsSlot = 15, kDescriptionSlot = 6, kHintSlot = 8,
              kColourMapSlot = 9, kFaceSlot = 10, kMaskSlot = 11, kFirstExtraSlot = 16;

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0;

const std::string kTemp = "C:\\temp\\";

// A 4 x 4 face whose mask cuts the top-left pixel away, with the minimise
// button described at (5, 6) and its strip of three 3 x 4 frames.
ArchiveBytes ShapedArchive(std::uint32_t type) {
  ArchiveBytes archive(type);
  archive.AddMember(kDescriptionSlot, "config.cfg", "[ButtonSV]\r\nL=5\r\nT=6\r\nW=40\r\nH=40\r\ntr=0\r\n");
  archive.AddMember(kFaceSlot, "main.bmp", Bmp24(4, 4, std::vector<std::uint32_t>(16, 0x336699)));
  std::vector<std::uint32_t> mask(16, kBlack);
  mask[0] = kWhite;
  archive.AddMember(kMaskSlot, "mask.bmp", Bmp24(4, 4, mask));
  archive.AddMember(kMinimiseSlot, "min.bmp", Bmp24(3, 12, std::vector<std::uint32_t>(36, 0x112233)),
                    {.map_key = 0x0000FE});
  return archive;
}

TEST(ArchiveSkinRead, TypeShapeAndButtonsComeFromOneReadOfTheBytes) {
  const LoadedSkin skin = ReadArchiveSkin(ShapedArchive(2).bytes, kTemp, HandRecords{});
  EXPECT_EQ(skin.type, 2);
  EXPECT_EQ(skin.face.width, 4);
  ASSERT_TRUE(skin.hasMask);
  // The cut pixel is the only thing missing from the kept shape.
  int keptArea = 0;
  for (const MaskRect& r : skin.kept) keptArea += (r.right - r.left) * (r.bottom - r.top);
  EXPECT_EQ(keptArea, 15);

  const LoadedButton& min = skin.buttons[static_cast<int>(SkinButton::Minimise)];
  ASSERT_TRUE(min.present);
  // Archive buttons stand where the description puts them, at their frame's size.
  EXPECT_EQ((std::array{min.left, min.top, min.width, min.height}), (std::array{5, 6, 3, 4}));
  EXPECT_EQ(min.colourKey, 0x0000FEu);
  EXPECT_FALSE(min.transparent);  // "tr=0" counts for colour-map skins only
  EXPECT_FALSE(skin.buttons[static_cast<int>(SkinButton::Close)].present);

  // Any header byte but 2 and 3 reads as a shaped skin; the layered one
  // takes no shape from its mask.
  const LoadedSkin shaped = ReadArchiveSkin(ShapedArchive(0x0107).bytes, kTemp, HandRecords{});
  EXPECT_EQ(shaped.type, 1);
  EXPECT_TRUE(shaped.buttons[static_cast<int>(SkinButton::Minimise)].transparent);
  const LoadedSkin layered = ReadArchiveSkin(ShapedArchive(3).bytes, kTemp, HandRecords{});
  EXPECT_EQ(layered.type, 3);
  EXPECT_TRUE(layered.kept.empty());
}

TEST(ArchiveSkinRead, ButtonsNeedTheDescriptionAndTheColourMapItsType) {
  ArchiveBytes archive(1);
  archive.AddMember(kFaceSlot, "main.bmp", Bmp24(2, 2, std::vector<std::uint32_t>(4, 0)));
  archive.AddMember(kCloseSlot, "close.bmp", Bmp24(2, 6, std::vector<std::uint32_t>(12, 0)));
  archive.AddMember(kColourMapSlot, "map.bmp", Bmp24(2, 2, std::vector<std::uint32_t>(4, 0)));
  const LoadedSkin skin = ReadArchiveSkin(archive.bytes, kTemp, HandRecords{});
  EXPECT_FALSE(skin.hasDescription);
  EXPECT_FALSE(skin.buttons[static_cast<int>(SkinButton::Close)].present);
  EXPECT_TRUE(skin.colourMap.empty());
}

TEST(ArchiveSkinRead, ExtractedNamesCannotLeaveTheFolderAndOnlyTheArchivesCursorsCount) {
  ArchiveBytes archive;
  archive.AddMember(kCursorsSlot, "..\\cursors.cfg", "[CUR]\r\nMin=min.cur\r\nClose=close.cur\r\n");
  archive.AddMember(kFirstExtraSlot, "C:\\Windows\\min.cur", "cursor bytes");
  archive.AddMember(kFirstExtraSlot + 1, "CON", "device");
  archive.AddMember(kFirstExtraSlot + 2, "sub/..", "nothing");
  archive.AddMember(kHintSlot, "D:hint.bmp", Bmp24(1, 1, {0}));
  const LoadedSkin skin = ReadArchiveSkin(archive.bytes, kTemp, HandRecords{});

  std::map<std::string, std::string> written;
  for (const ExtractedFile& f : skin.extracted) written[f.name] = f.bytes;
  EXPECT_EQ(written.size(), 3u);
  EXPECT_EQ(written["min.cur"], "cursor bytes");
  EXPECT_TRUE(written.count("cursors.cfg") && written.count("hint.bmp"));

  // close.cur is not in the archive: whatever lies in the folder is not used.
  ASSERT_EQ(skin.cursors.loads.size(), 1u);
  EXPECT_EQ(skin.cursors.loads[0].path, kTemp + "min.cur");
  EXPECT_EQ(skin.cursors.buttons[static_cast<int>(SkinButton::Close)].hover, kHandPointerCursor);
}

TEST(ArchiveSkinRead, DamagedArchivesRaise) {
  const std::string whole = ShapedArchive(1).bytes;
  for (const std::string& bytes : {whole.substr(0, whole.size() - 5), whole.substr(0, 600), std::string("TKS")}) {
    EXPECT_THROW(ReadArchiveSkin(bytes, kTemp, HandRecords{}), SkinArchiveError) << bytes.size();
  }
}

// ---- From the disk.

class DiskSkinRead : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tikolvo_skin_read_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "temp");
    temp_ = (root_ / "temp").string() + "/";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  std::string temp_;
};

TEST_F(DiskSkinRead, ArchiveMembersReplaceWhatAnEarlierSkinLeftAndADamagedOneWritesNothing) {
  ArchiveBytes archive = ShapedArchive(1);
  archive.AddMember(kCursorsSlot, "cursors.cfg", "[CUR]\r\n");
  const std::string path = (root_ / "Wood.TKS").string();
  std::ofstream(path, std::ios::binary) << archive.bytes;
  std::ofstream(temp_ + "config.cfg") << "stale content from the previous skin";

  const std::optional<LoadedSkin> skin = ReadSkinFromDisk(path, temp_, HandRecords{});
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->buttons[static_cast<int>(SkinButton::Minimise)].left, 5);
  EXPECT_EQ(ReadWholeFile(temp_ + "config.cfg"), "[ButtonSV]\r\nL=5\r\nT=6\r\nW=40\r\nH=40\r\ntr=0\r\n");
  EXPECT_EQ(ReadWholeFile(temp_ + "cursors.cfg"), "[CUR]\r\n");

  fs::remove_all(root_ / "temp");
  fs::create_directories(root_ / "temp");
  std::ofstream(path, std::ios::binary) << archive.bytes.substr(0, archive.bytes.size() - 3);
  EXPECT_THROW(ReadSkinFromDisk(path, temp_, HandRecords{}), SkinArchiveError);
  EXPECT_TRUE(fs::is_empty(root_ / "temp"));

  EXPECT_FALSE(ReadSkinFromDisk((root_ / "missing.tks").string(), temp_, HandRecords{}).has_value());
}

// ---- Folder skins, through a source held in memory.

TEST(FolderSkinRead, PicturesButtonsAndCursorsComeThroughTheSource) {
  const std::string folder = "C:\\skins\\Wood\\";
  MemoryFiles source;
  const std::string plain = Bmp24(4, 4, std::vector<std::uint32_t>(16, 0x445566));
  std::vector<std::uint32_t> mask(16, kBlack);
  mask[15] = kWhite;
  source.files = {{folder + "main.bmp", plain},
                  {folder + "NGT.bmp", plain},
                  {folder + "WHT.bmp", plain},
                  {folder + "mask.bmp", Bmp24(4, 4, mask)},
                  {folder + "config.cfg", "[ButtonSV]\r\nL=1\r\nT=2\r\nW=7\r\nH=8\r\n"},
                  {folder + "button\\min.bmp", Bmp24(3, 12, std::vector<std::uint32_t>(36, 0))},
                  {folder + "cursors.cfg", "[CUR]\r\nMin=sub\\min.cur\r\n"},
                  {folder + "sub\\min.cur", "cursor"}};
  const std::optional<LoadedSkin> skin = ReadFolderSkin(folder, source, HandRecords{});
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->face.width, 4);
  EXPECT_FALSE(skin->kept.empty());
  const LoadedButton& min = skin->buttons[static_cast<int>(SkinButton::Minimise)];
  // Folder buttons take the size the description gives.
  EXPECT_EQ((std::array{min.left, min.top, min.width, min.height}), (std::array{1, 2, 7, 8}));
  ASSERT_EQ(skin->cursors.loads.size(), 1u);
  EXPECT_EQ(skin->cursors.loads[0].path, folder + "sub\\min.cur");
  EXPECT_TRUE(skin->extracted.empty());

  source.files.erase(folder + "mask.bmp");
  EXPECT_FALSE(ReadFolderSkin(folder, source, HandRecords{}).has_value());
}

}  // namespace
}  // namespace tikolvo
