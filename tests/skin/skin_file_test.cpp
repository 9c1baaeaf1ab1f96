#include "skin/skin_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/file_io.h"
#include "skin/tks_archive.h"
#include "skin_bytes.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;

class SkinFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tikolvo_skin_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "temp");
    temp_ = (root_ / "temp").string() + "/";
    archive_path_ = (root_ / "skin.tks").string();
  }
  void TearDown() override { fs::remove_all(root_); }

  void Write(const std::string& bytes) { std::ofstream(archive_path_, std::ios::binary) << bytes; }
  std::size_t FilesUnderRoot() const {
    std::size_t n = 0;
    for (const auto& item : fs::recursive_directory_iterator(root_)) n += item.is_regular_file() ? 1 : 0;
    return n;
  }

  fs::path root_;
  std::string temp_;
  std::string archive_path_;
};

TEST_F(SkinFileTest, MissingArchiveGivesEveryOperationItsEmptyResult) {
  EXPECT_EQ(ReadSkinType(archive_path_), 0);
  EXPECT_FALSE(IsMemberPresent(archive_path_, member_kind::kFace));
  const TksEntry entry = ReadEntry(archive_path_, member_kind::kFace);
  EXPECT_EQ(entry.data_offset, 0u);
  EXPECT_EQ(entry.kind_flag, 1u);
  EXPECT_EQ(entry.transparent_colour, 0xFFFFFFu);
  EXPECT_EQ(entry.stored_size, 0u);
  EXPECT_FALSE(entry.present);
  Picture target;
  target.width = 7;
  EXPECT_FALSE(LoadPicture(archive_path_, member_kind::kFace, target));
  EXPECT_EQ(target.width, 7);
  EXPECT_EQ(ExtractMember(archive_path_, member_kind::kDescription, temp_), "");
  EXPECT_EQ(ExtractConfiguration(archive_path_, SkinConfigFile::kDescription, temp_), "");
}

TEST_F(SkinFileTest, ReadsTypeEntryAndPictureFromTheFile) {
  ArchiveBytes archive(3);
  archive.AddMember(13, "WHT.bmp", test::Bmp24(1, 1, {0x123456}), {.transparent = 0x0000FF});
  Write(archive.bytes);
  EXPECT_EQ(ReadSkinType(archive_path_), 3);
  EXPECT_TRUE(IsMemberPresent(archive_path_, member_kind::kDayPicture));
  EXPECT_FALSE(IsMemberPresent(archive_path_, member_kind::kNightPicture));
  EXPECT_EQ(ReadEntry(archive_path_, member_kind::kDayPicture).name, "WHT.bmp");

  Picture target;
  target.width = 99;
  EXPECT_FALSE(LoadPicture(archive_path_, member_kind::kNightPicture, target));
  EXPECT_EQ(target.width, 99);  // absent member: unchanged
  ASSERT_TRUE(LoadPicture(archive_path_, member_kind::kDayPicture, target));
  EXPECT_EQ(target.width, 1);
  EXPECT_EQ(target.pixels.at(0), 0x123456u);
  EXPECT_EQ(target.transparent_colour, 0x0000FFu);
}

TEST_F(SkinFileTest, ExtractsConfigurationFilesUnderTheirStoredNamesReplacingOldOnes) {
  ArchiveBytes archive;
  archive.AddMember(6, "config.cfg", "[Clock]\r\nRecX1=5\r\n");
  archive.AddMember(15, "cursors.cfg", "[CUR]\r\n");
  Write(archive.bytes);
  std::ofstream(temp_ + "config.cfg") << "stale content from the previous skin";

  EXPECT_EQ(ExtractConfiguration(archive_path_, SkinConfigFile::kDescription, temp_), temp_ + "config.cfg");
  EXPECT_EQ(ReadWholeFile(temp_ + "config.cfg"), "[Clock]\r\nRecX1=5\r\n");
  EXPECT_EQ(ExtractConfiguration(archive_path_, SkinConfigFile::kCursors, temp_), temp_ + "cursors.cfg");
  EXPECT_EQ(ReadWholeFile(temp_ + "cursors.cfg"), "[CUR]\r\n");
}

TEST_F(SkinFileTest, AbsentConfigurationExtractsNothing) {
  ArchiveBytes archive;
  archive.AddMember(6, "config.cfg", "left in an empty slot", {.present = false});
  Write(archive.bytes);
  EXPECT_EQ(ExtractConfiguration(archive_path_, SkinConfigFile::kDescription, temp_), "");
  EXPECT_FALSE(FileExists(temp_ + "config.cfg"));
}

TEST_F(SkinFileTest, MemberNamesCannotWriteOutsideTheTemporaryFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"..\\..\\evil.cfg", "evil.cfg"}, {"../../evil2.cfg", "evil2.cfg"},
      {"C:\\Windows\\win.ini", "win.ini"}, {"D:boot.ini", "boot.ini"}, {"/etc/passwd", "passwd"}};
  for (const auto& [stored, written] : cases) {
    ArchiveBytes archive;
    archive.AddMember(16, stored, "payload");
    Write(archive.bytes);
    EXPECT_EQ(ExtractMember(archive_path_, member_kind::kFirstExtra, temp_), temp_ + written) << stored;
  }
  for (const std::string stored : {"..", "sub/..", "CON", "nul.txt", ""}) {
    ArchiveBytes archive;
    archive.AddMember(16, stored, "payload");
    Write(archive.bytes);
    EXPECT_EQ(ExtractMember(archive_path_, member_kind::kFirstExtra, temp_), "") << stored;
  }
  // Only the archive and the five bare names exist anywhere under the root.
  EXPECT_EQ(FilesUnderRoot(), 1u + 5u);
}

TEST_F(SkinFileTest, DamagedArchiveFileRaises) {
  ArchiveBytes archive;
  archive.AddMember(6, "config.cfg", "text");
  Write(archive.bytes.substr(0, archive.bytes.size() - 3));
  EXPECT_THROW(ExtractConfiguration(archive_path_, SkinConfigFile::kDescription, temp_), SkinArchiveError);
  EXPECT_FALSE(FileExists(temp_ + "config.cfg"));
  Write("TKS");
  EXPECT_THROW(ReadSkinType(archive_path_), SkinArchiveError);
}

}  // namespace
}  // namespace tikolvo
