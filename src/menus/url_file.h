#pragma once
// The address of a ".url" internet shortcut: section "InternetShortcut",
// key "URL" of an INI text in Windows-1251; "about" when there is none.
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr const char* kMissingUrlAddress = "about";

std::string UrlFileAddress(std::string_view cp1251Bytes);

}  // namespace tikolvo
