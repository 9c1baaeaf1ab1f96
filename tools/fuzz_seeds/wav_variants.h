#pragma once
// Small WAVE files in the codings Windows' own sounds and common recorders
// use: integer PCM of 8 to 32 bits, float, the extensible header, IMA and MS
// ADPCM, A-law, mu-law, MPEG layer 3 inside WAVE, six channels, and the
// chunks decoders must step over (fact, LIST, an odd-sized chunk's pad).
#include <cmath>
#include <cstring>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/byte_io.h"

namespace fuzz_seeds {

constexpr std::uint32_t kWavRate = 8000;
constexpr int kWavFrames = 400;

inline std::string WavChunk(std::string_view id, std::string_view body) {
  tikolvo::ByteWriter out;
  out.Bytes(id);
  out.U32(static_cast<std::uint32_t>(body.size()));
  out.Bytes(body);
  if (body.size() % 2) out.U8(0);
  return out.Take();
}

inline std::string Riff(std::string_view chunks) {
  tikolvo::ByteWriter out;
  out.Bytes("RIFF");
  out.U32(static_cast<std::uint32_t>(4 + chunks.size()));
  out.Bytes("WAVE");
  out.Bytes(chunks);
  return out.Take();
}

struct WavFormat {
  std::uint16_t tag;
  std::uint16_t channels;
  std::uint16_t bits;
  std::uint16_t blockAlign;
  std::string extension;  // written after its size field when not empty
  std::uint32_t rate = kWavRate;
};

inline std::string FmtChunk(const WavFormat& f, bool withExtensionSize = true) {
  tikolvo::ByteWriter out;
  out.U16(f.tag);
  out.U16(f.channels);
  out.U32(f.rate);
  out.U32(f.rate * f.blockAlign);
  out.U16(f.blockAlign);
  out.U16(f.bits);
  if (withExtensionSize || !f.extension.empty()) {
    out.U16(static_cast<std::uint16_t>(f.extension.size()));
    out.Bytes(f.extension);
  }
  return WavChunk("fmt ", out.Take());
}

inline double Tone(int frame, int channel) { return std::sin(frame * (0.2 + 0.05 * channel)) * 0.6; }

// Interleaved samples of `bits` each; float when asked.
inline std::string PcmData(int channels, int bits, bool isFloat) {
  tikolvo::ByteWriter out;
  for (int i = 0; i < kWavFrames; ++i) {
    for (int c = 0; c < channels; ++c) {
      const double v = Tone(i, c);
      if (isFloat && bits == 32) {
        const float f = static_cast<float>(v);
        std::uint32_t raw;
        static_assert(sizeof raw == sizeof f);
        std::memcpy(&raw, &f, sizeof f);
        out.U32(raw);
      } else if (isFloat) {
        out.F64(v);
      } else if (bits == 8) {
        out.U8(static_cast<std::uint8_t>(128 + v * 127));
      } else {
        const std::int64_t s = static_cast<std::int64_t>(v * ((1LL << (bits - 1)) - 1));
        for (int b = 0; b < bits / 8; ++b) out.U8(static_cast<std::uint8_t>(s >> (8 * b)));
      }
    }
  }
  return out.Take();
}

inline std::string PcmWav(int channels, int bits, bool isFloat = false) {
  const auto align = static_cast<std::uint16_t>(channels * bits / 8);
  return Riff(FmtChunk({static_cast<std::uint16_t>(isFloat ? 3 : 1), static_cast<std::uint16_t>(channels),
                        static_cast<std::uint16_t>(bits), align, ""},
                       false) +
              WavChunk("data", PcmData(channels, bits, isFloat)));
}

// WAVE_FORMAT_EXTENSIBLE: valid bits, channel mask, the sub-format's GUID.
inline std::string ExtensibleWav(int channels, int bits, bool isFloat, std::uint32_t channelMask) {
  tikolvo::ByteWriter ext;
  ext.U16(static_cast<std::uint16_t>(bits));
  ext.U32(channelMask);
  ext.U32(isFloat ? 3 : 1);
  ext.Bytes(std::string("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12));
  const auto align = static_cast<std::uint16_t>(channels * bits / 8);
  return Riff(FmtChunk({0xFFFE, static_cast<std::uint16_t>(channels), static_cast<std::uint16_t>(bits), align,
                        ext.Take()}) +
              WavChunk("fact", std::string("\x90\x01\0\0", 4)) + WavChunk("data", PcmData(channels, bits, isFloat)));
}

// IMA ADPCM, mono, 256-byte blocks: a 4-byte block header, then nibbles.
inline std::string ImaAdpcmWav() {
  constexpr std::uint16_t kBlock = 256;
  tikolvo::ByteWriter ext;
  ext.U16(2 * (kBlock - 4) + 1);  // frames per block
  tikolvo::ByteWriter data;
  for (int block = 0; block < 3; ++block) {
    data.U16(static_cast<std::uint16_t>(block * 1000));
    data.U8(static_cast<std::uint8_t>(block * 20));
    data.U8(0);
    for (int i = 4; i < kBlock; ++i) data.U8(static_cast<std::uint8_t>(i * 37 + block));
  }
  return Riff(FmtChunk({0x11, 1, 4, kBlock, ext.Take()}) + WavChunk("fact", std::string("\xF9\x05\0\0", 4)) +
              WavChunk("data", data.Take()));
}

// MS ADPCM, stereo, 512-byte blocks with the seven standard coefficient pairs.
inline std::string MsAdpcmWav() {
  constexpr std::uint16_t kBlock = 512;
  constexpr int kChannels = 2;
  tikolvo::ByteWriter ext;
  ext.U16((kBlock - 7 * kChannels) * 8 / (4 * kChannels) + 2);
  ext.U16(7);
  const std::int16_t coefficients[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
  for (const auto& pair : coefficients) {
    ext.U16(static_cast<std::uint16_t>(pair[0]));
    ext.U16(static_cast<std::uint16_t>(pair[1]));
  }
  tikolvo::ByteWriter data;
  for (int block = 0; block < 2; ++block) {
    for (int c = 0; c < kChannels; ++c) data.U8(static_cast<std::uint8_t>((block + c) % 7));
    for (int c = 0; c < kChannels; ++c) data.U16(16);             // delta
    for (int c = 0; c < kChannels; ++c) data.U16(static_cast<std::uint16_t>(100 * c));  // second sample
    for (int c = 0; c < kChannels; ++c) data.U16(static_cast<std::uint16_t>(-100 * c));  // first sample
    for (int i = 7 * kChannels; i < kBlock; ++i) data.U8(static_cast<std::uint8_t>(i * 53 + block));
  }
  return Riff(FmtChunk({0x02, kChannels, 4, kBlock, ext.Take()}) + WavChunk("data", data.Take()));
}

// A-law (6) or mu-law (7): one byte a sample.
inline std::string CompandedWav(std::uint16_t tag) {
  tikolvo::ByteWriter data;
  for (int i = 0; i < kWavFrames; ++i) data.U8(static_cast<std::uint8_t>(i * 29));
  return Riff(FmtChunk({tag, 1, 8, 1, ""}) + WavChunk("fact", std::string("\x90\x01\0\0", 4)) +
              WavChunk("data", data.Take()));
}

// MPEG layer 3 inside WAVE (MPEGLAYER3WAVEFORMAT), the frames taken whole
// from an MP3 file of the given rate and channels.
inline std::string Mp3InWav(std::string_view mp3, std::uint16_t channels, std::uint32_t rate) {
  tikolvo::ByteWriter ext;
  ext.U16(1);    // MPEGLAYER3_ID_MPEG
  ext.U32(2);    // MPEGLAYER3_FLAG_PADDING_OFF
  ext.U16(104);  // block size
  ext.U16(1);    // frames per block
  ext.U16(1393);  // codec delay
  return Riff(FmtChunk({0x55, channels, 0, 1, ext.Take(), rate}) + WavChunk("data", mp3));
}

// Chunks before and after the samples that a reader must step over.
inline std::string WavWithOtherChunks() {
  return Riff(WavChunk("LIST", std::string("INFOINAM\5\0\0\0Tone\0", 17)) +
              FmtChunk({1, 1, 16, 2, ""}, false) + WavChunk("junk", "odd") + WavChunk("data", PcmData(1, 16, false)) +
              WavChunk("cue ", std::string(4, '\0')));
}

// mp3: a mono 22050 Hz MP3 file, or empty.
inline std::map<std::string, std::string> WavSeeds(std::string_view mp3) {
  std::map<std::string, std::string> seeds = {
      {"pcm8_mono.wav", PcmWav(1, 8)},
      {"pcm16_stereo.wav", PcmWav(2, 16)},
      {"pcm24_mono.wav", PcmWav(1, 24)},
      {"pcm32_stereo.wav", PcmWav(2, 32)},
      {"float32_mono.wav", PcmWav(1, 32, true)},
      {"float64_mono.wav", PcmWav(1, 64, true)},
      {"extensible_pcm24_stereo.wav", ExtensibleWav(2, 24, false, 0x3)},
      {"extensible_float_stereo.wav", ExtensibleWav(2, 32, true, 0x3)},
      {"extensible_pcm16_six_channels.wav", ExtensibleWav(6, 16, false, 0x3F)},
      {"ima_adpcm_mono.wav", ImaAdpcmWav()},
      {"ms_adpcm_stereo.wav", MsAdpcmWav()},
      {"alaw_mono.wav", CompandedWav(6)},
      {"mulaw_mono.wav", CompandedWav(7)},
      {"other_chunks.wav", WavWithOtherChunks()},
  };
  if (!mp3.empty()) seeds["mp3_in_wave.wav"] = Mp3InWav(mp3, 1, 22050);
  return seeds;
}

}  // namespace fuzz_seeds
