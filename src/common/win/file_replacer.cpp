#include "common/win/file_replacer.h"

#include <windows.h>

#include <string>

#include "common/file_io.h"
#include "common/win/wide_text.h"

namespace tikolvo {

bool ReplaceFileWriteThrough(const char* fromUtf8, const char* toUtf8) {
  return MoveFileExW(Widen(fromUtf8).c_str(), Widen(toUtf8).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void InstallWindowsFileReplacer() {
  SetFileReplacer([](const std::string& from, const std::string& to) {
    return ReplaceFileWriteThrough(from.c_str(), to.c_str());
  });
}

}  // namespace tikolvo
