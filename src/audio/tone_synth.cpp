#include "audio/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tikolvo::audio {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kEdgeFadeSeconds = 0.004;

// Deterministic white noise in -1..1, so the generated files never change.
class Noise {
 public:
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t state_ = 22222;
};

double Envelope(const Tone& tone, double t) {
  double level = tone.attack > 0 ? std::min(1.0, t / tone.attack) : 1.0;
  if (tone.decay > 0) level *= std::exp(-t / tone.decay);
  const double left = tone.duration - t;
  if (tone.release > 0 && left < tone.release) level *= std::max(0.0, left / tone.release);
  if (tone.tremolo_depth > 0) level *= 1.0 - tone.tremolo_depth * 0.5 * (1 - std::cos(kTwoPi * tone.tremolo_rate * t));
  return level;
}

void AddTone(const Tone& tone, std::uint32_t rate, std::vector<double>& mix, Noise& noise) {
  const std::size_t first = static_cast<std::size_t>(tone.start * rate);
  const std::size_t count = static_cast<std::size_t>(tone.duration * rate);
  const double nyquist = rate / 2.0;
  const double glide = tone.end_frequency > 0 ? tone.end_frequency / tone.frequency : 1.0;
  double phase = 0;  // cycles of the fundamental
  for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double frequency = tone.frequency * std::pow(glide, t / tone.duration);  // even in pitch, not in hertz
    double value = 0;
    for (const Partial& partial : tone.partials) {
      if (frequency * partial.ratio < nyquist) value += partial.amplitude * std::sin(kTwoPi * phase * partial.ratio);
    }
    if (tone.noise > 0) value += tone.noise * noise.Next();
    mix[first + i] += tone.amplitude * Envelope(tone, t) * value;
    phase += frequency / rate;
  }
}

void FadeEdges(std::vector<double>& mix, std::uint32_t rate) {
  const std::size_t fade = std::min(mix.size() / 2, static_cast<std::size_t>(kEdgeFadeSeconds * rate));
  for (std::size_t i = 0; i < fade; ++i) {
    const double gain = static_cast<double>(i) / static_cast<double>(fade);
    mix[i] *= gain;
    mix[mix.size() - 1 - i] *= gain;
  }
}

}  // namespace

std::vector<std::int16_t> RenderSound(const SoundRecipe& recipe) {
  std::vector<double> mix(static_cast<std::size_t>(recipe.length * recipe.sample_rate), 0.0);
  Noise noise;
  for (const Tone& tone : recipe.tones) AddTone(tone, recipe.sample_rate, mix, noise);
  FadeEdges(mix, recipe.sample_rate);
  double peak = 0;
  for (const double value : mix) peak = std::max(peak, std::abs(value));
  const double scale = peak > 0 ? kRenderedPeak * 32767.0 / peak : 0.0;
  std::vector<std::int16_t> samples(mix.size());
  std::transform(mix.begin(), mix.end(), samples.begin(),
                 [scale](double value) { return static_cast<std::int16_t>(std::lround(value * scale)); });
  return samples;
}

}  // namespace tikolvo::audio
