#pragma once
// A sound card for tests: it pulls from its source like the real device,
// but only when the test says time passes, and it remembers what was asked.
#include <algorithm>
#include <vector>

#include "audio/audio_out.h"

namespace tikolvo::audio::test {

class FakeAudioOut final : public AudioOut {
 public:
  bool has_device = true;
  int init_calls = 0;
  int opens = 0;
  int closes = 0;
  bool open = false;
  bool paused = false;
  bool failed = false;  // the device gave up on the open sound
  PcmFormat format;
  std::vector<std::int16_t> heard;  // what reached the speaker while not paused

  bool Init() override {
    ++init_calls;
    return has_device;
  }
  bool Open(const PcmFormat& f, PcmSource& source, bool start_paused) override {
    if (!has_device) return false;
    ++opens;
    open = true;
    failed = false;
    paused = start_paused;
    format = f;
    source_ = &source;
    played_ = 0;
    return true;
  }
  void Close() override {
    ++closes;
    open = false;
    source_ = nullptr;
  }
  void Pause() override { paused = true; }
  void Resume() override { paused = false; }
  std::uint64_t PlayedFrames() const override { return played_; }
  bool Failed() const override { return failed; }

  // Plays up to `frames` frames; a paused or closed device plays nothing.
  void PlayFor(std::size_t frames) {
    if (!open || paused) return;
    std::vector<std::int16_t> buffer(frames * format.channels);
    std::size_t done = 0;
    while (done < frames) {
      const std::size_t got = source_->Pull(buffer.data(), frames - done);
      if (got == 0) break;
      heard.insert(heard.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got * format.channels));
      done += got;
    }
    played_ += done;
  }

 private:
  PcmSource* source_ = nullptr;
  std::uint64_t played_ = 0;
};

}  // namespace tikolvo::audio::test
