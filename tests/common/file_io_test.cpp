#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

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

// The stream replacer with one step made to fail: the first `failAt` steps
// work, that one fails, the rest are done for real again.
class FailingReplacer : public FileReplacer {
 public:
  explicit FailingReplacer(int failAt) : failAt_(failAt), real_(MakeStreamFileReplacer()) {}
  bool Create(const std::string& temp) override { return Next() && real_->Create(temp); }
  bool Write(std::string_view bytes) override { return Next() && real_->Write(bytes); }
  bool Flush() override { return Next() && real_->Flush(); }
  bool Close() override { return real_->Close() && Next(); }
  bool Replace(const std::string& temp, const std::string& target) override {
    return Next() && real_->Replace(temp, target);
  }
  void Remove(const std::string& temp) override { real_->Remove(temp); }

 private:
  bool Next() { return step_++ != failAt_; }
  int failAt_;
  int step_ = 0;
  std::unique_ptr<FileReplacer> real_;
};

TEST_F(FileIo, AFailureAtAnyStepKeepsTheOldFileAndLeavesNoTemporary) {
  const std::string path = Path("work.db");
  ASSERT_TRUE(SaveFileAtomically(path, "before"));
  int failAt = 0;
  for (;; ++failAt) {
    ASSERT_LT(failAt, 20);
    SetFileReplacer([failAt] { return std::make_unique<FailingReplacer>(failAt); });
    const bool saved = SaveFileAtomically(path, "after, and longer");
    SetFileReplacer(nullptr);
    if (saved) break;
    EXPECT_EQ(ReadWholeFile(path), "before") << "step " << failAt;
    EXPECT_FALSE(fs::exists(path + ".tmp~")) << "step " << failAt;
  }
  EXPECT_EQ(ReadWholeFile(path), "after, and longer");
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

namespace tikolvo {
namespace {

// A disk that keeps only what reached it: written bytes stay in the
// system's cache until flushed, and a replace with write-through puts the
// new name on the disk at once. Windows refuses to move an open file.
struct ModelDisk {
  struct File {
    std::string cached;
    std::string durable;
    bool open = false;
  };
  std::vector<File> files;
  std::map<std::string, std::size_t> names;
  std::map<std::string, std::size_t> namesOnDisk;

  std::optional<std::string> AfterPowerCut(const std::string& name) const {
    const auto found = namesOnDisk.find(name);
    if (found == namesOnDisk.end()) return std::nullopt;
    return files[found->second].durable;
  }
};

// Every step after the power cut fails and changes nothing.
class PowerCutReplacer : public FileReplacer {
 public:
  PowerCutReplacer(ModelDisk& disk, int stepsBeforeCut) : disk_(disk), left_(stepsBeforeCut) {}
  bool Create(const std::string& temp) override {
    if (!Powered()) return false;
    disk_.files.push_back({"", "", true});
    open_ = disk_.files.size() - 1;
    disk_.names[temp] = open_;
    return true;
  }
  bool Write(std::string_view bytes) override { return Powered() && (disk_.files[open_].cached += bytes, true); }
  bool Flush() override { return Powered() && (disk_.files[open_].durable = disk_.files[open_].cached, true); }
  bool Close() override { return Powered() && !(disk_.files[open_].open = false); }
  bool Replace(const std::string& temp, const std::string& target) override {
    if (!Powered() || !disk_.names.count(temp) || disk_.files[disk_.names[temp]].open) return false;
    disk_.names[target] = disk_.names[temp];
    disk_.names.erase(temp);
    disk_.namesOnDisk = disk_.names;
    return true;
  }
  void Remove(const std::string& temp) override {
    if (Powered()) disk_.names.erase(temp);
  }

 private:
  bool Powered() { return left_-- > 0; }
  ModelDisk& disk_;
  int left_;
  std::size_t open_ = 0;
};

TEST(FileSaveInterrupted, APowerCutAfterAnyStepLeavesTheOldFileOrTheNewOne) {
  const std::string target = "C:\\Tikolvo\\plan.db";
  for (int steps = 0; steps <= 6; ++steps) {
    ModelDisk disk;
    disk.files.push_back({"old tasks", "old tasks", false});
    disk.names[target] = 0;
    disk.namesOnDisk = disk.names;
    SetFileReplacer([&disk, steps] { return std::make_unique<PowerCutReplacer>(disk, steps); });
    const bool saved = SaveFileAtomically(target, "new tasks");
    SetFileReplacer(nullptr);
    const std::optional<std::string> left = disk.AfterPowerCut(target);
    EXPECT_TRUE(left == "old tasks" || left == "new tasks") << "cut after " << steps << " steps";
    if (saved) {
      EXPECT_EQ(left, "new tasks");
    }
  }
}

}  // namespace
}  // namespace tikolvo
