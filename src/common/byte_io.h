#pragma once
// Field-by-field access to the little-endian binary record files. The reader
// never reads past its data: the first failed read sets a sticky flag and it
// and every later read return zero values, so a parser checks ok() once at
// the end of a record instead of after every field.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tikolvo {

class ByteReader {
 public:
  explicit ByteReader(std::string_view data) : data_(data) {}
  // The reader only views its data: a temporary string would be gone before
  // the first read.
  explicit ByteReader(std::string&&) = delete;
  explicit ByteReader(const char* literal) : data_(literal) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::int32_t I32();
  std::int64_t I64();
  double F64();  // IEEE 754 double
  std::string Bytes(std::size_t count);
  void Skip(std::size_t count);

  // A short string field: one length byte, then `capacity` bytes of CP1251
  // of which the first `length` count (a length beyond the capacity is
  // clamped). Returns the text as UTF-8; always consumes 1 + capacity bytes.
  std::string ShortString(std::size_t capacity);

  bool ok() const { return ok_; }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

 private:
  // The next `count` bytes, or an empty view after a failure.
  std::string_view Take(std::size_t count);
  std::uint64_t LittleEndian(std::size_t count);

  std::string_view data_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  void U8(std::uint8_t value);
  void U16(std::uint16_t value);
  void U32(std::uint32_t value);
  void I32(std::int32_t value);
  void I64(std::int64_t value);
  void F64(double value);
  void Bytes(std::string_view bytes);
  void Zeros(std::size_t count);

  // Converts the UTF-8 text to CP1251, cuts it to `capacity` bytes, writes
  // the length byte and the bytes padded with zeros to the capacity.
  void ShortString(std::string_view utf8, std::size_t capacity);

  const std::string& data() const { return data_; }
  std::string Take() { return std::move(data_); }

 private:
  void LittleEndian(std::uint64_t value, std::size_t count);

  std::string data_;
};

}  // namespace tikolvo
