#pragma once
// The text form the built-in short sounds are described in (one file per
// sound in assets/sounds/), read by the sound generator. Lines:
//
//   # a comment
//   number 2              the sound's number in the bank
//   rate 22050            sample rate of the rendered WAVE file
//   length 1.2            seconds
//   tone start=0 dur=1.2 freq=1318.5 ...   one voice, see Tone
//
// Unknown keys are errors, so a typo never silently changes a sound.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo::audio {

struct Partial {
  double ratio = 1;  // of the tone's frequency
  double amplitude = 1;
};

struct Tone {
  double start = 0;      // seconds from the beginning of the sound
  double duration = 0;   // seconds
  double frequency = 440;
  double end_frequency = 0;  // > 0: glides there over the duration
  double amplitude = 0.5;
  double attack = 0.005;  // seconds of linear rise
  double decay = 0;       // > 0: exponential fall with this time constant
  double release = 0.02;  // seconds of linear fall before the tone's end
  double tremolo_rate = 0;   // Hz of amplitude wobble
  double tremolo_depth = 0;  // 0..1
  double noise = 0;          // share of white noise mixed in
  std::vector<Partial> partials{{1, 1}};
};

struct SoundRecipe {
  int number = -1;
  std::uint32_t sample_rate = 22050;
  double length = 0;
  std::vector<Tone> tones;
};

// Throws std::runtime_error naming the line for anything malformed.
SoundRecipe ParseSoundRecipe(std::string_view text);

}  // namespace tikolvo::audio
