#include "common/file_io.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "common/cp1251.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

// Plain C library calls rather than file streams or std::filesystem: those
// pull the whole locale machinery of the C++ library into the exe. On
// Windows the wide-character forms take the path, so names outside the
// system code page work.
namespace tikolvo {
namespace {

#ifdef _WIN32
using NativePath = std::wstring;
using FileStatus = struct _stati64;  // in every msvcrt.dll, unlike _stat64

NativePath PathOf(const std::string& utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    pos += DecodeUtf8(utf8, pos, cp);
    if (cp >= 0x10000) {
      wide.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
      wide.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      wide.push_back(static_cast<wchar_t>(cp));
    }
  }
  return wide;
}

std::FILE* Open(const NativePath& path, bool write) { return _wfopen(path.c_str(), write ? L"wb" : L"rb"); }
// The C library finds no folder named with a trailing separator, except a
// drive's root ("C:\\").
bool Status(NativePath path, FileStatus& status) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') && path[path.size() - 2] != L':')
    path.pop_back();
  return _wstati64(path.c_str(), &status) == 0;
}
bool Remove(const NativePath& path) { return _wremove(path.c_str()) == 0; }
void MakeFolder(const NativePath& path) { _wmkdir(path.c_str()); }
bool IsFolder(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFDIR; }
bool IsFile(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
bool IsWritable(const FileStatus& status) { return (status.st_mode & _S_IWRITE) != 0; }

// The C library's rename does not replace an existing file here. The exe
// installs the one-step replacement of the Windows layer; this default only
// serves tools and tests that install nothing.
bool Rename(const NativePath& from, const NativePath& to) {
  if (_wrename(from.c_str(), to.c_str()) == 0) return true;
  return Remove(to) && _wrename(from.c_str(), to.c_str()) == 0;
}
#else
using NativePath = std::string;
using FileStatus = struct stat;

const NativePath& PathOf(const std::string& utf8) { return utf8; }
std::FILE* Open(const NativePath& path, bool write) { return std::fopen(path.c_str(), write ? "wb" : "rb"); }
bool Status(const NativePath& path, FileStatus& status) { return stat(path.c_str(), &status) == 0; }
bool Remove(const NativePath& path) { return std::remove(path.c_str()) == 0; }
void MakeFolder(const NativePath& path) { mkdir(path.c_str(), 0777); }
bool IsFolder(const FileStatus& status) { return S_ISDIR(status.st_mode); }
bool IsFile(const FileStatus& status) { return S_ISREG(status.st_mode); }
bool IsWritable(const FileStatus& status) { return (status.st_mode & S_IWUSR) != 0; }
bool Rename(const NativePath& from, const NativePath& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
#endif

// The C library's own file calls; Flush hands the bytes to the system.
class StreamFileReplacer : public FileReplacer {
 public:
  ~StreamFileReplacer() override {
    if (file_) std::fclose(file_);
  }
  bool Create(const std::string& temp) override {
    file_ = Open(PathOf(temp), true);
    return file_ != nullptr;
  }
  bool Write(std::string_view bytes) override {
    return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  }
  bool Flush() override { return file_ && std::fflush(file_) == 0; }
  bool Close() override {
    if (!file_) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }
  bool Replace(const std::string& temp, const std::string& target) override {
    return Rename(PathOf(temp), PathOf(target));
  }
  void Remove(const std::string& temp) override { tikolvo::Remove(PathOf(temp)); }

 private:
  std::FILE* file_ = nullptr;
};

FileReplacerFactory& Factory() {
  static FileReplacerFactory factory = MakeStreamFileReplacer;
  return factory;
}

// The temporary file reaches the disk whole before it takes the target's
// place; whatever step fails, the target keeps its old content.
bool WriteAndReplace(FileReplacer& steps, const std::string& temp, const std::string& path,
                     std::string_view bytes) {
  if (!steps.Create(temp)) return false;
  const bool written = steps.Write(bytes) && steps.Flush();
  const bool closed = steps.Close();
  return written && closed && steps.Replace(temp, path);
}

bool IsReadOnly(const std::string& path) {
  FileStatus status{};
  return Status(PathOf(path), status) && !IsWritable(status);
}

}  // namespace

// Read in large blocks: a character at a time made reading a 1.5 MB plan.db
// a third of the scheduler's search. A folder is no file to read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (FolderExists(path)) return std::nullopt;
  std::FILE* file = Open(PathOf(path), false);
  if (!file) return std::nullopt;
  constexpr std::size_t kBlock = 64 * 1024;
  std::string bytes;
  std::size_t size = 0, got = 0;
  do {
    bytes.resize(size + kBlock);
    got = std::fread(bytes.data() + size, 1, kBlock, file);
    size += got;
  } while (got == kBlock);
  bytes.resize(size);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

bool SaveFileAtomically(const std::string& path, std::string_view bytes) {
  // A read-only target keeps its content: replacing it by rename would
  // silently defeat the user's protection on systems that allow it.
  if (IsReadOnly(path)) return false;
  const std::string temp = path + ".tmp~";
  const std::unique_ptr<FileReplacer> steps = Factory()();
  if (WriteAndReplace(*steps, temp, path, bytes)) return true;
  steps->Remove(temp);
  return false;
}

std::FILE* OpenFileForReading(const std::string& path) {
  return FolderExists(path) ? nullptr : Open(PathOf(path), false);
}

bool FileExists(const std::string& path) {
  FileStatus status{};
  return Status(PathOf(path), status) && IsFile(status);
}

bool FolderExists(const std::string& path) {
  FileStatus status{};
  return Status(PathOf(path), status) && IsFolder(status);
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t end = 1; end < folder.size(); ++end)
    if (folder[end] == '/' || folder[end] == '\\') MakeFolder(PathOf(folder.substr(0, end)));
  if (!folder.empty()) MakeFolder(PathOf(folder));
  return FolderExists(folder);
}

std::unique_ptr<FileReplacer> MakeStreamFileReplacer() { return std::make_unique<StreamFileReplacer>(); }

void SetFileReplacer(FileReplacerFactory factory) {
  Factory() = factory ? std::move(factory) : FileReplacerFactory(MakeStreamFileReplacer);
}

}  // namespace tikolvo
