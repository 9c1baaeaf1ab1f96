#pragma once
// The text reports of the logs: Windows-1251 lines ending with CR LF,
// replacing the file whole.
#include <cstddef>
#include <string>
#include <vector>

namespace tikolvo {

std::string TextReportBytes(const std::vector<std::string>& lines);

// Characters of a UTF-8 text (a character is one byte in the file).
std::size_t CharCount(const std::string& text);
// A cell fitted to `width` characters: cut when it has as many or more;
// otherwise right-aligned with one blank after it.
std::string FitCell(const std::string& text, std::size_t width);
// "|" + each cell fitted to its width + "|" ...
std::string TableLine(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths);
bool SaveTextReport(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tikolvo
