#include "skin/bmp_rle.h"

#include <cstddef>

namespace tikolvo {
namespace {

class RleCanvas {
 public:
  RleCanvas(int width, int height)
      : width_(width), height_(height),
        indices_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

  // Pixels beyond the right edge or the last row are dropped, as Windows
  // does; positions saturate at the edges so hostile deltas cannot overflow.
  void Put(std::uint8_t index) {
    if (x_ < width_ && y_ < height_) indices_[static_cast<std::size_t>(y_) * width_ + x_] = index;
    if (x_ < width_) ++x_;
  }
  void EndOfLine() {
    x_ = 0;
    if (y_ < height_) ++y_;
  }
  void Move(int dx, int dy) {
    x_ = x_ + dx < width_ ? x_ + dx : width_;
    y_ = y_ + dy < height_ ? y_ + dy : height_;
  }
  bool Finished() const { return y_ >= height_; }
  std::vector<std::uint8_t> Take() { return std::move(indices_); }

 private:
  int width_;
  int height_;
  int x_ = 0;
  int y_ = 0;
  std::vector<std::uint8_t> indices_;
};

std::uint8_t Nibble(std::uint8_t byte, int i) { return (i % 2 == 0) ? byte >> 4 : byte & 0x0F; }

}  // namespace

std::optional<std::vector<std::uint8_t>> ExpandBmpRle(std::string_view data, int width, int height,
                                                      int bits_per_index) {
  RleCanvas canvas(width, height);
  const bool four_bit = bits_per_index == 4;
  std::size_t pos = 0;
  auto byte_at = [&](std::size_t i) { return static_cast<std::uint8_t>(data[i]); };
  while (pos + 2 <= data.size()) {
    const std::uint8_t count = byte_at(pos);
    const std::uint8_t value = byte_at(pos + 1);
    pos += 2;
    if (count > 0) {  // encoded run
      for (int i = 0; i < count; ++i) canvas.Put(four_bit ? Nibble(value, i) : value);
      continue;
    }
    if (value == 0) {
      canvas.EndOfLine();
    } else if (value == 1) {
      return canvas.Take();
    } else if (value == 2) {
      if (pos + 2 > data.size()) return std::nullopt;
      canvas.Move(byte_at(pos), byte_at(pos + 1));
      pos += 2;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      const std::size_t bytes = four_bit ? (value + 1u) / 2 : value;
      if (pos + bytes > data.size()) return std::nullopt;
      for (int i = 0; i < value; ++i) {
        canvas.Put(four_bit ? Nibble(byte_at(pos + i / 2), i) : byte_at(pos + i));
      }
      pos += bytes + (bytes % 2);
    }
    // Deltas and line ends past the last row mean nothing more can be drawn.
    if (canvas.Finished()) return canvas.Take();
  }
  return std::nullopt;
}

}  // namespace tikolvo
