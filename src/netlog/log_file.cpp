#include "netlog/log_file.h"

#include "common/file_io.h"

namespace tikolvo {

std::string LogFileHeader() { return std::string("\x04TKDB\x17\x20\x7D\x01", kLogHeaderSize); }

LogFileBytes ParseLogFile(std::string_view bytes, std::size_t recordSize) {
  LogFileBytes file;
  if (bytes.size() < kLogHeaderSize) {
    file.header = LogFileHeader();
    return file;
  }
  file.header = std::string(bytes.substr(0, kLogHeaderSize));
  for (std::size_t at = kLogHeaderSize; recordSize > 0 && bytes.size() - at >= recordSize; at += recordSize)
    file.records.emplace_back(bytes.substr(at, recordSize));
  return file;
}

std::optional<LogFileBytes> LoadLogFile(const std::string& path, std::size_t recordSize) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ParseLogFile(*bytes, recordSize);
}

bool SaveLogFile(const std::string& path, const LogFileBytes& file) {
  std::string bytes = file.header;
  for (const std::string& record : file.records) bytes += record;
  return SaveFileAtomically(path, bytes);
}

}  // namespace tikolvo
