#include "skin/resource_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

constexpr std::uint32_t kHigh = 0x80000000u;

// A resource section laid out by hand: root (types) -> names -> languages
// -> data entries, then the name strings. Names are given in the order the
// linker wrote them, which need not be the system's order.
class SectionBuilder {
 public:
  struct Resource {
    std::string name;
    std::uint32_t rva;
    std::uint32_t size;
  };

  std::string Build(const std::string& type, const std::vector<Resource>& resources, std::uint16_t idEntries = 0) {
    const std::uint32_t n = static_cast<std::uint32_t>(resources.size());
    const std::uint32_t names = 16 + 8;
    const std::uint32_t languages = names + 16 + 8 * (n + idEntries);
    const std::uint32_t data = languages + n * (16 + 8);
    std::uint32_t strings = data + n * 16;

    ByteWriter out;
    Directory(out, 1, 0);
    out.U32(kHigh | StringOffset(strings, type));
    out.U32(kHigh | names);
    Directory(out, static_cast<std::uint16_t>(n), idEntries);
    for (std::uint32_t i = 0; i < n; ++i) {
      out.U32(kHigh | StringOffset(strings, resources[i].name));
      out.U32(kHigh | (languages + i * 24));
    }
    for (std::uint16_t i = 0; i < idEntries; ++i) {
      out.U32(100u + i);  // a numbered resource: no name to match
      out.U32(kHigh | languages);
    }
    for (std::uint32_t i = 0; i < n; ++i) {
      Directory(out, 0, 1);
      out.U32(0x0409);
      out.U32(data + i * 16);
    }
    for (const Resource& r : resources) {
      out.U32(r.rva);
      out.U32(r.size);
      out.U32(0);
      out.U32(0);
    }
    out.Bytes(strings_);
    return out.data();
  }

 private:
  static void Directory(ByteWriter& out, std::uint16_t named, std::uint16_t ids) {
    out.Zeros(12);
    out.U16(named);
    out.U16(ids);
  }

  // Appends a counted UTF-16 string and returns where it starts.
  std::uint32_t StringOffset(std::uint32_t base, const std::string& text) {
    const std::uint32_t at = base + static_cast<std::uint32_t>(strings_.size());
    ByteWriter s;
    s.U16(static_cast<std::uint16_t>(text.size()));
    for (char c : text) s.U16(static_cast<unsigned char>(c));
    strings_ += s.data();
    return at;
  }

  std::string strings_;
};

TEST(ResourceDirectory, FindsNamesInWhateverOrderTheLinkerLeftThem) {
  SectionBuilder builder;
  // Lower-case order ("_" before the letters), as the linker sorts merged
  // resources: the system's halving search misses one of these two.
  const std::string section =
      builder.Build("RESS", {{"BITMAP_IL_M", 0x1000, 10}, {"BITMAP_ILSYSTEM", 0x2000, 20}, {"SKIN", 0x3000, 30}});
  const auto strip = FindNamedResource(section, "RESS", "BITMAP_ILSYSTEM");
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->rva, 0x2000u);
  EXPECT_EQ(strip->size, 20u);
  const auto editor = FindNamedResource(section, "ress", "bitmap_il_m");  // case does not matter
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->rva, 0x1000u);
  EXPECT_EQ(FindNamedResource(section, "RESS", "SKIN")->size, 30u);
}

TEST(ResourceDirectory, MissingNamesAndOtherTypesGiveNothing) {
  SectionBuilder builder;
  const std::string section = builder.Build("RESS", {{"BITMAP_LOGO", 0x1000, 10}}, 2);
  EXPECT_FALSE(FindNamedResource(section, "RESS", "BITMAP_LOG"));
  EXPECT_FALSE(FindNamedResource(section, "RESS", "BITMAP_LOGO_"));
  EXPECT_FALSE(FindNamedResource(section, "BITMAP", "BITMAP_LOGO"));
  EXPECT_FALSE(FindNamedResource(section, "RESS", "100"));  // numbered entries have no name
  EXPECT_TRUE(FindNamedResource(section, "RESS", "BITMAP_LOGO"));
}

TEST(ResourceDirectory, DamagedSectionsGiveNothingInsteadOfReadingBeyondThem) {
  SectionBuilder builder;
  const std::string section = builder.Build("RESS", {{"BITMAP_LOGO", 0x1000, 10}});
  // Cut anywhere before the name string ends, the resource cannot be found.
  for (std::size_t cut = 0; cut < section.size(); ++cut)
    EXPECT_FALSE(FindNamedResource(section.substr(0, cut), "RESS", "BITMAP_LOGO")) << cut;

  // An entry pointing far outside the section.
  std::string wild = section;
  wild[16 + 4 + 3] = static_cast<char>(0xFF);  // the type entry's subdirectory offset
  wild[16 + 4 + 2] = static_cast<char>(0xFF);
  EXPECT_FALSE(FindNamedResource(wild, "RESS", "BITMAP_LOGO"));
  EXPECT_FALSE(FindNamedResource("", "RESS", "BITMAP_LOGO"));
}

}  // namespace
}  // namespace tikolvo
