#pragma once
// The two connection log files share one layout: a 9-byte header, then
// fixed-size records with nothing between them. A file is loaded whole and
// saved whole (atomically); the header is copied as found, a partial record
// at the end is ignored, and readers never judge the header.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

inline constexpr std::size_t kLogHeaderSize = 9;

// 4, "TKDB", then the bytes 23, 32, 125, 1.
std::string LogFileHeader();

struct LogFileBytes {
  std::string header;                // as found; the standard one for a file shorter than it
  std::vector<std::string> records;  // each exactly the record size
};

// Nothing when the file cannot be read.
std::optional<LogFileBytes> LoadLogFile(const std::string& path, std::size_t recordSize);
LogFileBytes ParseLogFile(std::string_view bytes, std::size_t recordSize);
bool SaveLogFile(const std::string& path, const LogFileBytes& file);

// The same with the records decoded.
template <typename Record>
struct LogRecords {
  std::string header;
  std::vector<Record> records;
};

template <typename Record, typename Parse>
std::optional<LogRecords<Record>> LoadLogRecords(const std::string& path, std::size_t recordSize, Parse parse) {
  std::optional<LogFileBytes> file = LoadLogFile(path, recordSize);
  if (!file) return std::nullopt;
  LogRecords<Record> loaded{std::move(file->header), {}};
  loaded.records.reserve(file->records.size());
  for (const std::string& bytes : file->records) loaded.records.push_back(parse(bytes));
  return loaded;
}

template <typename Record, typename Encode>
bool SaveLogRecords(const std::string& path, const LogRecords<Record>& log, Encode encode) {
  LogFileBytes file{log.header, {}};
  file.records.reserve(log.records.size());
  for (const Record& record : log.records) file.records.push_back(encode(record));
  return SaveLogFile(path, file);
}

}  // namespace tikolvo
