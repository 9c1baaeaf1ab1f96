#include "audio/tone_recipe.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace tikolvo::audio {
namespace {

double Number(const std::string& text, int line) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') throw std::runtime_error("line " + std::to_string(line) + ": not a number: " + text);
  return value;
}

// "1:1,2.76:0.35" → partials.
std::vector<Partial> Partials(const std::string& text, int line) {
  std::vector<Partial> partials;
  std::istringstream list(text);
  std::string item;
  while (std::getline(list, item, ',')) {
    const std::size_t colon = item.find(':');
    if (colon == std::string::npos) throw std::runtime_error("line " + std::to_string(line) + ": partial needs ratio:amp");
    partials.push_back({Number(item.substr(0, colon), line), Number(item.substr(colon + 1), line)});
  }
  return partials;
}

void SetToneField(Tone& tone, const std::string& key, const std::string& value, int line) {
  if (key == "partials") {
    tone.partials = Partials(value, line);
    return;
  }
  if (key == "tremolo") {  // rate:depth
    const std::vector<Partial> pair = Partials(value, line);
    if (pair.size() != 1) throw std::runtime_error("line " + std::to_string(line) + ": tremolo needs rate:depth");
    tone.tremolo_rate = pair[0].ratio;
    tone.tremolo_depth = pair[0].amplitude;
    return;
  }
  const double number = Number(value, line);
  if (key == "start") tone.start = number;
  else if (key == "dur") tone.duration = number;
  else if (key == "freq") tone.frequency = number;
  else if (key == "to") tone.end_frequency = number;
  else if (key == "amp") tone.amplitude = number;
  else if (key == "attack") tone.attack = number;
  else if (key == "decay") tone.decay = number;
  else if (key == "release") tone.release = number;
  else if (key == "noise") tone.noise = number;
  else throw std::runtime_error("line " + std::to_string(line) + ": unknown tone key " + key);
}

Tone ParseTone(std::istringstream& words, int line) {
  Tone tone;
  std::string word;
  while (words >> word) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) throw std::runtime_error("line " + std::to_string(line) + ": expected key=value");
    SetToneField(tone, word.substr(0, eq), word.substr(eq + 1), line);
  }
  if (tone.duration <= 0 || tone.frequency <= 0) {
    throw std::runtime_error("line " + std::to_string(line) + ": a tone needs dur and freq above 0");
  }
  return tone;
}

}  // namespace

SoundRecipe ParseSoundRecipe(std::string_view text) {
  SoundRecipe recipe;
  std::istringstream lines{std::string(text)};
  std::string raw;
  int line = 0;
  while (std::getline(lines, raw)) {
    ++line;
    std::istringstream words(raw);
    std::string key;
    if (!(words >> key) || key[0] == '#') continue;
    std::string value;
    if (key == "tone") {
      recipe.tones.push_back(ParseTone(words, line));
    } else if (words >> value && (key == "number" || key == "rate" || key == "length")) {
      const double number = Number(value, line);
      if (key == "number") recipe.number = static_cast<int>(number);
      if (key == "rate") recipe.sample_rate = static_cast<std::uint32_t>(number);
      if (key == "length") recipe.length = number;
    } else {
      throw std::runtime_error("line " + std::to_string(line) + ": cannot read: " + raw);
    }
  }
  if (recipe.number < 0 || recipe.number > 255 || recipe.length <= 0 || recipe.tones.empty() ||
      recipe.sample_rate < 8000 || recipe.sample_rate > 48000) {
    throw std::runtime_error("a sound needs a number 0..255, a length, a rate 8000..48000 and at least one tone");
  }
  return recipe;
}

}  // namespace tikolvo::audio
