#include "skin/member_name.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(SkinMemberName, KeepsOrdinaryNamesAsTheyAre) {
  for (const char* name : {"config.cfg", "hint.bmp", "Power.bmp2", "a b.cur", "скин.bmp", "..hidden", "com10.bmp",
                           "console.bmp", "lpt0"}) {
    EXPECT_EQ(SafeMemberName(name), name);
  }
}

TEST(SkinMemberName, DropsFoldersDrivesAndStreams) {
  EXPECT_EQ(SafeMemberName("..\\..\\Windows\\system.ini"), "system.ini");
  EXPECT_EQ(SafeMemberName("../x/../../y.cfg"), "y.cfg");
  EXPECT_EQ(SafeMemberName("C:\\boot.ini"), "boot.ini");
  EXPECT_EQ(SafeMemberName("C:boot.ini"), "boot.ini");
  EXPECT_EQ(SafeMemberName("\\\\server\\share\\f.bmp"), "f.bmp");
  EXPECT_EQ(SafeMemberName("hint.bmp:secret"), "secret");
}

TEST(SkinMemberName, TrimsWhatWindowsWouldTrimAndRefusesWhatIsLeftUnusable) {
  EXPECT_EQ(SafeMemberName("main.bmp. . "), "main.bmp");
  for (const char* name : {"", ".", "..", "...", " ", "a/", "a\\..", "C:", "CON", "con.txt", "Nul .bmp", "COM1",
                           "lpt9.cfg", "CONOUT$", "a?b", "a*b", "a|b", "a<b", "a\"b", "tab\there"}) {
    EXPECT_EQ(SafeMemberName(name), "") << name;
  }
}

}  // namespace
}  // namespace tikolvo
