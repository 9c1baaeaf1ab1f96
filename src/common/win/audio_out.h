#pragma once
// The audio facility's output on Windows: waveOut on the default device,
// fed from a few ~100 ms buffers. waveOut reports each finished buffer to a
// hidden message window of this object, on the GUI thread, which refills it
// from the source: no extra thread, and a tick is never kept waiting. With
// no device every call fails quietly; a buffer the device refuses ends the
// sound rather than leaving it waiting for ever.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <vector>

#include "audio/audio_out.h"
#include "common/win/audio_winmm.h"
#include "common/win/window_base.h"

namespace tikolvo {

class WaveOutDevice final : public audio::AudioOut, private Window {
 public:
  // winmm is looked up when a sound first plays: loading it wakes the
  // system's whole sound stack, which an idle clock has no use for.
  WaveOutDevice() = default;
  // Tests hand in their own functions (nullptr: none).
  explicit WaveOutDevice(const WaveOutApi* api) : api_(api), apiLookedUp_(true) {}
  ~WaveOutDevice() override;

  bool Init() override;
  bool Open(const audio::PcmFormat& format, audio::PcmSource& source, bool paused) override;
  void Close() override;
  void Pause() override;
  void Resume() override;
  std::uint64_t PlayedFrames() const override { return played_frames_; }
  bool Failed() const override { return failed_; }

 private:
  // Four buffers of 100 ms: 0.4 s of sound queued ahead, so a busy GUI
  // thread (a skin load, a modal dialog opening) does not make it stutter.
  static constexpr std::size_t kBufferCount = 4;
  static constexpr std::uint32_t kBuffersPerSecond = 10;

  struct Buffer {
    std::vector<std::int16_t> samples;
    WAVEHDR header{};
    std::size_t frames = 0;  // frames in the queued buffer
    bool prepared = false;
    bool queued = false;
  };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PrepareBuffers();
  enum class Queued { kYes, kSourceEnded, kRefused };
  Queued FillAndQueue(Buffer& buffer);
  void CollectFinishedBuffers();

  const WaveOutApi* api_ = nullptr;
  bool apiLookedUp_ = false;
  std::array<Buffer, kBufferCount> buffers_;
  HWAVEOUT wave_ = nullptr;
  audio::PcmSource* source_ = nullptr;
  audio::PcmFormat format_;
  std::size_t frames_per_buffer_ = 0;
  std::uint64_t played_frames_ = 0;
  bool failed_ = false;
};

}  // namespace tikolvo
