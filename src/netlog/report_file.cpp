#include "netlog/report_file.h"

#include "common/cp1251.h"
#include "common/file_io.h"

namespace tikolvo {

std::string TextReportBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

std::size_t CharCount(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string FitCell(const std::string& text, std::size_t width) {
  const std::size_t chars = CharCount(text);
  if (chars >= width) {
    std::size_t end = 0, taken = 0;
    while (end < text.size() && taken < width) {
      ++end;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      ++taken;
    }
    return text.substr(0, end);
  }
  return std::string(width - chars - 1, ' ') + text + " ";
}

std::string TableLine(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths) {
  std::string line = "|";
  for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) line += FitCell(cells[i], widths[i]) + "|";
  return line;
}

bool SaveTextReport(const std::string& path, const std::vector<std::string>& lines) {
  return SaveFileAtomically(path, TextReportBytes(lines));
}

}  // namespace tikolvo
