#include "audio/mp3_decoder.h"

#ifdef TIKOLVO_WITH_MPG123

#include <mpg123.h>
#include <sys/types.h>

#include <algorithm>
#include <cstring>

namespace tikolvo::audio {
namespace {

// libmpg123 reads through these callbacks, piece by piece as it decodes.
class SourceInput {
 public:
  explicit SourceInput(SourcePtr source) : source_(std::move(source)) {}

  static mpg123_ssize_t ReadFor(void* self, void* buffer, std::size_t count) {
    return static_cast<SourceInput*>(self)->Read(buffer, count);
  }
  static off_t SeekFor(void* self, off_t offset, int whence) {
    return static_cast<SourceInput*>(self)->Seek(offset, whence);
  }

 private:
  mpg123_ssize_t Read(void* buffer, std::size_t count) {
    const std::size_t got = source_->ReadAt(position_, buffer, count);
    position_ += got;
    return static_cast<mpg123_ssize_t>(got);
  }

  off_t Seek(off_t offset, int whence) {
    const long long size = static_cast<long long>(source_->Size());
    const long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<long long>(position_) : size;
    const long long target = base + offset;
    if (target < 0 || target > size) return -1;
    position_ = static_cast<std::uint64_t>(target);
    return static_cast<off_t>(position_);
  }

  SourcePtr source_;
  std::uint64_t position_ = 0;
};

bool LibraryReady() {
  static const bool ready = mpg123_init() == MPG123_OK;  // needed by old versions, harmless on new ones
  return ready;
}

class Mp3Decoder final : public PcmDecoder {
 public:
  explicit Mp3Decoder(SourcePtr source) : input_(std::move(source)) {}
  ~Mp3Decoder() override {
    if (handle_) {
      mpg123_close(handle_);
      mpg123_delete(handle_);
    }
  }
  Mp3Decoder(const Mp3Decoder&) = delete;
  Mp3Decoder& operator=(const Mp3Decoder&) = delete;

  bool Open() {
    if (!LibraryReady()) return false;
    handle_ = mpg123_new(nullptr, nullptr);
    if (!handle_) return false;
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Only 16-bit output, at the stream's own rate.
    mpg123_format_none(handle_);
    for (const long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L}) {
      mpg123_format(handle_, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
    if (mpg123_replace_reader_handle(handle_, &SourceInput::ReadFor, &SourceInput::SeekFor, nullptr) != MPG123_OK ||
        mpg123_open_handle(handle_, &input_) != MPG123_OK) {
      return false;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || channels < 1 || channels > 2 ||
        !PlausibleSampleRate(static_cast<std::uint32_t>(rate))) {
      return false;
    }
    format_ = PcmFormat{static_cast<std::uint32_t>(rate), static_cast<std::uint16_t>(channels)};
    // No scan for an exact length: that would read the whole file before
    // the first sound. The length comes from the encoder's header frame
    // when there is one, else from the file size; the engine takes the
    // true end from the decoder running dry.
    const off_t length = mpg123_length(handle_);
    length_ = length > 0 ? static_cast<std::uint64_t>(length) : 0;
    return true;
  }

  PcmFormat Format() const override { return format_; }
  std::uint64_t LengthFrames() const override { return length_; }

  std::size_t Read(std::int16_t* out, std::size_t frames) override {
    const std::size_t frame_bytes = format_.BytesPerFrame();
    std::size_t filled = 0;  // bytes
    while (filled < frames * frame_bytes && !finished_) {
      std::size_t done = 0;
      const int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out) + filled,
                                     frames * frame_bytes - filled, &done);
      filled += done;
      // A format change inside the stream is not followed: the output is
      // already open with the first format, so the sound ends there.
      if (result == MPG123_NEW_FORMAT && done == 0) {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        mpg123_getformat(handle_, &rate, &channels, &encoding);
        if (static_cast<std::uint32_t>(rate) != format_.sample_rate || channels != format_.channels) finished_ = true;
        continue;
      }
      if (result != MPG123_OK || done == 0) finished_ = true;
    }
    return filled / frame_bytes;
  }

 private:
  SourceInput input_;
  mpg123_handle* handle_ = nullptr;
  PcmFormat format_;
  std::uint64_t length_ = 0;
  bool finished_ = false;
};

}  // namespace

bool Mp3Available() { return true; }

DecoderPtr OpenMp3Decoder(SourcePtr source) {
  if (!source) return nullptr;
  auto decoder = std::make_unique<Mp3Decoder>(std::move(source));
  if (!decoder->Open()) return nullptr;
  return decoder;
}

}  // namespace tikolvo::audio

#else  // built without libmpg123

namespace tikolvo::audio {

bool Mp3Available() { return false; }
DecoderPtr OpenMp3Decoder(SourcePtr) { return nullptr; }

}  // namespace tikolvo::audio

#endif
