// Any bytes as Connect.db and as log_web.db: reading never fails or reads
// past the data, whole records only are taken, and every record written
// back has its exact size; once written, a name reads back unchanged (the
// first pass may turn a byte Windows-1251 leaves unassigned into "?").
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "netlog/connection_records.h"
#include "netlog/log_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

template <typename Parse, typename Encode>
void ReadAndWriteBack(std::string_view bytes, std::size_t size, Parse parse, Encode encode) {
  const tikolvo::LogFileBytes file = tikolvo::ParseLogFile(bytes, size);
  Check(file.header.size() == tikolvo::kLogHeaderSize);
  const std::size_t body = bytes.size() < tikolvo::kLogHeaderSize ? 0 : bytes.size() - tikolvo::kLogHeaderSize;
  Check(file.records.size() == body / size);
  for (const std::string& record : file.records) {
    const auto once = parse(encode(parse(record)));
    const std::string written = encode(once);
    Check(written.size() == size);
    Check(parse(written).name == once.name);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ReadAndWriteBack(bytes, tikolvo::kConnectionRecordSize, tikolvo::ParseConnectionRecord,
                   tikolvo::EncodeConnectionRecord);
  ReadAndWriteBack(bytes, tikolvo::kSessionRecordSize, tikolvo::ParseSessionRecord, tikolvo::EncodeSessionRecord);
  return 0;
}
