// The waveOut device over a scripted winmm that accepts a given number of
// buffers and refuses the rest: a refused buffer must end the sound, at the
// start (Open fails) and midway (the engine sees the end), or "Стоп" would
// wait for a sound that never finishes.
#include "win_test.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "audio/audio_engine.h"
#include "audio/wav_bytes.h"
#include "common/win/audio_out.h"

namespace tikolvo {
namespace {

struct ScriptedWinmm {
  static inline int accepted = 0;  // writes that succeed before the rest are refused
  static inline HWND callback = nullptr;
  static inline std::vector<WAVEHDR*> queued;
  static inline int prepared = 0;

  static UINT WINAPI GetNumDevs() { return 1; }
  static MMRESULT WINAPI Open(LPHWAVEOUT out, UINT, LPCWAVEFORMATEX, DWORD_PTR window, DWORD_PTR, DWORD) {
    *out = reinterpret_cast<HWAVEOUT>(1);
    callback = reinterpret_cast<HWND>(window);
    return MMSYSERR_NOERROR;
  }
  static MMRESULT WINAPI Close(HWAVEOUT) { return MMSYSERR_NOERROR; }
  static MMRESULT WINAPI Prepare(HWAVEOUT, LPWAVEHDR, UINT) {
    ++prepared;
    return MMSYSERR_NOERROR;
  }
  static MMRESULT WINAPI Unprepare(HWAVEOUT, LPWAVEHDR, UINT) {
    --prepared;
    return MMSYSERR_NOERROR;
  }
  static MMRESULT WINAPI Write(HWAVEOUT, LPWAVEHDR header, UINT) {
    if (accepted == 0) return MMSYSERR_NOMEM;
    --accepted;
    header->dwFlags &= ~WHDR_DONE;
    queued.push_back(header);
    return MMSYSERR_NOERROR;
  }
  static MMRESULT WINAPI Nothing(HWAVEOUT) { return MMSYSERR_NOERROR; }

  static WaveOutApi Api(int accept) {
    accepted = accept;
    queued.clear();
    prepared = 0;
    return WaveOutApi{&GetNumDevs, &Open, &Close, &Prepare, &Unprepare, &Write, &Nothing, &Nothing, &Nothing};
  }

  // The device plays the first queued buffer and reports it, as waveOut does.
  static void FinishFirst() {
    queued.front()->dwFlags |= WHDR_DONE;
    SendMessageW(callback, MM_WOM_DONE, 0, reinterpret_cast<LPARAM>(queued.front()));
  }
};

TEST_CASE("a buffer waveOut refuses ends the sound instead of leaving it unfinished") {
  const std::string sound = audio::test::RampWav(8000);  // 1 s: more than the four buffers queued ahead

  SUBCASE("refused at once: the sound does not start") {
    const WaveOutApi api = ScriptedWinmm::Api(0);
    WaveOutDevice device(&api);
    audio::AudioEngine engine(device);
    CHECK_FALSE(engine.PlayMemory(sound));
    CHECK_FALSE(engine.HasStream());
    CHECK(ScriptedWinmm::prepared == 0);  // every buffer was handed back
  }

  SUBCASE("refused midway: the sound counts as ended") {
    const WaveOutApi api = ScriptedWinmm::Api(4);
    WaveOutDevice device(&api);
    audio::AudioEngine engine(device);
    REQUIRE(engine.PlayMemory(sound));
    CHECK(ScriptedWinmm::queued.size() == 4);
    CHECK_FALSE(engine.IsFinished());
    ScriptedWinmm::FinishFirst();  // its refill is refused
    CHECK(device.PlayedFrames() == 800);
    CHECK(engine.IsFinished());
  }
}

}  // namespace
}  // namespace tikolvo
