#pragma once
// Where a decoder takes its bytes from: a file read piece by piece as the
// sound plays, or a block already in memory (a sound of the bank). A sound
// file is never read whole, so a long one neither costs its size in memory
// nor keeps the clock waiting while it loads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tikolvo::audio {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  virtual std::uint64_t Size() const = 0;

  // Copies up to `count` bytes from `offset` into `buffer`; returns how many
  // it copied: fewer at the end, and none past it or when reading fails.
  virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
};

using SourcePtr = std::unique_ptr<ByteSource>;

// Up to `count` bytes from `offset` as a string (shorter at the end).
std::string ReadRange(ByteSource& source, std::uint64_t offset, std::size_t count);

// Bytes the caller keeps alive for as long as the source is used.
class BytesView : public ByteSource {
 public:
  explicit BytesView(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override;

 protected:
  void Reset(std::string_view bytes) { bytes_ = bytes; }

 private:
  std::string_view bytes_;
};

// A memory block the source owns.
SourcePtr MemorySource(std::string bytes);

// The file at a UTF-8 path, kept open until the source is destroyed;
// nothing when it cannot be opened.
SourcePtr OpenFileSource(const std::string& path);

// The bytes [offset, offset + size) of another source, clamped to its end:
// a sound stored inside a container, such as MP3 frames in a WAVE file.
SourcePtr SubSource(SourcePtr whole, std::uint64_t offset, std::uint64_t size);

}  // namespace tikolvo::audio
