#include "audio/ogg_decoder.h"

#include "audio/ogg_packets.h"

#include <algorithm>
#include <climits>
#include <vector>

// stb_vorbis is one C file; Debian ships it as a header holding the whole
// implementation, compiled here and nowhere else. The cross build finds it
// through the stb include folder, the native one under <stb/...>.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wunused-value"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_VORBIS_NO_STDIO 1
#if __has_include(<stb_vorbis.h>)
#include <stb_vorbis.h>
#define TIKOLVO_HAVE_VORBIS 1
#elif __has_include(<stb/stb_vorbis.h>)
#include <stb/stb_vorbis.h>
#define TIKOLVO_HAVE_VORBIS 1
#endif
#pragma GCC diagnostic pop

namespace tikolvo::audio {

bool HasOggSignature(std::string_view bytes) { return bytes.substr(0, 4) == "OggS"; }

#ifdef TIKOLVO_HAVE_VORBIS

namespace {

class OggDecoder final : public PcmDecoder {
 public:
  explicit OggDecoder(std::string bytes) : bytes_(std::move(bytes)) {}
  ~OggDecoder() override {
    if (vorbis_) stb_vorbis_close(vorbis_);
  }
  OggDecoder(const OggDecoder&) = delete;
  OggDecoder& operator=(const OggDecoder&) = delete;

  // Opens the stream over the bytes this object already holds, so the
  // memory stb_vorbis reads from never moves. All of the library's memory
  // comes from an arena of ours: stb_vorbis leaks what it allocated when it
  // gives up on a damaged header, and the arena also caps what a hostile
  // file can make it take. Real files need a few hundred kilobytes.
  bool Open() {
    if (bytes_.size() > INT_MAX) return false;
    for (const int arena_size : {256 * 1024, 1024 * 1024, 4 * 1024 * 1024}) {
      arena_.assign(static_cast<std::size_t>(arena_size), 0);
      const stb_vorbis_alloc arena{arena_.data(), arena_size};
      int error = 0;
      vorbis_ = stb_vorbis_open_memory(reinterpret_cast<const unsigned char*>(bytes_.data()),
                                       static_cast<int>(bytes_.size()), &error, &arena);
      if (vorbis_ || error != VORBIS_outofmem) break;
    }
    if (!vorbis_) return false;
    const stb_vorbis_info info = stb_vorbis_get_info(vorbis_);
    // Files with more than two channels are mixed down by the library.
    format_ = PcmFormat{info.sample_rate, static_cast<std::uint16_t>(info.channels >= 2 ? 2 : 1)};
    length_ = stb_vorbis_stream_length_in_samples(vorbis_);
    return info.channels >= 1 && PlausibleSampleRate(format_.sample_rate);
  }

  PcmFormat Format() const override { return format_; }
  std::uint64_t LengthFrames() const override { return length_; }

  std::size_t Read(std::int16_t* out, std::size_t frames) override {
    const int channels = format_.channels;
    const int samples = static_cast<int>(std::min<std::size_t>(frames, INT_MAX / 2) * channels);
    const int got = stb_vorbis_get_samples_short_interleaved(vorbis_, channels, out, samples);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }

 private:
  std::string bytes_;
  std::vector<char> arena_;
  stb_vorbis* vorbis_ = nullptr;
  PcmFormat format_;
  std::uint64_t length_ = 0;
};

}  // namespace

bool OggVorbisAvailable() { return true; }

DecoderPtr OpenOggDecoder(std::string bytes) {
  if (!HasOggSignature(bytes) || !VorbisCommentsFit(bytes)) return nullptr;
  auto decoder = std::make_unique<OggDecoder>(std::move(bytes));
  if (!decoder->Open()) return nullptr;
  return decoder;
}

#else  // built without stb_vorbis

bool OggVorbisAvailable() { return false; }
DecoderPtr OpenOggDecoder(std::string) { return nullptr; }

#endif

}  // namespace tikolvo::audio
