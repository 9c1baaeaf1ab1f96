#pragma once
// One beep of the PC speaker on its own short-lived thread, so the tasks and
// windows go on while it sounds. A program-wide busy flag drops (never
// queues) a beep asked for while another one sounds.
//
// The tone is the system's Beep function: the program runs on the NT family
// only, where that is how a process reaches the speaker. The direct driving
// of the timer chip's ports that the old consumer systems allowed is not
// built.
#include <cstdint>

#include "scheduler/task_action_plan.h"

namespace tikolvo {

// Sounds one tone and returns when it has ended.
using ToneFunction = void (*)(std::uint32_t frequency, std::uint32_t duration);

void SystemTone(std::uint32_t frequency, std::uint32_t duration);

// Starts the tone on a new thread and returns at once: true when it started,
// false when a beep still sounds or no thread could be made.
bool BeepSpeaker(const BeepRequest& request, ToneFunction tone = SystemTone);

// True from the start of a beep until its thread has finished.
bool SpeakerBusy();

}  // namespace tikolvo
