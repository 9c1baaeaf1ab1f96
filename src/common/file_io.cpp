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

bool RenameReplacing(const std::string& from, const std::string& to) {
  std::error_code ec;
  std::filesystem::rename(PathOf(from), PathOf(to), ec);
  return !ec;
}

FileReplacer& Replacer() {
  static FileReplacer replacer = RenameReplacing;
  return replacer;
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
  {
    std::ofstream out(PathOf(temp), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      std::filesystem::remove(PathOf(temp), ec);
      return false;
    }
  }
  if (Replacer()(temp, path)) return true;
  std::error_code ec;
  std::filesystem::remove(PathOf(temp), ec);
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

void SetFileReplacer(FileReplacer replacer) {
  Replacer() = replacer ? std::move(replacer) : FileReplacer(RenameReplacing);
}

}  // namespace tikolvo
