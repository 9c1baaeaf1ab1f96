#pragma once
// What every sound decoder turns its input into: signed 16-bit PCM,
// interleaved, mono or stereo, at the file's own sample rate. The output
// device and the stream bookkeeping only ever see this form.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tikolvo::audio {

struct PcmFormat {
  std::uint32_t sample_rate = 0;  // frames per second
  std::uint16_t channels = 0;     // 1 or 2

  std::uint32_t BytesPerFrame() const { return 2u * channels; }
};

class PcmDecoder {
 public:
  virtual ~PcmDecoder() = default;

  virtual PcmFormat Format() const = 0;

  // The whole sound in frames as announced by the file. A damaged file may
  // end earlier; the decoder then simply returns fewer frames.
  virtual std::uint64_t LengthFrames() const = 0;

  // Decodes up to `frames` frames into `out` (room for frames × channels
  // samples). Returns the number of frames written; 0 means the sound is over
  // (or the rest of the data is unusable).
  virtual std::size_t Read(std::int16_t* out, std::size_t frames) = 0;
};

using DecoderPtr = std::unique_ptr<PcmDecoder>;

// Sample rates a sound card could plausibly be opened with; anything else
// in a header is damage, not a sound.
inline bool PlausibleSampleRate(std::uint32_t rate) { return rate >= 1000 && rate <= 192000; }

}  // namespace tikolvo::audio
