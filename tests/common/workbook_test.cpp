#include "common/workbook.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>

namespace tikolvo {
namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

// Reads the archive the way an unzipper does, from its central directory,
// and checks every member's CRC.
std::map<std::string, std::string> Unzip(const std::string& zip) {
  std::map<std::string, std::string> files;
  const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
  EXPECT_NE(end, std::string::npos);
  std::size_t at = U32(zip, end + 16);
  for (int i = 0, n = U16(zip, end + 10); i < n; ++i) {
    EXPECT_EQ(U32(zip, at), 0x02014B50u);
    const std::uint32_t crc = U32(zip, at + 16), packed = U32(zip, at + 20), size = U32(zip, at + 24);
    const std::string name = zip.substr(at + 46, U16(zip, at + 28));
    const std::size_t local = U32(zip, at + 42);
    const std::size_t data = local + 30 + U16(zip, local + 26) + U16(zip, local + 28);
    std::string content(size, '\0');
    z_stream stream{};
    inflateInit2(&stream, -MAX_WBITS);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
    stream.avail_in = packed;
    stream.next_out = reinterpret_cast<Bytef*>(content.data());
    stream.avail_out = size;
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END) << name;
    inflateEnd(&stream);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(content.data()), size), crc) << name;
    files[name] = content;
    at += 46 + name.size() + U16(zip, at + 30) + U16(zip, at + 32);
  }
  return files;
}

TEST(Workbook, ATableBecomesAnArchiveOfTypedCellsWithAFrozenBoldHeader) {
  Table table;
  table.header = {"№", "Начало", "Время", "Название"};
  table.rows = {{TableCell::Number(1, "1"), TableCell::Date(46000.5, "08.12.25"),
                 TableCell::Duration(1.5, "36:00:00"), TableCell::Text("Дом & <Офис>")}};
  const std::map<std::string, std::string> files = Unzip(WorkbookBytes(table, "Лог"));
  ASSERT_EQ(files.size(), 6u);
  const std::string& sheet = files.at("xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<c r=\"A2\"><v>1</v></c>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"B2\" s=\"2\"><v>46000.5</v></c>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"C2\" s=\"3\"><v>1.5</v></c>"), std::string::npos);
  EXPECT_NE(sheet.find("Дом &amp; &lt;Офис&gt;"), std::string::npos);
  EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"A1\" s=\"1\""), std::string::npos);
  EXPECT_NE(files.at("xl/workbook.xml").find("name=\"Лог\""), std::string::npos);
}

}  // namespace
}  // namespace tikolvo
