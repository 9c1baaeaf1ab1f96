#include "common/font_list.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(FontList, SortedWithoutRegardToCaseEachFamilyOnce) {
  // Families come once per character set and in the system's own order.
  const std::vector<std::string> enumerated{"Tahoma", "arial black", "Arial", "MS Sans Serif", "Arial",
                                            "Tahoma", "ARIAL",       "Courier New"};
  EXPECT_EQ(SortedFontNames(enumerated),
            (std::vector<std::string>{"ARIAL", "arial black", "Courier New", "MS Sans Serif", "Tahoma"}));
}

TEST(FontList, SidewaysVariantsAndEmptyNamesLeftOut) {
  EXPECT_EQ(SortedFontNames({"@MS Mincho", "MS Mincho", "", "@"}), (std::vector<std::string>{"MS Mincho"}));
  EXPECT_TRUE(SortedFontNames({}).empty());
}

TEST(FontList, OrderDoesNotDependOnEnumerationOrder) {
  const std::vector<std::string> a = SortedFontNames({"Шрифт", "Verdana", "arial", "Arial Narrow"});
  const std::vector<std::string> b = SortedFontNames({"Arial Narrow", "arial", "Шрифт", "Verdana"});
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.back(), "Шрифт");  // non-ASCII names after the Latin ones
}

TEST(FontList, IndexAndNameLookUp) {
  const std::vector<std::string> fonts{"Arial", "MS Sans Serif", "Tahoma"};
  EXPECT_EQ(FontIndexOf(fonts, "MS Sans Serif"), 1);
  EXPECT_EQ(FontIndexOf(fonts, "ms sans serif"), -1);  // the stored name must match exactly
  EXPECT_EQ(FontIndexOf(fonts, "Wingdings"), -1);
  EXPECT_EQ(FontNameAt(fonts, 2), "Tahoma");
  EXPECT_EQ(FontNameAt(fonts, 3), "");
  EXPECT_EQ(FontNameAt(fonts, -1), "");
}

}  // namespace
}  // namespace tikolvo
