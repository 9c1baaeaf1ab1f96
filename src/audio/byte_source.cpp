#include "audio/byte_source.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "common/file_io.h"

namespace tikolvo::audio {
namespace {

class OwnedBytes final : public BytesView {
 public:
  explicit OwnedBytes(std::string bytes) : BytesView({}), bytes_(std::move(bytes)) { Reset(bytes_); }

 private:
  std::string bytes_;
};

// 64-bit offsets: a WAVE file may be up to 4 GB.
int SeekTo(std::FILE* file, std::uint64_t offset) {
#ifdef _WIN32
  return fseeko64(file, static_cast<long long>(offset), SEEK_SET);
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET);
#endif
}

std::uint64_t SizeOf(std::FILE* file) {
#ifdef _WIN32
  if (fseeko64(file, 0, SEEK_END) != 0) return 0;
  const long long size = ftello64(file);
#else
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  const off_t size = ftello(file);
#endif
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

class FileSource final : public ByteSource {
 public:
  FileSource(std::FILE* file, std::uint64_t size) : file_(file), size_(size), position_(size) {}
  ~FileSource() override { std::fclose(file_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }

  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    if (offset >= size_ || count == 0) return 0;
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    // Reading on from where the last read ended keeps the library's buffer.
    if (offset != position_ && SeekTo(file_, offset) != 0) return 0;
    const std::size_t got = std::fread(buffer, 1, count, file_);
    position_ = offset + got;
    if (got < count) {
      std::clearerr(file_);
      position_ = size_ + 1;  // unknown: seek before the next read
    }
    return got;
  }

 private:
  std::FILE* file_;
  std::uint64_t size_;
  std::uint64_t position_;  // where the file stands now
};

class Window final : public ByteSource {
 public:
  Window(SourcePtr whole, std::uint64_t offset, std::uint64_t size) : whole_(std::move(whole)) {
    const std::uint64_t total = whole_->Size();
    offset_ = std::min(offset, total);
    size_ = std::min(size, total - offset_);
  }
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    if (offset >= size_) return 0;
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    return whole_->ReadAt(offset_ + offset, buffer, count);
  }

 private:
  SourcePtr whole_;
  std::uint64_t offset_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace

std::string ReadRange(ByteSource& source, std::uint64_t offset, std::size_t count) {
  const std::uint64_t size = source.Size();
  if (offset >= size) return {};
  std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(count, size - offset)), '\0');
  bytes.resize(source.ReadAt(offset, bytes.data(), bytes.size()));
  return bytes;
}

std::size_t BytesView::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (offset >= bytes_.size()) return 0;
  const std::size_t take = std::min<std::size_t>(count, bytes_.size() - static_cast<std::size_t>(offset));
  std::memcpy(buffer, bytes_.data() + offset, take);
  return take;
}

SourcePtr MemorySource(std::string bytes) { return std::make_unique<OwnedBytes>(std::move(bytes)); }

SourcePtr OpenFileSource(const std::string& path) {
  std::FILE* file = OpenFileForReading(path);
  if (!file) return nullptr;
  return std::make_unique<FileSource>(file, SizeOf(file));
}

SourcePtr SubSource(SourcePtr whole, std::uint64_t offset, std::uint64_t size) {
  if (!whole) return nullptr;
  return std::make_unique<Window>(std::move(whole), offset, size);
}

}  // namespace tikolvo::audio
