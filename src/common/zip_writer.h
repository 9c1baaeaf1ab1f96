#pragma once
// A zip archive built in memory: each file deflated with zlib, then the
// central directory. Enough for the workbooks the logs export.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

class ByteWriter;

class ZipWriter {
 public:
  void Add(std::string_view name, std::string_view content);
  // The whole archive; the writer is empty afterwards.
  std::string Finish();

 private:
  struct Entry {
    std::string name;
    std::uint32_t crc = 0;
    std::uint32_t packedSize = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
  };
  static void WriteSharedFields(ByteWriter& out, const Entry& entry);

  std::string bytes_;
  std::vector<Entry> entries_;
};

}  // namespace tikolvo
