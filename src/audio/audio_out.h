#pragma once
// The sound card as the stream bookkeeping sees it. The Windows build drives
// waveOut (src/common/win/audio_out.h); tests use a fake that "plays" on
// demand. The device pulls samples from its source whenever a buffer comes
// back, so no decoding happens anywhere near the clock tick.
#include <cstddef>
#include <cstdint>

#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

// Where the device takes its samples from: up to `frames` frames in the
// format the device was opened with; 0 once the sound is over.
class PcmSource {
 public:
  virtual std::size_t Pull(std::int16_t* out, std::size_t frames) = 0;

 protected:
  ~PcmSource() = default;
};

class AudioOut {
 public:
  virtual ~AudioOut() = default;

  // Gets the device side ready; true when there is an output device.
  // Calling it again changes nothing.
  virtual bool Init() = 0;

  // Begins playing `source` (which outlives the open device) from its first
  // frame, held silent when `paused`. False when no device takes the format;
  // nothing plays then.
  virtual bool Open(const PcmFormat& format, PcmSource& source, bool paused) = 0;

  // Silences the open sound at once and forgets its source. Harmless when
  // nothing is open.
  virtual void Close() = 0;

  // Holds and releases the open sound; both harmless when nothing is open.
  virtual void Pause() = 0;
  virtual void Resume() = 0;

  // Frames of the open sound the device has finished playing.
  virtual std::uint64_t PlayedFrames() const = 0;

  // True once the device refused to go on with the open sound (it would
  // never reach its end): the sound then counts as ended.
  virtual bool Failed() const = 0;
};

}  // namespace tikolvo::audio
