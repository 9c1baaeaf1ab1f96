#pragma once
// The program's audio facility: one current stream at a time, output that
// can be silenced and restarted, sounds from files or memory blocks, and
// the position and length the clock tick compares to see a sound has ended.
// Every call fails quietly: with no device nothing plays and a sound counts
// as ended.
#include <cstdint>
#include <string>

#include "audio/audio_out.h"
#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

class AudioEngine final : private PcmSource {
 public:
  explicit AudioEngine(AudioOut& out) : out_(out) {}
  ~AudioEngine() { FreeStream(); }
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  // Readies the output; true when there is a device. Harmless to repeat:
  // a sound that plays goes on playing.
  bool Init();

  // Stop silences all output, the current sound included, until Start.
  // A sound started in between stays silent too.
  void Stop();
  void Start();
  bool IsStopped() const { return stopped_; }

  // Each makes the sound the one current stream from its beginning; the
  // previous stream is freed first, so it is cut off. False (and no current
  // stream) when the bytes are no playable sound or no device takes them.
  // A file is read as it plays, and stays open until its stream is freed.
  bool PlayFile(const std::string& path);
  bool PlayMemory(std::string bytes);
  bool Play(DecoderPtr decoder);

  void FreeStream();
  bool HasStream() const { return stream_ != nullptr; }

  // Byte counts of 16-bit PCM as it goes to the device. Without a stream
  // both are 0.
  std::uint64_t PositionBytes() const;
  std::uint64_t LengthBytes() const;

  // The end-of-sound check: true when the position has reached the length,
  // when the device gave up on the sound, and when there is no stream.
  bool IsFinished() const;

 private:
  std::size_t Pull(std::int16_t* out, std::size_t frames) override;
  std::uint64_t LengthFrames() const;

  AudioOut& out_;
  DecoderPtr stream_;
  PcmFormat format_;
  std::uint64_t decoded_frames_ = 0;
  bool exhausted_ = false;  // the decoder has given its last frame
  bool initialised_ = false;
  bool stopped_ = false;
};

}  // namespace tikolvo::audio
