#include "netlog/report_file.h"

#include "common/cp1251.h"
#include "common/file_io.h"

namespace tikolvo {

std::string TextReportBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

bool SaveTextReport(const std::string& path, const std::vector<std::string>& lines) {
  return SaveFileAtomically(path, TextReportBytes(lines));
}

}  // namespace tikolvo
