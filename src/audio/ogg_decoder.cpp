#include "audio/ogg_decoder.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "audio/channel_mix.h"
#include "audio/ogg_packets.h"

// stb_vorbis is one C file; Debian ships it as a header holding the whole
// implementation, compiled here and nowhere else. The cross build finds it
// through the stb include folder, the native one under <stb/...>.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wunused-value"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_VORBIS_NO_STDIO 1
#define STB_VORBIS_NO_PULLDATA_API 1
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

constexpr std::size_t kReadStep = 64 * 1024;
// The three header packets together; real ones take a few kilobytes, a
// cover picture in the comments up to the comment packet's own cap.
constexpr std::size_t kMaxHeaderBytes = 2 * 1024 * 1024;
// Buffered audio data waiting for its packet to complete; real packets
// take a few kilobytes.
constexpr std::size_t kMaxBuffered = 4 * 1024 * 1024;
constexpr std::size_t kMaxPageBytes = 27 + 255 + 255 * 255;

std::uint64_t Little64(std::string_view bytes, std::size_t at) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < 8; ++i) value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return value;
}

// The sound's length in frames: the granule position of the stream's last
// page, found in the file's tail; 0 when it cannot be told.
std::uint64_t LengthFromLastPage(ByteSource& source) {
  const std::string first = ReadRange(source, 0, 27);
  if (first.size() < 27) return 0;
  const std::string_view serial = std::string_view(first).substr(14, 4);
  const std::uint64_t size = source.Size();
  const std::uint64_t start = size > kMaxPageBytes ? size - kMaxPageBytes : 0;
  const std::string tail = ReadRange(source, start, kMaxPageBytes);
  for (std::size_t at = tail.size() >= 27 ? tail.size() - 27 : 0; tail.size() >= 27; --at) {
    const std::string_view page = std::string_view(tail).substr(at, 27);
    if (page.substr(0, 4) == "OggS" && page[4] == 0 && page.substr(14, 4) == serial) {
      const std::uint64_t granule = Little64(page, 6);
      if (granule != ~std::uint64_t{0}) return granule < (std::uint64_t{1} << 40) ? granule : 0;
    }
    if (at == 0) break;
  }
  return 0;
}

class OggDecoder final : public PcmDecoder {
 public:
  explicit OggDecoder(SourcePtr source) : source_(std::move(source)) {}
  ~OggDecoder() override {
    if (vorbis_) stb_vorbis_close(vorbis_);
  }
  OggDecoder(const OggDecoder&) = delete;
  OggDecoder& operator=(const OggDecoder&) = delete;

  // Takes more of the file's start until the three header packets are in
  // and their comment lengths have been checked.
  bool Open() {
    for (std::size_t want = kReadStep;; want *= 2) {
      const bool all_read = !Fill(want);
      if (VorbisCommentsFit(Buffered())) {
        int error = 0;
        if (OpenVorbis(error)) break;
        if (error != VORBIS_need_more_data) return false;
      }
      if (all_read || want >= kMaxHeaderBytes) return false;
    }
    const stb_vorbis_info info = stb_vorbis_get_info(vorbis_);
    if (info.channels < 1 || !PlausibleSampleRate(info.sample_rate)) return false;
    channels_ = static_cast<unsigned>(info.channels);
    if (channels_ > 2) mix_.emplace(StereoDownmix::ForVorbis(channels_));
    format_ = PcmFormat{info.sample_rate, static_cast<std::uint16_t>(std::min(channels_, 2u))};
    length_ = LengthFromLastPage(*source_);
    return true;
  }

  PcmFormat Format() const override { return format_; }
  std::uint64_t LengthFrames() const override { return length_; }

  std::size_t Read(std::int16_t* out, std::size_t frames) override {
    std::size_t done = 0;
    while (done < frames && !finished_) {
      if (pending_at_ == pending_frames_) {
        DecodeFrame();
        continue;
      }
      const std::size_t take = std::min(frames - done, pending_frames_ - pending_at_);
      Convert(out + done * format_.channels, take);
      pending_at_ += take;
      done += take;
    }
    return done;
  }

 private:
  std::string_view Buffered() const {
    return {reinterpret_cast<const char*>(buffer_.data()) + begin_, buffer_.size() - begin_};
  }

  // Reads on until `want` bytes wait in the buffer; false when the source
  // had nothing more to give.
  bool Fill(std::size_t want) {
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(begin_));
    begin_ = 0;
    const std::size_t had = buffer_.size();
    if (had >= want) return true;
    buffer_.resize(want);
    const std::size_t got = source_->ReadAt(read_at_, buffer_.data() + had, want - had);
    buffer_.resize(had + got);
    read_at_ += got;
    return got > 0;
  }

  // All of the library's memory comes from an arena of ours: stb_vorbis
  // leaks what it allocated when it gives up on a damaged header, and the
  // arena also caps what a hostile file can make it take. Real files need
  // a few hundred kilobytes.
  bool OpenVorbis(int& error) {
    const std::string_view data = Buffered();
    if (data.size() > INT_MAX) return false;
    for (const int arena_size : {256 * 1024, 1024 * 1024, 4 * 1024 * 1024}) {
      arena_.assign(static_cast<std::size_t>(arena_size), 0);
      const stb_vorbis_alloc arena{arena_.data(), arena_size};
      int used = 0;
      vorbis_ = stb_vorbis_open_pushdata(reinterpret_cast<const unsigned char*>(data.data()),
                                         static_cast<int>(data.size()), &used, &error, &arena);
      if (vorbis_) {
        begin_ += static_cast<std::size_t>(used);
        return true;
      }
      if (error != VORBIS_outofmem) return false;
    }
    return false;
  }

  // One packet into the pending frames, or more data read when the next
  // packet is not all there yet.
  void DecodeFrame() {
    const std::string_view data = Buffered();
    int samples = 0;
    float** output = nullptr;
    const int used = stb_vorbis_decode_frame_pushdata(vorbis_, reinterpret_cast<const unsigned char*>(data.data()),
                                                      static_cast<int>(data.size()), nullptr, &output, &samples);
    begin_ += static_cast<std::size_t>(std::max(used, 0));
    if (samples > 0) {
      pending_ = output;
      pending_at_ = 0;
      pending_frames_ = static_cast<std::size_t>(samples);
      // The last page's position says where the sound ends inside its
      // last packet.
      if (length_ > 0) {
        const std::uint64_t left = length_ > decoded_ ? length_ - decoded_ : 0;
        pending_frames_ = static_cast<std::size_t>(std::min<std::uint64_t>(pending_frames_, left));
        if (left == 0) finished_ = true;
      }
      decoded_ += pending_frames_;
      return;
    }
    if (used > 0) return;  // a header or a resynchronisation: no sound yet
    // The packet is not all there: read more, but a packet longer than any
    // real one is damage, and waiting for it ends the sound.
    const std::size_t waiting = data.size();
    const std::size_t want = waiting < kReadStep ? kReadStep : waiting * 2;
    if (want > kMaxBuffered || !Fill(want)) finished_ = true;
  }

  void Convert(std::int16_t* out, std::size_t frames) {
    if (mix_) return mix_->MixPlanar(pending_, pending_at_, frames, out);
    for (std::size_t f = pending_at_; f < pending_at_ + frames; ++f)
      for (unsigned c = 0; c < channels_; ++c) *out++ = FloatToSample(pending_[c][f]);
  }

  SourcePtr source_;
  std::vector<unsigned char> buffer_;  // bytes read from the source, from begin_ on not yet used
  std::size_t begin_ = 0;
  std::uint64_t read_at_ = 0;  // the source offset the buffer ends at
  std::vector<char> arena_;
  stb_vorbis* vorbis_ = nullptr;
  unsigned channels_ = 0;
  std::optional<StereoDownmix> mix_;  // for more than two channels
  PcmFormat format_;
  std::uint64_t length_ = 0;
  std::uint64_t decoded_ = 0;  // frames of every packet decoded so far
  // The decoded packet being handed out; it lives in the library's buffers
  // until the next packet is decoded.
  float** pending_ = nullptr;
  std::size_t pending_at_ = 0;
  std::size_t pending_frames_ = 0;
  bool finished_ = false;
};

}  // namespace

bool OggVorbisAvailable() { return true; }

DecoderPtr OpenOggDecoder(SourcePtr source) {
  if (!source || !HasOggSignature(ReadRange(*source, 0, 4))) return nullptr;
  auto decoder = std::make_unique<OggDecoder>(std::move(source));
  if (!decoder->Open()) return nullptr;
  return decoder;
}

#else  // built without stb_vorbis

bool OggVorbisAvailable() { return false; }
DecoderPtr OpenOggDecoder(SourcePtr) { return nullptr; }

#endif

}  // namespace tikolvo::audio
