#include "audio/sound_player.h"

#include <optional>

#include "common/file_io.h"
#include "skin/sound_bank.h"

namespace tikolvo::audio {

bool SoundPlayer::PlaySoundFile(const std::string& path) {
  if (!FileExists(path)) return false;
  engine_.Init();  // harmless when done already; picks up a device plugged in since
  Restart();
  return Started(engine_.PlayFile(path));
}

bool SoundPlayer::PlayBuiltinSound(int sound_number) {
  if (sound_number < 0 || sound_number > 255 || !FileExists(bank_path_)) return false;
  std::optional<std::string> bytes = ReadSoundBankMember(bank_path_, static_cast<std::uint8_t>(sound_number));
  if (!bytes) return false;
  Restart();
  return Started(engine_.PlayMemory(std::move(*bytes)));
}

// Every new sound stops the output, lets the old stream go and starts the
// output again; freeing before the start keeps the old sound from coming
// back for a moment.
void SoundPlayer::Restart() {
  engine_.Stop();
  engine_.FreeStream();
  engine_.Start();
}

bool SoundPlayer::Started(bool started) {
  if (started) SetPlaying(true);
  return started;
}

// A stopped sound is never heard again (every new sound replaces it), so
// its stream and file go at once.
void SoundPlayer::StopSound() {
  engine_.Stop();
  engine_.FreeStream();
  SetPlaying(false);
}

bool SoundPlayer::CheckSoundEnded() {
  if (!playing_ || !engine_.IsFinished()) return false;
  engine_.FreeStream();
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
