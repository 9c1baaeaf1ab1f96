#include "common/win/file_replacer.h"

#include <windows.h>

#include <string>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

class WindowsFileReplacer : public FileReplacer {
 public:
  ~WindowsFileReplacer() override { Close(); }

  bool Create(const std::string& temp) override {
    file_ = CreateFileW(Widen(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
    return file_ != INVALID_HANDLE_VALUE;
  }

  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD chunk = bytes.size() > kChunk ? kChunk : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
      bytes.remove_prefix(written);
    }
    return true;
  }

  bool Flush() override { return FlushFileBuffers(file_) != 0; }

  bool Close() override {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = CloseHandle(file_) != 0;
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }

  bool Replace(const std::string& temp, const std::string& target) override {
    return ReplaceFileWriteThrough(temp.c_str(), target.c_str());
  }

  void Remove(const std::string& temp) override { DeleteFileW(Widen(temp).c_str()); }

 private:
  static constexpr DWORD kChunk = 1u << 20;
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

bool ReplaceFileWriteThrough(const char* fromUtf8, const char* toUtf8) {
  return MoveFileExW(Widen(fromUtf8).c_str(), Widen(toUtf8).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::unique_ptr<FileReplacer> MakeWindowsFileReplacer() { return std::make_unique<WindowsFileReplacer>(); }

void InstallWindowsFileReplacer() { SetFileReplacer(MakeWindowsFileReplacer); }

}  // namespace tikolvo
