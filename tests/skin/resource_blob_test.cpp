#include "skin/resource_blob.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "skin/tks_archive.h"
#include "skin_bytes.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;

TEST(SkinResource, PictureAndImageStripComeFromZlibStreamsOfBmpFiles) {
  const std::string strip = test::Zlib(test::Bmp24(4, 2, std::vector<std::uint32_t>(8, 0x00FF00)));
  const std::string mask = test::Zlib(test::Bmp24(4, 2, std::vector<std::uint32_t>(8, 0xFFFFFF)));
  const auto picture = ResourceToPicture(strip);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->At(3, 1), 0x00FF00u);

  const auto list = ResourceToImageStrip(strip, mask);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->mask.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(list->IconCount(2), 2);
  EXPECT_EQ(list->IconCount(3), 1);
  EXPECT_EQ(list->IconCount(0), 0);

  const std::string other_size = test::Zlib(test::Bmp24(2, 2, std::vector<std::uint32_t>(4, 0)));
  EXPECT_FALSE(ResourceToImageStrip(strip, other_size));
  EXPECT_FALSE(ResourceToImageStrip(strip, "not zlib"));
  EXPECT_FALSE(ResourceToPicture(test::Zlib("not a bitmap")));
}

TEST(SkinResource, BuiltInSkinIsWrittenOutIntoANewSkinsFolder) {
  const fs::path root = fs::temp_directory_path() / "tikolvo_resource_test";
  fs::remove_all(root);
  test::ArchiveBytes skin;
  skin.AddMember(6, "config.cfg", "[Clock]\r\n");
  const std::string path = (root / "skins" / "default.tks").string();

  ASSERT_TRUE(ResourceToFile(test::Zlib(skin.bytes), path));
  const auto written = ReadWholeFile(path);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, skin.bytes);
  EXPECT_EQ(TksArchive(*written).Member(9), "[Clock]\r\n");

  // A damaged resource leaves the existing file alone.
  EXPECT_FALSE(ResourceToFile("damaged", path));
  EXPECT_EQ(ReadWholeFile(path), skin.bytes);
  fs::remove_all(root);
}

}  // namespace
}  // namespace tikolvo
