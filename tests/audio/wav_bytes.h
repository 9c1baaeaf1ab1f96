#pragma once
// WAVE files assembled chunk by chunk for the audio tests, so each test can
// build exactly the oddity it is about (extra chunks, odd sizes, lies in
// size fields) without going through the program's own writer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "audio/pcm_decoder.h"

namespace tikolvo::audio::test {

inline std::string Le16(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
inline std::string Le32(std::uint32_t v) { return Le16(static_cast<std::uint16_t>(v & 0xFFFF)) + Le16(static_cast<std::uint16_t>(v >> 16)); }

// A chunk with its id, a declared size (by default the body's) and the pad
// byte after an odd body.
inline std::string Chunk(std::string_view id, std::string_view body, std::int64_t declared = -1) {
  std::string out(id);
  out += Le32(declared < 0 ? static_cast<std::uint32_t>(body.size()) : static_cast<std::uint32_t>(declared));
  out += body;
  if (body.size() % 2) out += '\0';
  return out;
}

inline std::string FmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                           std::uint16_t block_align = 0) {
  if (block_align == 0) block_align = static_cast<std::uint16_t>(channels * bits / 8);
  return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * block_align) + Le16(block_align) + Le16(bits);
}

inline std::string Riff(std::string_view chunks) { return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + std::string(chunks); }

inline std::string Samples16(const std::vector<std::int16_t>& samples) {
  std::string out;
  for (std::int16_t s : samples) out += Le16(static_cast<std::uint16_t>(s));
  return out;
}

// A plain 16-bit PCM file.
inline std::string Wav16(std::uint16_t channels, std::uint32_t rate, const std::vector<std::int16_t>& samples) {
  return Riff(Chunk("fmt ", FmtBody(1, channels, rate, 16)) + Chunk("data", Samples16(samples)));
}

// A mono 16-bit file of `frames` frames counting up from 0.
inline std::string RampWav(std::size_t frames, std::uint32_t rate = 8000) {
  std::vector<std::int16_t> samples(frames);
  for (std::size_t i = 0; i < frames; ++i) samples[i] = static_cast<std::int16_t>(i);
  return Wav16(1, rate, samples);
}

inline std::vector<std::int16_t> ReadAll(PcmDecoder& decoder, std::size_t chunk_frames = 1000) {
  std::vector<std::int16_t> all;
  std::vector<std::int16_t> buffer(chunk_frames * decoder.Format().channels);
  while (const std::size_t got = decoder.Read(buffer.data(), chunk_frames)) {
    all.insert(all.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got * decoder.Format().channels));
  }
  return all;
}

}  // namespace tikolvo::audio::test
