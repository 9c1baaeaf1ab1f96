#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tikolvo {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tikolvo_file_io_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(Path("plan.db"), fs::perms::owner_all, ec);
    fs::remove_all(folder_, ec);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

TEST_F(FileIo, SaveReplacesContentAndLeavesNoTemporaryFile) {
  const std::string path = Path("plan.db");
  ASSERT_TRUE(SaveFileAtomically(path, "old content that is longer"));
  ASSERT_TRUE(SaveFileAtomically(path, std::string("new\0bytes", 9)));
  EXPECT_EQ(ReadWholeFile(path), std::string("new\0bytes", 9));
  EXPECT_FALSE(fs::exists(path + ".tmp~"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileIo, ReadOnlyTargetKeepsItsContent) {
  const std::string path = Path("plan.db");
  ASSERT_TRUE(SaveFileAtomically(path, "kept"));
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(SaveFileAtomically(path, "lost"));
  EXPECT_EQ(ReadWholeFile(path), "kept");
  EXPECT_FALSE(fs::exists(path + ".tmp~"));
}

TEST_F(FileIo, MissingFolderFailsQuietly) {
  const std::string path = Path("no/such/folder/config.cfg");
  EXPECT_FALSE(SaveFileAtomically(path, "x"));
  EXPECT_EQ(ReadWholeFile(path), std::nullopt);
  EXPECT_FALSE(FileExists(path));
}

TEST_F(FileIo, FailedReplaceRemovesTheTemporaryFile) {
  const std::string path = Path("work.db");
  ASSERT_TRUE(SaveFileAtomically(path, "before"));
  SetFileReplacer([](const std::string&, const std::string&) { return false; });
  EXPECT_FALSE(SaveFileAtomically(path, "after"));
  SetFileReplacer(nullptr);
  EXPECT_EQ(ReadWholeFile(path), "before");
  EXPECT_FALSE(fs::exists(path + ".tmp~"));
}

TEST_F(FileIo, ExistenceTestsTellFilesFromFolders) {
  const std::string file = Path("Сообщения.db");  // UTF-8 names work
  ASSERT_TRUE(SaveFileAtomically(file, ""));
  EXPECT_EQ(ReadWholeFile(file), "");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_TRUE(FolderExists(folder_.string()));
  EXPECT_FALSE(FileExists(folder_.string()));
  EXPECT_FALSE(FolderExists(Path("missing")));
}

}  // namespace
}  // namespace tikolvo

namespace tikolvo {
namespace {

TEST(FileIoRead, ReadsLargeFilesWholeAndRefusesFolders) {
  const fs::path folder = fs::temp_directory_path() / "tikolvo_file_io_read";
  fs::create_directories(folder);
  std::string bytes(200 * 1024 + 17, '\0');  // several read blocks and a part
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
  const std::string path = (folder / "big.bin").string();
  ASSERT_TRUE(SaveFileAtomically(path, bytes));
  EXPECT_EQ(ReadWholeFile(path), bytes);
  ASSERT_TRUE(SaveFileAtomically(path, ""));
  EXPECT_EQ(ReadWholeFile(path), std::string());
  EXPECT_EQ(ReadWholeFile(folder.string()), std::nullopt);
  EXPECT_EQ(ReadWholeFile((folder / "missing").string()), std::nullopt);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tikolvo
