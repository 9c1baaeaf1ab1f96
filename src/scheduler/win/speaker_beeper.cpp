#include "scheduler/win/speaker_beeper.h"

#include <windows.h>

#include <new>

namespace tikolvo {
namespace {

volatile LONG speakerBusy = 0;

// Everything the thread needs is its own, so nothing it touches can go away
// while it sounds.
struct BeepJob {
  BeepRequest request;
  ToneFunction tone;
};

DWORD WINAPI BeepThread(LPVOID parameter) {
  BeepJob* job = static_cast<BeepJob*>(parameter);
  job->tone(job->request.frequency, job->request.duration);
  delete job;
  InterlockedExchange(&speakerBusy, 0);
  return 0;
}

}  // namespace

void SystemTone(std::uint32_t frequency, std::uint32_t duration) { Beep(frequency, duration); }

bool BeepSpeaker(const BeepRequest& request, ToneFunction tone) {
  if (InterlockedCompareExchange(&speakerBusy, 1, 0) != 0) return false;
  BeepJob* job = new (std::nothrow) BeepJob{request, tone};
  HANDLE thread = job ? CreateThread(nullptr, 0, &BeepThread, job, 0, nullptr) : nullptr;
  if (!thread) {
    delete job;
    InterlockedExchange(&speakerBusy, 0);
    return false;
  }
  CloseHandle(thread);
  return true;
}

bool SpeakerBusy() { return InterlockedCompareExchange(&speakerBusy, 0, 0) != 0; }

}  // namespace tikolvo
