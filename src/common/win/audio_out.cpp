#include "common/win/audio_out.h"

#include <algorithm>
#include <utility>

namespace tikolvo {
namespace {

constexpr wchar_t kWindowClass[] = L"TikolvoAudioOut";

}  // namespace

WaveOutDevice::~WaveOutDevice() { Close(); }

bool WaveOutDevice::Init() {
  if (!std::exchange(apiLookedUp_, true)) api_ = WaveOut();
  if (!hwnd()) {
    RegisterWindowClass(kWindowClass, 0, nullptr, nullptr, nullptr);
    // A message-only window: it never shows, it only receives waveOut's
    // buffer-done messages.
    CreateWindowFor(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  }
  return hwnd() != nullptr && api_ && api_->GetNumDevs() > 0;
}

bool WaveOutDevice::Open(const audio::PcmFormat& format, audio::PcmSource& source, bool paused) {
  Close();
  if (!Init() || format.channels < 1 || format.channels > 2 || format.sample_rate == 0) return false;
  WAVEFORMATEX wave_format{};
  wave_format.wFormatTag = WAVE_FORMAT_PCM;
  wave_format.nChannels = format.channels;
  wave_format.nSamplesPerSec = format.sample_rate;
  wave_format.wBitsPerSample = 16;
  wave_format.nBlockAlign = static_cast<WORD>(format.BytesPerFrame());
  wave_format.nAvgBytesPerSec = format.sample_rate * format.BytesPerFrame();
  if (api_->Open(&wave_, WAVE_MAPPER, &wave_format, reinterpret_cast<DWORD_PTR>(hwnd()), 0, CALLBACK_WINDOW) !=
      MMSYSERR_NOERROR) {
    wave_ = nullptr;
    return false;
  }
  if (paused) api_->Pause(wave_);
  format_ = format;
  source_ = &source;
  played_frames_ = 0;
  failed_ = false;
  frames_per_buffer_ = std::max<std::size_t>(format.sample_rate / kBuffersPerSecond, 256);
  if (!PrepareBuffers()) {
    Close();
    return false;
  }
  // A refused buffer means the sound would never play to its end, and the
  // stop controls would wait for it for ever.
  for (Buffer& buffer : buffers_) {
    const Queued queued = FillAndQueue(buffer);
    if (queued == Queued::kRefused) {
      Close();
      return false;
    }
    if (queued == Queued::kSourceEnded) break;
  }
  return true;
}

bool WaveOutDevice::PrepareBuffers() {
  for (Buffer& buffer : buffers_) {
    buffer.samples.assign(frames_per_buffer_ * format_.channels, 0);
    buffer.header = WAVEHDR{};
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    buffer.header.dwBufferLength = static_cast<DWORD>(frames_per_buffer_ * format_.BytesPerFrame());
    if (api_->PrepareHeader(wave_, &buffer.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) return false;
    buffer.prepared = true;
  }
  return true;
}

WaveOutDevice::Queued WaveOutDevice::FillAndQueue(Buffer& buffer) {
  if (!source_ || !wave_) return Queued::kSourceEnded;
  const std::size_t frames = source_->Pull(buffer.samples.data(), frames_per_buffer_);
  if (frames == 0) return Queued::kSourceEnded;
  // The last buffer of a sound is usually shorter; it was prepared at full
  // size, and a shorter length within that is what waveOut allows.
  buffer.header.dwBufferLength = static_cast<DWORD>(frames * format_.BytesPerFrame());
  buffer.frames = frames;
  buffer.queued = api_->Write(wave_, &buffer.header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
  return buffer.queued ? Queued::kYes : Queued::kRefused;
}

// waveOut marks a finished buffer WHDR_DONE before it posts MM_WOM_DONE. The
// buffers are checked by that flag rather than by the message's pointer, so
// a message left over from a closed sound does no harm.
void WaveOutDevice::CollectFinishedBuffers() {
  for (Buffer& buffer : buffers_) {
    if (!buffer.queued || !(buffer.header.dwFlags & WHDR_DONE)) continue;
    buffer.queued = false;
    played_frames_ += buffer.frames;
    // Once a buffer is refused the sound cannot end by playing: it is
    // given up, and the engine counts it as ended.
    if (!failed_ && FillAndQueue(buffer) == Queued::kRefused) failed_ = true;
  }
}

void WaveOutDevice::Close() {
  if (!wave_) return;
  source_ = nullptr;
  api_->Reset(wave_);  // returns every queued buffer at once
  for (Buffer& buffer : buffers_) {
    if (buffer.prepared) api_->UnprepareHeader(wave_, &buffer.header, sizeof(WAVEHDR));
    buffer.prepared = false;
    buffer.queued = false;
  }
  api_->Close(wave_);
  wave_ = nullptr;
}

void WaveOutDevice::Pause() {
  if (wave_) api_->Pause(wave_);
}

void WaveOutDevice::Resume() {
  if (wave_) api_->Restart(wave_);
}

LRESULT WaveOutDevice::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MM_WOM_DONE) {
    CollectFinishedBuffers();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo
