#pragma once
// The text reports of the logs: Windows-1251 lines ending with CR LF,
// replacing the file whole.
#include <string>
#include <vector>

namespace tikolvo {

std::string TextReportBytes(const std::vector<std::string>& lines);
bool SaveTextReport(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tikolvo
