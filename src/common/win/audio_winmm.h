#pragma once
// The waveOut functions, looked up in winmm.dll when first needed rather
// than imported: the program starts and runs without sound on a system
// whose multimedia library is missing or broken, and the exe links without
// an extra import library.
#include <windows.h>
#include <mmsystem.h>

namespace tikolvo {

struct WaveOutApi {
  decltype(&waveOutGetNumDevs) GetNumDevs = nullptr;
  decltype(&waveOutOpen) Open = nullptr;
  decltype(&waveOutClose) Close = nullptr;
  decltype(&waveOutPrepareHeader) PrepareHeader = nullptr;
  decltype(&waveOutUnprepareHeader) UnprepareHeader = nullptr;
  decltype(&waveOutWrite) Write = nullptr;
  decltype(&waveOutReset) Reset = nullptr;
  decltype(&waveOutPause) Pause = nullptr;
  decltype(&waveOutRestart) Restart = nullptr;
};

// The functions, or nullptr when any of them cannot be found.
const WaveOutApi* WaveOut();

}  // namespace tikolvo
