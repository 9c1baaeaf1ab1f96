#include <gtest/gtest.h>

#include "skin/skin_list.h"
#include "memory_skin_files.h"
#include "skin_bytes.h"

namespace tikolvo {
namespace {

using test::ArchiveBytes;
using test::Bmp24;
using test::MemoryFiles;

constexpr int kPreviewSlot = 7;

TEST(SkinList, EachKindOfLineLoadsAndRemembersItsOwnForm) {
  const SkinListEntry layered = ParseSkinListEntry("C:\\Tik\\skins\\new\\Glass.tks||+");
  EXPECT_EQ(layered.kind, SkinEntryKind::Layered);
  EXPECT_EQ(SkinListText(2, layered), "3. Glass.tks");
  const SkinAcceptance archive = AcceptSkinEntry(layered, "C:\\Tik\\");
  EXPECT_EQ(archive.loadPath, "C:\\Tik\\skins\\new\\Glass.tks");
  EXPECT_EQ(archive.stored, archive.loadPath) << "an archive is remembered by its full path";
  EXPECT_EQ(ParseSkinListEntry("D:\\plain.tks||*").kind, SkinEntryKind::Archive);

  const SkinListEntry folder = ParseSkinListEntry("wood");
  EXPECT_EQ(folder.kind, SkinEntryKind::Folder);
  EXPECT_EQ(SkinListText(0, folder), "1. wood");
  const SkinAcceptance unpacked = AcceptSkinEntry(folder, "C:\\Tik\\");
  EXPECT_EQ(unpacked.loadPath, "C:\\Tik\\skins\\wood\\");
  EXPECT_EQ(unpacked.stored, "wood") << "a folder skin is remembered by its name";
}

TEST(SkinList, PreviewComesFromTheArchiveOrTheFolderShotAndNeverThrows) {
  MemoryFiles disk;
  ArchiveBytes archive;
  archive.AddMember(kPreviewSlot, "shot.bmp", Bmp24(3, 2, std::vector<std::uint32_t>(6, 0x102030)));
  disk.files["C:\\s\\a.tks"] = archive.bytes;
  const std::optional<Picture> packed = ReadSkinPreview(ParseSkinListEntry("C:\\s\\a.tks||*"), "C:\\", disk);
  ASSERT_TRUE(packed);
  EXPECT_EQ(packed->width, 3);

  disk.files["C:\\s\\cut.tks"] = archive.bytes.substr(0, archive.bytes.size() - 5);
  EXPECT_FALSE(ReadSkinPreview(ParseSkinListEntry("C:\\s\\cut.tks||*"), "C:\\", disk));
  EXPECT_FALSE(ReadSkinPreview(ParseSkinListEntry("C:\\s\\gone.tks||*"), "C:\\", disk));
  EXPECT_FALSE(ReadSkinPreview(ParseSkinListEntry("C:\\s\\plain.tks||*"), "C:\\", disk));

  disk.files["C:\\skins\\wood\\shot.jpg"] = "not even a JPEG";
  EXPECT_FALSE(ReadSkinPreview(ParseSkinListEntry("wood"), "C:\\", disk));
  disk.files["C:\\skins\\wood\\shot.bmp"] = Bmp24(5, 1, std::vector<std::uint32_t>(5, 0));
  const std::optional<Picture> shot = ReadSkinPreview(ParseSkinListEntry("wood"), "C:\\", disk);
  ASSERT_TRUE(shot) << "shot.bmp comes before shot.jpg";
  EXPECT_EQ(shot->width, 5);
}

TEST(SkinList, OnlyAnArchiveThatReadsWholeWithAFaceIsInstalled) {
  constexpr int kFaceSlot = 10;
  ArchiveBytes archive;
  archive.AddMember(kPreviewSlot, "shot.bmp", Bmp24(2, 2, std::vector<std::uint32_t>(4, 0)));
  EXPECT_FALSE(IsInstallableSkinArchive(archive.bytes)) << "no face to show";
  archive.AddMember(kFaceSlot, "main.bmp", Bmp24(4, 4, std::vector<std::uint32_t>(16, 0x808080)));
  EXPECT_TRUE(IsInstallableSkinArchive(archive.bytes));
  EXPECT_FALSE(IsInstallableSkinArchive(archive.bytes.substr(0, archive.bytes.size() - 3)));
  EXPECT_FALSE(IsInstallableSkinArchive(archive.bytes.substr(0, 600))) << "cut inside the directory";
}

}  // namespace
}  // namespace tikolvo
