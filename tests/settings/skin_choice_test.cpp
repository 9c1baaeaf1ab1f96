#include "settings/skin_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"

namespace tikolvo {
namespace {

const std::string kFolder = "C:\\Tikolvo\\";

TEST(SkinChoice, MissingFileOrKeyMeansTheDefaultFolderSkin) {
  SkinChoice choice = ReadCurrentSkin(IniDocument(), kFolder);
  EXPECT_EQ(choice, (SkinChoice{"default", false, "C:\\Tikolvo\\skins\\default\\", "default"}));
  EXPECT_EQ(ReadCurrentSkinFile("/nonexistent/skin.cfg", kFolder).stored, "default");
}

TEST(SkinChoice, NameWithoutArchiveExtensionIsAFolderUnderSkins) {
  SkinChoice choice = ReadCurrentSkin(IniDocument::Parse("[skin]\r\ncurrent=Blue.zip\r\n"), kFolder);
  EXPECT_FALSE(choice.isArchive);
  EXPECT_EQ(choice.path, "C:\\Tikolvo\\skins\\Blue.zip\\");
  EXPECT_EQ(choice.name, "Blue.zip");
}

TEST(SkinChoice, ArchiveExtensionInAnyCaseIsAFullArchivePath) {
  SkinChoice lower = SkinChoiceFromStored("D:\\My skins\\Night.tks", kFolder);
  EXPECT_EQ(lower, (SkinChoice{"D:\\My skins\\Night.tks", true, "D:\\My skins\\Night.tks", "Night.tks"}));
  SkinChoice upper = SkinChoiceFromStored("D:\\My skins\\Night.TKS", kFolder);
  EXPECT_TRUE(upper.isArchive);
  EXPECT_EQ(upper.name, "Night.TKS");
  EXPECT_FALSE(SkinChoiceFromStored("D:\\skins.tks\\Night", kFolder).isArchive)
      << "only the file name's extension counts";
}

TEST(SkinChoice, SavedChoiceReadsBackAndKeepsOtherKeys) {
  const auto folder = std::filesystem::temp_directory_path() / "tikolvo_skin_choice";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "skin.cfg").string();
  ASSERT_TRUE(SaveFileAtomically(path, "[Skin]\r\nCurrent=old\r\nOther=1\r\n"));
  ASSERT_TRUE(SaveCurrentSkinFile(path, "C:\\Tikolvo\\skins\\Осень.tks"));
  EXPECT_EQ(ReadCurrentSkinFile(path, kFolder).name, "Осень.tks");
  EXPECT_EQ(LoadIniFile(path).ReadString("Skin", "Other", ""), "1");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tikolvo
