#include "skin/inflate.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace tikolvo {
namespace {

// Owns a z_stream set up for inflating and always releases it.
class Inflater {
 public:
  Inflater() { ok_ = inflateInit(&stream_) == Z_OK; }
  ~Inflater() {
    if (ok_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  bool ok() const { return ok_; }
  z_stream& stream() { return stream_; }

 private:
  z_stream stream_{};
  bool ok_ = false;
};

// Start near the usual ratio of pictures and text; grow by doubling.
std::size_t FirstBufferSize(std::size_t input, std::size_t max_output) {
  const std::size_t guess = std::max<std::size_t>(input * 4, 4096);
  return std::min(guess, std::max<std::size_t>(max_output, 1));
}

}  // namespace

std::optional<std::string> InflateZlib(std::string_view compressed, std::size_t max_output) {
  // zlib counts in uInt; an archive member never comes close to 4 GiB.
  if (compressed.size() > UINT_MAX) return std::nullopt;
  Inflater inflater;
  if (!inflater.ok()) return std::nullopt;
  z_stream& z = inflater.stream();
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  z.avail_in = static_cast<uInt>(compressed.size());

  std::string out(FirstBufferSize(compressed.size(), max_output), '\0');
  std::size_t produced = 0;
  for (;;) {
    if (produced == out.size()) {
      // Room for one more byte beyond the cap tells a stream that is
      // exactly max_output long from one that is longer.
      if (out.size() > max_output) return std::nullopt;
      out.resize(std::min(out.size() * 2, max_output + 1));
    }
    z.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
    z.avail_out = static_cast<uInt>(out.size() - produced);
    const int result = inflate(&z, Z_NO_FLUSH);
    produced = out.size() - z.avail_out;
    if (result == Z_STREAM_END) break;
    if (result == Z_OK) continue;
    // Z_BUF_ERROR with output room left means the input ran out early.
    if (result == Z_BUF_ERROR && z.avail_out == 0) continue;
    return std::nullopt;
  }
  if (produced > max_output) return std::nullopt;
  out.resize(produced);
  return out;
}

std::optional<std::string> DeflateZlib(std::string_view data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK) {
    return std::nullopt;
  }
  out.resize(size);
  return out;
}

}  // namespace tikolvo
