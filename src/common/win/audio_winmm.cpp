#include "common/win/audio_winmm.h"

#include "common/win/system_library.h"

namespace tikolvo {
namespace {

template <typename Function>
bool Find(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return function != nullptr;
}

bool Load(WaveOutApi& api) {
  const HMODULE library = SystemLibrary(L"winmm.dll");
  return library && Find(library, "waveOutGetNumDevs", api.GetNumDevs) && Find(library, "waveOutOpen", api.Open) &&
         Find(library, "waveOutClose", api.Close) && Find(library, "waveOutPrepareHeader", api.PrepareHeader) &&
         Find(library, "waveOutUnprepareHeader", api.UnprepareHeader) && Find(library, "waveOutWrite", api.Write) &&
         Find(library, "waveOutReset", api.Reset) && Find(library, "waveOutPause", api.Pause) &&
         Find(library, "waveOutRestart", api.Restart);
}

}  // namespace

const WaveOutApi* WaveOut() {
  static WaveOutApi api;
  static const bool loaded = Load(api);
  return loaded ? &api : nullptr;
}

}  // namespace tikolvo
