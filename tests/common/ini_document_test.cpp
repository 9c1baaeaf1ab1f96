#include "common/ini_document.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"

namespace tikolvo {
namespace {

TEST(IniNames, SectionAndKeyMatchWithoutRegardToCase) {
  IniDocument doc = IniDocument::Parse("[soundCT]\r\nHour=05\r\n");
  EXPECT_EQ(doc.ReadString("SoundCT", "hour", "00"), "05");
  doc.WriteString("SOUNDCT", "HOUR", "07");
  EXPECT_EQ(doc.SectionNames(), std::vector<std::string>{"soundCT"});
  EXPECT_EQ(doc.Serialize(), "[soundCT]\r\nHour=07\r\n");
}

TEST(IniNames, FirstOccurrenceOfDuplicatesIsReadAndWritten) {
  IniDocument doc = IniDocument::Parse("[A]\nk=1\nk=2\n[a]\nk=3\nz=4\n");
  EXPECT_EQ(doc.ReadInteger("a", "K", 0), 1);
  EXPECT_FALSE(doc.HasKey("A", "z")) << "a key of the second duplicate section is not seen";
  doc.WriteInteger("A", "k", 9);
  EXPECT_EQ(doc.Serialize(), "[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\nz=4\r\n");
}

TEST(IniParse, WhitespaceAroundNamesAndValuesIsIgnored) {
  IniDocument doc = IniDocument::Parse("  [ Name ]  \n  Cur  =  two words  \n");
  EXPECT_EQ(doc.ReadString("Name", "Cur", ""), "two words");
}

TEST(IniParse, QuotedValueLosesItsQuotes) {
  IniDocument doc = IniDocument::Parse("[S]\nv=\"  spaced  \"\nn='5'\nmixed='x\"\nlone=\"\n");
  EXPECT_EQ(doc.ReadString("S", "v", ""), "  spaced  ");
  EXPECT_EQ(doc.ReadInteger("S", "n", 0), 5);
  EXPECT_EQ(doc.ReadString("S", "mixed", ""), "'x\"");  // quotes that do not match stay
  EXPECT_EQ(doc.ReadString("S", "lone", ""), "\"");
}

TEST(IniParse, LfCrLfAndCrLineEndsAllSplitLines) {
  for (const char* text : {"[S]\na=1\nb=2", "[S]\r\na=1\r\nb=2\r\n", "[S]\ra=1\rb=2\r"}) {
    IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.ReadInteger("S", "a", 0), 1) << text;
    EXPECT_EQ(doc.ReadInteger("S", "b", 0), 2) << text;
  }
}

TEST(IniParse, CommentLinesAndKeysBeforeAnyHeaderAreNotKeysOfASection) {
  IniDocument doc = IniDocument::Parse("x=1\n[S]\n;a=1\n");
  EXPECT_FALSE(doc.HasKey("S", ";a"));
  EXPECT_FALSE(doc.HasKey("S", "a"));
  EXPECT_EQ(doc.Serialize(), "x=1\r\n[S]\r\n;a=1\r\n");
}

TEST(IniParse, BytesAreWindows1251) {
  // "Все" in Windows-1251.
  IniDocument doc = IniDocument::Parse("[Name]\r\nCur=\xC2\xF1\xE5\r\n");
  EXPECT_EQ(doc.ReadString("Name", "Cur", ""), "Все");
}

TEST(IniRead, MissingKeyGivesDefaultButEmptyValueStaysEmpty) {
  IniDocument doc = IniDocument::Parse("[alarm]\nOd=\n");
  EXPECT_EQ(doc.ReadString("alarm", "Od", "C:\\Prog\\"), "");
  EXPECT_EQ(doc.ReadString("alarm", "Ods", "C:\\Prog\\"), "C:\\Prog\\");
  EXPECT_EQ(doc.ReadString("Other", "Od", "dflt"), "dflt");
}

TEST(IniRead, IntegersAcceptDecimalAndBothHexPrefixes) {
  IniDocument doc = IniDocument::Parse(
      "[I]\ndec=-42\ndollar=$1F\nzerox=0x1f\nbig=$FFFFFFFF\nneghex=-$10\nplus=+7\n");
  EXPECT_EQ(doc.ReadInteger("I", "dec", 0), -42);
  EXPECT_EQ(doc.ReadInteger("I", "dollar", 0), 31);
  EXPECT_EQ(doc.ReadInteger("I", "zerox", 0), 31);
  EXPECT_EQ(doc.ReadInteger("I", "big", 0), -1);
  EXPECT_EQ(doc.ReadInteger("I", "neghex", 0), -16);
  EXPECT_EQ(doc.ReadInteger("I", "plus", 0), 7);
}

TEST(IniRead, TextThatIsNotANumberGivesTheDefault) {
  IniDocument doc = IniDocument::Parse(
      "[I]\nword=abc\nempty=\ntail=12x\nspace=1 2\nfloat=1.5\nhuge=2147483648\n"
      "longhex=$123456789\nbare=$\nsign=-\n");
  for (const char* key : {"word", "empty", "tail", "space", "float", "huge", "longhex", "bare", "sign"})
    EXPECT_EQ(doc.ReadInteger("I", key, 77), 77) << key;
  EXPECT_EQ(ParseIniInteger("-2147483648"), std::optional<int>(-2147483647 - 1));
}

TEST(IniRead, BoolIsZeroFalseAnyOtherIntegerTrue) {
  IniDocument doc = IniDocument::Parse("[B]\nzero=0\nfive=5\nneg=-1\nhex=$0\nword=yes\n");
  EXPECT_FALSE(doc.ReadBool("B", "zero", true));
  EXPECT_TRUE(doc.ReadBool("B", "five", false));
  EXPECT_TRUE(doc.ReadBool("B", "neg", false));
  EXPECT_FALSE(doc.ReadBool("B", "hex", true));
  EXPECT_TRUE(doc.ReadBool("B", "word", true));
  EXPECT_FALSE(doc.ReadBool("B", "word", false));
}

TEST(IniWrite, NewSectionsAppearInOrderOfFirstWriteAndNewKeysAtTheirSectionEnd) {
  IniDocument doc;
  doc.WriteBool("Inter", "Menu", true);
  doc.WriteInteger("Pos", "Top", 384);
  doc.WriteBool("inter", "Up", false);
  doc.WriteString("Name", "Cur", "x");
  EXPECT_EQ(doc.Serialize(), "[Inter]\r\nMenu=1\r\nUp=0\r\n[Pos]\r\nTop=384\r\n[Name]\r\nCur=x\r\n");
}

TEST(IniWrite, NewKeyGoesAfterTheLastKeyBeforeTrailingComments) {
  IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\n\r\n; next\r\n[B]\r\n");
  doc.WriteString("A", "n", "2");
  EXPECT_EQ(doc.Serialize(), "[A]\r\nk=1\r\nn=2\r\n\r\n; next\r\n[B]\r\n");
}

TEST(IniWrite, UnknownLinesKeysAndSectionsSurvive) {
  const std::string original =
      "; written by hand\r\n[Inter]\r\nMenu=0\r\nMine = keep me \r\n[Custom]\r\ngarbage line\r\nz=1\r\n";
  IniDocument doc = IniDocument::Parse(original);
  doc.WriteBool("Inter", "Menu", true);
  doc.WriteBool("Inter", "Up", true);
  EXPECT_EQ(doc.Serialize(),
            "; written by hand\r\n[Inter]\r\nMenu=1\r\nMine = keep me \r\nUp=1\r\n"
            "[Custom]\r\ngarbage line\r\nz=1\r\n");
}

TEST(IniWrite, LineBreaksInsideAValueCannotSplitTheLine) {
  IniDocument doc;
  doc.WriteString("S", "v", "a\r\n[Evil]\nb");
  IniDocument reread = IniDocument::Parse(doc.Serialize());
  EXPECT_FALSE(reread.HasSection("Evil"));
  EXPECT_EQ(reread.ReadString("S", "v", ""), "a  [Evil] b");
}

TEST(IniWrite, CyrillicValueIsStoredAsWindows1251) {
  IniDocument doc;
  doc.WriteString("Name", "Cur", "Все");
  EXPECT_EQ(doc.Serialize(), "[Name]\r\nCur=\xC2\xF1\xE5\r\n");
}

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("tikolvo_ini_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(folder_ / "config.cfg", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
  }
  std::string PathOf(const char* name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

TEST_F(IniFileTest, MissingFileIsAnEmptyDocument) {
  IniDocument doc = LoadIniFile(PathOf("absent.cfg"));
  EXPECT_TRUE(doc.SectionNames().empty());
  EXPECT_EQ(doc.ReadInteger("Pos", "Top", 5), 5);
}

TEST_F(IniFileTest, SavedFileHoldsWindows1251BytesWithCrLf) {
  IniDocument doc;
  doc.WriteString("CAL", "name", "Щит");
  ASSERT_TRUE(SaveIniFile(PathOf("config.cfg"), doc));
  EXPECT_EQ(ReadWholeFile(PathOf("config.cfg")), std::optional<std::string>("[CAL]\r\nname=\xD9\xE8\xF2\r\n"));
}

TEST_F(IniFileTest, ReadOnlyFileKeepsItsContent) {
  const std::string path = PathOf("config.cfg");
  ASSERT_TRUE(SaveFileAtomically(path, "[Pos]\r\nTop=1\r\n"));
  std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  IniDocument doc = LoadIniFile(path);
  doc.WriteInteger("Pos", "Top", 2);
  EXPECT_FALSE(SaveIniFile(path, doc));
  EXPECT_EQ(LoadIniFile(path).ReadInteger("Pos", "Top", 0), 1);
}

}  // namespace
}  // namespace tikolvo
