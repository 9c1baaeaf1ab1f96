#pragma once
// The scheduler's sound playback on top of the audio facility: a sound
// file, a sound of the built-in bank, the stop command, and the playing flag
// that keeps the "Стоп" controls visible until the clock tick sees the sound
// has ended. Failures are swallowed: a sound that cannot play is skipped.
// Whatever shows stop controls watches the flag; this is the one place that
// starts and stops the program's sounds.
#include <string>
#include <vector>

#include "audio/audio_engine.h"

namespace tikolvo::audio {

// Told each time the playing flag changes.
class SoundWatcher {
 public:
  virtual ~SoundWatcher() = default;
  virtual void SoundPlayingChanged(bool playing) = 0;
};

class SoundPlayer {
 public:
  // `bank_path` is the program folder's "plug\music.res".
  SoundPlayer(AudioEngine& engine, std::string bank_path) : engine_(engine), bank_path_(std::move(bank_path)) {}

  // Each returns true when a sound now plays (and the playing flag is set).
  // A missing file or bank, or a number without a sound, plays nothing.
  bool PlaySoundFile(const std::string& path);
  bool PlayBuiltinSound(int sound_number);

  // Silences all output, frees the current stream and clears the playing
  // flag.
  void StopSound();

  // The clock tick's check: once the current sound has played to its end,
  // frees its stream (and closes its file) and clears the playing flag.
  // True exactly when it cleared it (the caller then hides its stop
  // controls).
  bool CheckSoundEnded();

  bool playing() const { return playing_; }
  void AddWatcher(SoundWatcher& watcher) { watchers_.push_back(&watcher); }
  AudioEngine& engine() { return engine_; }

 private:
  void Restart();
  bool Started(bool started);
  void SetPlaying(bool playing);

  AudioEngine& engine_;
  std::string bank_path_;
  bool playing_ = false;
  std::vector<SoundWatcher*> watchers_;
};

}  // namespace tikolvo::audio
