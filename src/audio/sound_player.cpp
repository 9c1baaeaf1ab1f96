#include "audio/sound_player.h"

#include <optional>

#include "common/file_io.h"
#include "skin/sound_bank.h"

namespace tikolvo::audio {

bool SoundPlayer::PlaySoundFile(const std::string& path) {
  if (!FileExists(path)) return false;
  engine_.Init();  // harmless when done already; picks up a device plugged in since
  std::optional<std::string> bytes = ReadWholeFile(path);
  return bytes && Begin(std::move(*bytes));
}

bool SoundPlayer::PlayBuiltinSound(int sound_number) {
  if (sound_number < 0 || sound_number > 255 || !FileExists(bank_path_)) return false;
  std::optional<std::string> bytes = ReadSoundBankMember(bank_path_, static_cast<std::uint8_t>(sound_number));
  return bytes && Begin(std::move(*bytes));
}

bool SoundPlayer::Begin(std::string bytes) {
  engine_.Stop();
  engine_.Start();
  const bool started = engine_.PlayMemory(std::move(bytes));
  if (started) SetPlaying(true);
  return started;
}

void SoundPlayer::StopSound() {
  engine_.Stop();
  SetPlaying(false);
}

bool SoundPlayer::CheckSoundEnded() {
  if (!playing_ || !engine_.IsFinished()) return false;
  SetPlaying(false);
  return true;
}

// Every start is told, so controls hidden by hand show again for the next
// sound; a stop while silent is told too, and hides what may still show.
void SoundPlayer::SetPlaying(bool playing) {
  playing_ = playing;
  for (SoundWatcher* watcher : watchers_) watcher->SoundPlayingChanged(playing);
}

}  // namespace tikolvo::audio
