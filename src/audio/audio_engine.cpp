#include "audio/audio_engine.h"

#include <algorithm>

#include "audio/sound_decoder.h"

namespace tikolvo::audio {

bool AudioEngine::Init() {
  initialised_ = out_.Init();
  return initialised_;
}

void AudioEngine::Stop() {
  stopped_ = true;
  if (stream_) out_.Pause();
}

void AudioEngine::Start() {
  stopped_ = false;
  if (stream_) out_.Resume();
}

bool AudioEngine::PlayFile(const std::string& path) {
  FreeStream();
  return Play(OpenSoundDecoder(OpenFileSource(path)));
}

bool AudioEngine::PlayMemory(std::string bytes) {
  FreeStream();
  return Play(OpenSoundDecoder(std::move(bytes)));
}

bool AudioEngine::Play(DecoderPtr decoder) {
  FreeStream();
  if (!decoder) return false;
  if (!initialised_ && !Init()) return false;
  // The device may pull its first buffers inside Open, so the stream must be
  // in place before.
  stream_ = std::move(decoder);
  format_ = stream_->Format();
  decoded_frames_ = 0;
  exhausted_ = false;
  if (!out_.Open(format_, *this, stopped_)) {
    stream_.reset();
    return false;
  }
  return true;
}

void AudioEngine::FreeStream() {
  if (!stream_) return;
  out_.Close();  // the device lets go of the source before it is destroyed
  stream_.reset();
}

std::size_t AudioEngine::Pull(std::int16_t* out, std::size_t frames) {
  if (!stream_ || exhausted_ || frames == 0) return 0;
  const std::size_t got = stream_->Read(out, frames);
  decoded_frames_ += got;
  if (got == 0) exhausted_ = true;
  return got;
}

std::uint64_t AudioEngine::LengthFrames() const {
  // Once the decoder is through, what it really gave is the length: a file
  // cut short must still be seen to end.
  if (exhausted_) return decoded_frames_;
  return std::max(stream_->LengthFrames(), decoded_frames_);
}

std::uint64_t AudioEngine::PositionBytes() const {
  if (!stream_) return 0;
  return std::min(out_.PlayedFrames(), LengthFrames()) * format_.BytesPerFrame();
}

std::uint64_t AudioEngine::LengthBytes() const {
  if (!stream_) return 0;
  return LengthFrames() * format_.BytesPerFrame();
}

bool AudioEngine::IsFinished() const { return !stream_ || out_.Failed() || PositionBytes() >= LengthBytes(); }

}  // namespace tikolvo::audio
