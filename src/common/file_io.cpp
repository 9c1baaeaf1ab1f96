#include "common/file_io.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace tikolvo {
namespace {

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

class StreamFileReplacer : public FileReplacer {
 public:
  bool Create(const std::string& temp) override {
    out_.open(PathOf(temp), std::ios::binary | std::ios::trunc);
    return out_.is_open();
  }
  bool Write(std::string_view bytes) override {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out_);
  }
  bool Flush() override { return static_cast<bool>(out_.flush()); }
  bool Close() override {
    out_.close();
    return !out_.fail();
  }
  bool Replace(const std::string& temp, const std::string& target) override {
    std::error_code ec;
    std::filesystem::rename(PathOf(temp), PathOf(target), ec);
    return !ec;
  }
  void Remove(const std::string& temp) override {
    std::error_code ec;
    std::filesystem::remove(PathOf(temp), ec);
  }

 private:
  std::ofstream out_;
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
  std::error_code ec;
  auto status = std::filesystem::status(PathOf(path), ec);
  if (ec || !std::filesystem::exists(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

}  // namespace

// Read in large blocks: a character at a time made reading a 1.5 MB plan.db
// a third of the scheduler's search. A folder is no file to read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(PathOf(path), ec)) return std::nullopt;
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  std::vector<char> block(64 * 1024);
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
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

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathOf(path), ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(PathOf(path), ec);
}

std::unique_ptr<FileReplacer> MakeStreamFileReplacer() { return std::make_unique<StreamFileReplacer>(); }

void SetFileReplacer(FileReplacerFactory factory) {
  Factory() = factory ? std::move(factory) : FileReplacerFactory(MakeStreamFileReplacer);
}

}  // namespace tikolvo
