#pragma once
// A fresh, empty program folder for one test, removed with every file in it
// at the end.
#include <windows.h>

#include <string>

#include "common/win/file_replacer.h"
#include "common/win/wide_text.h"

namespace tikolvo::test {

class ProgramFolder {
 public:
  ProgramFolder() {
    InstallWindowsFileReplacer();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = Narrow(temp) + "tikolvo_test_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter) + "\\";
    CreateDirectoryW(Widen(path_).c_str(), nullptr);
  }
  ~ProgramFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Widen(path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::wstring file = Widen(path_) + found.cFileName;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(Widen(path_).c_str());
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // With its trailing backslash.
  const std::string& path() const { return path_; }
  std::string File(const char* name) const { return path_ + name; }

 private:
  std::string path_;
};

}  // namespace tikolvo::test
