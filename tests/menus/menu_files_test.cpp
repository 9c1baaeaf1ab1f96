// Both list files against bytes built by hand from the documented layouts.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "menus/menu_files.h"
#include "menu_test_helpers.h"

namespace tikolvo {
namespace {

const std::string kNotepadCp1251 = "\xc1\xeb\xee\xea\xed\xee\xf2";  // "Блокнот"

TEST(MenuFiles, ProgramRecordsReadInFileOrderSkippingFreeOnes) {
  const std::string file = HandMenuFile(3, {HandProgramRecord("C:\\w\\notepad.exe", kNotepadCp1251, "/a"),
                                            HandProgramRecord("x", "free", "", 0),
                                            HandProgramRecord(":Disconnect", "-", "kept")});
  ASSERT_EQ(file.size(), 4u + 3 * 769);
  const std::vector<ProgramRecord> records = DecodeProgramMenu(file);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], (ProgramRecord{0, "C:\\w\\notepad.exe", "Блокнот", "/a"}));
  EXPECT_EQ(records[1], (ProgramRecord{2, ":Disconnect", "-", "kept"}));
  EXPECT_EQ(MenuLines(records), (std::vector<std::string>{"Блокнот||C:\\w\\notepad.exe][/a", "-||:Disconnect][kept"}));
}

TEST(MenuFiles, CountThatDisagreesWithTheSizeReadsTheWholeRecordsThatAreThere) {
  const std::string two = HandProgramRecord("a", "A", "") + HandProgramRecord("b", "B", "");
  for (const std::int32_t count : {7, 1, -3, 0}) {
    const std::string file = HandMenuFile(count, {two}, std::string(300, 'x'));  // and a truncated third record
    EXPECT_EQ(DecodeProgramMenu(file).size(), 2u) << count;
  }
  const std::string web = HandMenuFile(-1, {HandWebRecord("http://a", "A")}, std::string(512, '\x01'));
  ASSERT_EQ(DecodeWebMenu(web).size(), 1u);
  EXPECT_EQ(DecodeWebMenu(web)[0], (WebRecord{0, "http://a", "A"}));
  EXPECT_TRUE(DecodeWebMenu("\x01\x00").empty());
}

TEST(MenuFiles, ListIsWrittenWholeEveryRecordValidTextsCutTo255Bytes) {
  const std::string longName(300, 'n');
  const std::string programs = EncodeMenuFile(LauncherKind::kPrograms, {"-||p][q", "Блокнот||C:\\n.exe][ "});
  EXPECT_EQ(programs, HandMenuFile(2, {HandProgramRecord("p", "-", "q"),
                                       HandProgramRecord("C:\\n.exe", kNotepadCp1251, " ")}));
  const std::string web = EncodeMenuFile(LauncherKind::kWeb, {longName + "||Почта<=>x", "Г<=>В||http://h/?a||b"});
  EXPECT_EQ(web, HandMenuFile(2, {HandWebRecord("\xcf\xee\xf7\xf2\xe0<=>x", std::string(255, 'n')),
                                  HandWebRecord("http://h/?a||b", "\xc3<=>\xc2")}));
}

class MenuFileFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("tikolvo_menus_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

TEST_F(MenuFileFolder, MissingFilesAreCreatedWithOneFreeRecordAndKeptOnceThere) {
  const std::string programs = Path(kProgramMenuFileName), web = Path(kWebMenuFileName);
  ASSERT_TRUE(EnsureMenuFile(programs, LauncherKind::kPrograms));
  ASSERT_TRUE(EnsureMenuFile(web, LauncherKind::kWeb));
  EXPECT_EQ(ReadWholeFile(programs), HandMenuFile(1, {std::string(769, '\0')}));
  EXPECT_EQ(ReadWholeFile(web), HandMenuFile(1, {std::string(513, '\0')}));
  EXPECT_TRUE(LoadProgramMenu(programs)->empty());

  ASSERT_TRUE(SaveMenuFile(web, LauncherKind::kWeb, {"A||http://a"}));
  ASSERT_TRUE(EnsureMenuFile(web, LauncherKind::kWeb));
  EXPECT_EQ(MenuLines(*LoadWebMenu(web)), std::vector<std::string>{"A||http://a"});
  EXPECT_FALSE(LoadWebMenu(Path("gone.db")).has_value());
}

}  // namespace
}  // namespace tikolvo
