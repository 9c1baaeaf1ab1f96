#include "scheduler/task_row.h"

#include "common/text_record.h"

namespace tikolvo {

std::string TaskRowText(std::string_view name, std::int32_t id) {
  std::string row(name);
  row += kHeadSeparator;
  row += std::to_string(id);
  return row;
}

std::int32_t TaskIdOfRow(std::string_view row) {
  const std::size_t separator = row.rfind(kHeadSeparator);
  if (separator == std::string_view::npos) return 0;
  return TailNumber(row.substr(separator));
}

std::string TaskNameOfRow(std::string_view row) {
  const std::size_t separator = row.rfind(kHeadSeparator);
  if (separator == std::string_view::npos) return {};
  return std::string(row.substr(0, separator));
}

}  // namespace tikolvo
