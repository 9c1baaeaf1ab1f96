#include "common/byte_io.h"

#include <cstring>

#include "common/cp1251.h"

namespace tikolvo {

std::string_view ByteReader::Take(std::size_t count) {
  if (!ok_ || count > data_.size() - pos_) {
    ok_ = false;
    return {};
  }
  const std::string_view bytes = data_.substr(pos_, count);
  pos_ += count;
  return bytes;
}

std::uint64_t ByteReader::LittleEndian(std::size_t count) {
  const std::string_view bytes = Take(count);
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::uint8_t ByteReader::U8() { return static_cast<std::uint8_t>(LittleEndian(1)); }
std::uint16_t ByteReader::U16() { return static_cast<std::uint16_t>(LittleEndian(2)); }
std::uint32_t ByteReader::U32() { return static_cast<std::uint32_t>(LittleEndian(4)); }
std::int32_t ByteReader::I32() { return static_cast<std::int32_t>(U32()); }
std::int64_t ByteReader::I64() { return static_cast<std::int64_t>(LittleEndian(8)); }

double ByteReader::F64() {
  const std::uint64_t bits = LittleEndian(8);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string ByteReader::Bytes(std::size_t count) { return std::string(Take(count)); }

void ByteReader::Skip(std::size_t count) { Take(count); }

std::string ByteReader::ShortString(std::size_t capacity) {
  std::size_t length = U8();
  const std::string_view field = Take(capacity);
  if (!ok_) return {};
  if (length > capacity) length = capacity;
  return Cp1251ToUtf8(field.substr(0, length));
}

void ByteWriter::LittleEndian(std::uint64_t value, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    data_ += static_cast<char>(value & 0xFF);
    value >>= 8;
  }
}

void ByteWriter::U8(std::uint8_t value) { LittleEndian(value, 1); }
void ByteWriter::U16(std::uint16_t value) { LittleEndian(value, 2); }
void ByteWriter::U32(std::uint32_t value) { LittleEndian(value, 4); }
void ByteWriter::I32(std::int32_t value) { LittleEndian(static_cast<std::uint32_t>(value), 4); }
void ByteWriter::I64(std::int64_t value) { LittleEndian(static_cast<std::uint64_t>(value), 8); }

void ByteWriter::F64(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  LittleEndian(bits, 8);
}

void ByteWriter::Bytes(std::string_view bytes) { data_.append(bytes); }

void ByteWriter::Zeros(std::size_t count) { data_.append(count, '\0'); }

void ByteWriter::ShortString(std::string_view utf8, std::size_t capacity) {
  if (capacity > 255) capacity = 255;  // the length byte cannot say more
  std::string bytes = Utf8ToCp1251(utf8);
  if (bytes.size() > capacity) bytes.resize(capacity);
  U8(static_cast<std::uint8_t>(bytes.size()));
  Bytes(bytes);
  Zeros(capacity - bytes.size());
}

}  // namespace tikolvo
