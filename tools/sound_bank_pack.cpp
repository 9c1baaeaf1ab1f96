// sound_bank_pack: builds the built-in sound bank ("plug\music.res").
//
//   sound_bank_pack <output.res> NUMBER=FILE...
//
// Each FILE (any format the audio output plays from memory) is stored as one
// zlib stream under its sound number 0..255, in the order given; the program
// takes the first record with a matching number.
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "common/file_io.h"
#include "skin/inflate.h"

namespace {

constexpr std::size_t kRecordSize = 12;

struct Sound {
  std::uint8_t number = 0;
  std::string packed;
};

std::string Deflate(const std::string& data) {
  std::optional<std::string> packed = tikolvo::DeflateZlib(data);
  if (!packed) throw std::runtime_error("zlib failed");
  return *packed;
}

Sound ReadSound(const std::string& argument) {
  const std::size_t eq = argument.find('=');
  if (eq == std::string::npos) throw std::runtime_error("expected NUMBER=FILE, got " + argument);
  const unsigned long number = std::stoul(argument.substr(0, eq));
  if (number > 255) throw std::runtime_error("sound number above 255: " + argument);
  const auto content = tikolvo::ReadWholeFile(argument.substr(eq + 1));
  if (!content) throw std::runtime_error("cannot read " + argument.substr(eq + 1));
  return Sound{static_cast<std::uint8_t>(number), Deflate(*content)};
}

std::string BuildBank(const std::vector<Sound>& sounds) {
  tikolvo::ByteWriter out;
  out.U8(static_cast<std::uint8_t>(sounds.size()));
  std::size_t offset = 1 + kRecordSize * sounds.size();
  for (const Sound& sound : sounds) {
    out.U32(static_cast<std::uint32_t>(sound.packed.size()));
    out.U32(static_cast<std::uint32_t>(offset));
    out.U8(sound.number);
    out.Zeros(3);
    offset += sound.packed.size();
  }
  for (const Sound& sound : sounds) out.Bytes(sound.packed);
  return out.Take();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc < 2) throw std::runtime_error("expected an output file");
    if (argc - 2 > 255) throw std::runtime_error("a bank holds at most 255 sounds");
    std::vector<Sound> sounds;
    for (int i = 2; i < argc; ++i) sounds.push_back(ReadSound(argv[i]));
    if (!tikolvo::SaveFileAtomically(argv[1], BuildBank(sounds))) {
      throw std::runtime_error(std::string("cannot write ") + argv[1]);
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sound_bank_pack: %s\nusage: sound_bank_pack <output.res> NUMBER=FILE...\n", error.what());
    return 1;
  }
}
