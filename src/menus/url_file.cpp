#include "menus/url_file.h"

#include "common/ini_document.h"

namespace tikolvo {

std::string UrlFileAddress(std::string_view cp1251Bytes) {
  return IniDocument::Parse(cp1251Bytes).ReadString("InternetShortcut", "URL", kMissingUrlAddress);
}

}  // namespace tikolvo
