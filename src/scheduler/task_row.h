#pragma once
// Lists that show tasks carry the task's id in the row text: name + "||" +
// decimal id. The commands take the id back from that text.
//
// The split is at the last "||": the id never contains one, so a name the
// user typed with "||" in it still leads back to its task.
#include <cstdint>
#include <string>
#include <string_view>

namespace tikolvo {

std::string TaskRowText(std::string_view name, std::int32_t id);

// The id after the separator, blanks trimmed; 0 without a separator or when
// the text there is not a number.
std::int32_t TaskIdOfRow(std::string_view row);

// The name before the separator; "" without one.
std::string TaskNameOfRow(std::string_view row);

}  // namespace tikolvo
