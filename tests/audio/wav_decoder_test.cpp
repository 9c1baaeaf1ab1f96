// WAVE parsing and decoding on files built by hand: the chunk walk must cope
// with what real and damaged files contain, and the samples must come out
// as signed 16-bit whatever the stored coding.
#include <gtest/gtest.h>

#include "audio/g711.h"
#include "audio/ima_adpcm.h"
#include "audio/ms_adpcm.h"
#include "audio/wav_decoder.h"
#include "audio/wav_format.h"
#include "wav_bytes.h"

namespace tikolvo::audio {
namespace {

using test::Chunk;
using test::FmtBody;
using test::Le16;
using test::Riff;
using test::Samples16;

TEST(WavFormat, WalksPastUnknownAndOddSizedChunksToFormatAndData) {
  const std::string data = Samples16({1, -2, 3});
  const std::string file = Riff(Chunk("LIST", "abc") +  // odd: one pad byte follows
                                Chunk("fmt ", FmtBody(1, 1, 22050, 16) + "xx") +  // longer fmt (cbSize etc.)
                                Chunk("fact", Le16(3) + Le16(0)) + Chunk("data", data) + Chunk("id3 ", "tag"));
  const auto layout = ParseWav(file);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->channels, 1);
  EXPECT_EQ(layout->sample_rate, 22050u);
  EXPECT_EQ(layout->LengthFrames(), 3u);
  EXPECT_EQ(file.substr(layout->data_offset, layout->data_size), data);
}

TEST(WavFormat, DataBeforeFormatAndWrongRiffSizeAreAccepted) {
  std::string file = Riff(Chunk("data", Samples16({5, 6})) + Chunk("fmt ", FmtBody(1, 2, 8000, 16)));
  file.replace(4, 4, test::Le32(0xFFFFFFFF));  // streaming recorders leave the RIFF size unset
  const auto layout = ParseWav(file);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->channels, 2);
  EXPECT_EQ(layout->LengthFrames(), 1u);
}

TEST(WavFormat, TruncatedOrAbsurdDataSizeIsClampedToTheFile) {
  const std::string head = Chunk("fmt ", FmtBody(1, 1, 8000, 16)) + "data" + test::Le32(0xFFFFFFF0);
  const auto cut = ParseWav(Riff(head + Samples16({1, 2, 3}) + "\x04"));  // 3.5 frames present
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->data_size, 7u);
  EXPECT_EQ(cut->LengthFrames(), 3u);
}

TEST(WavFormat, RejectsWhatCannotPlay) {
  const std::string data = Chunk("data", Samples16({0, 0}));
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"not RIFF", "RIFX" + Riff(data).substr(4)},
      {"not WAVE", Riff(data).replace(8, 4, "AVI ")},
      {"no fmt", Riff(data)},
      {"no data", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16)))},
      {"fmt too short", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16).substr(0, 12)) + data)},
      {"nineteen channels", Riff(Chunk("fmt ", FmtBody(1, 19, 8000, 16)) + data)},
      {"ADPCM beyond stereo", Riff(Chunk("fmt ", FmtBody(2, 3, 8000, 4, 256)) + data)},
      {"no channels", Riff(Chunk("fmt ", FmtBody(1, 0, 8000, 16)) + data)},
      {"absurd rate", Riff(Chunk("fmt ", FmtBody(1, 1, 4000000, 16)) + data)},
      {"12-bit", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 12)) + data)},
      {"GSM 6.10", Riff(Chunk("fmt ", FmtBody(0x31, 1, 8000, 0, 65)) + data)},
      {"fmt size beyond file", Riff("fmt " + test::Le32(0x7FFFFFFF) + FmtBody(1, 1, 8000, 16))},
      {"header only", std::string("RIFF\0\0\0\0WAVE", 12)},
  };
  for (const auto& [what, file] : cases) EXPECT_FALSE(ParseWav(file)) << what;
}

TEST(WavDecoder, ConvertsEveryStoredCodingToSigned16) {
  auto decode = [](const std::string& fmt, const std::string& data) {
    DecoderPtr decoder = OpenWavDecoder(Riff(Chunk("fmt ", fmt) + Chunk("data", data)));
    return decoder ? test::ReadAll(*decoder) : std::vector<std::int16_t>{};
  };
  // 8-bit is unsigned around 128.
  EXPECT_EQ(decode(FmtBody(1, 1, 8000, 8), std::string("\x00\x80\xFF", 3)),
            (std::vector<std::int16_t>{-32768, 0, 32512}));
  // 24-bit keeps its top 16 bits.
  EXPECT_EQ(decode(FmtBody(1, 1, 8000, 24), std::string("\x00\x34\x12\xFF\xFF\xFF", 6)),
            (std::vector<std::int16_t>{0x1234, -1}));
  const float floats[] = {0.5f, -1.0f, 3.0f};
  EXPECT_EQ(decode(FmtBody(3, 1, 8000, 32), std::string(reinterpret_cast<const char*>(floats), sizeof floats)),
            (std::vector<std::int16_t>{16384, -32767, 32767}));
  // WAVE_FORMAT_EXTENSIBLE with the PCM sub-format.
  const std::string extensible = FmtBody(0xFFFE, 2, 8000, 16) + Le16(22) + Le16(16) + test::Le32(3) + Le16(1) +
                                 std::string(14, '\0');
  EXPECT_EQ(decode(extensible, Samples16({7, -7, 8, -8})), (std::vector<std::int16_t>{7, -7, 8, -8}));
  // The two G.711 codings, one byte a sample.
  EXPECT_EQ(decode(FmtBody(6, 1, 8000, 8), std::string("\xD5\x2A", 2)), (std::vector<std::int16_t>{8, -32256}));
  EXPECT_EQ(decode(FmtBody(7, 2, 8000, 8), std::string("\x00\xFF", 2)), (std::vector<std::int16_t>{-32124, 0}));
}

// A few codes of the standard G.711 expansion tables: each segment's
// sign, bias and step must come out right.
TEST(G711, ExpandsCodesToTheStandardValues) {
  const std::vector<std::pair<std::uint8_t, std::int16_t>> alaw = {
      {0x00, -5504}, {0x01, -5248}, {0x02, -6016}, {0x80, 5504}, {0xD5, 8}, {0x55, -8}, {0xAA, 32256}};
  for (const auto& [code, value] : alaw) EXPECT_EQ(ALawToLinear(code), value) << int{code};
  const std::vector<std::pair<std::uint8_t, std::int16_t>> mulaw = {
      {0x00, -32124}, {0x01, -31100}, {0x80, 32124}, {0x90, 15996}, {0x7F, 0}, {0xFF, 0}};
  for (const auto& [code, value] : mulaw) EXPECT_EQ(MuLawToLinear(code), value) << int{code};
}

// Surround files play on two speakers: each side takes its own speakers,
// the centre goes to both at -3 dB, the low-frequency channel to neither,
// and each side is scaled so that the loudest mix still fits.
TEST(WavDecoder, MixesMoreThanTwoChannelsDownToStereo) {
  // Six channels without a mask: front left, right, centre, LFE, back left, right.
  DecoderPtr six = OpenWavDecoder(
      Riff(Chunk("fmt ", FmtBody(1, 6, 8000, 16)) +
           Chunk("data", Samples16({1000, -1000, 2000, 30000, 0, 0, 32767, 32767, 32767, 32767, 32767, 32767}))));
  ASSERT_TRUE(six);
  EXPECT_EQ(six->Format().channels, 2);
  EXPECT_EQ(six->LengthFrames(), 2u);
  // Left: (1000 + 0.7071 × 2000) / (1 + 0.7071 + 0.7071) = 1000; right: 414.2 / 2.4142.
  EXPECT_EQ(test::ReadAll(*six), (std::vector<std::int16_t>{1000, 172, 32767, 32767}));

  // Three channels whose mask says the third is the LFE, not a centre.
  const std::string fmt = FmtBody(0xFFFE, 3, 8000, 16) + Le16(22) + Le16(16) + test::Le32(0x1 | 0x2 | 0x8) + Le16(1) +
                          std::string(14, '\0');
  DecoderPtr three = OpenWavDecoder(Riff(Chunk("fmt ", fmt) + Chunk("data", Samples16({1000, -1000, 30000}))));
  ASSERT_TRUE(three);
  EXPECT_EQ(test::ReadAll(*three), (std::vector<std::int16_t>{1000, -1000}));
}

TEST(WavDecoder, ReadsInPiecesUntilTheEndAndReportsTheLength) {
  DecoderPtr decoder = OpenWavDecoder(test::RampWav(2500, 11025));
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->Format().sample_rate, 11025u);
  EXPECT_EQ(decoder->LengthFrames(), 2500u);
  const std::vector<std::int16_t> all = test::ReadAll(*decoder, 999);
  ASSERT_EQ(all.size(), 2500u);
  EXPECT_EQ(all[1234], 1234);
  std::int16_t more[4];
  EXPECT_EQ(decoder->Read(more, 4), 0u);
}

TEST(WavDecoder, EmptyDataPlaysNothing) {
  EXPECT_FALSE(OpenWavDecoder(Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16)) + Chunk("data", ""))));
}

// An IMA ADPCM block worked through by hand from the standard step table:
// header sample 1000 at step index 0 (step 7), then the codes 4, 0, 12, 0
// and four zeros. Code 4 adds the step and raises the index by 2; code 12
// subtracts; code 0 adds step/8 and lowers the index by 1.
TEST(ImaAdpcm, DecodesHeaderSampleThenNibblesLowFirst) {
  const std::string block = Le16(1000) + std::string("\x00\x00", 2) + std::string("\x04\x0C\x00\x00", 4);
  std::vector<std::int16_t> out;
  EXPECT_EQ(DecodeImaAdpcmBlock(block, 1, out), 9u);
  EXPECT_EQ(out, (std::vector<std::int16_t>{1000, 1007, 1008, 999, 1000, 1001, 1002, 1002, 1002}));
}

// An MS ADPCM block worked through by hand: predictor 1 (2 × s1 − s2),
// step 16, samples 100 then 50 (the older plays first), then the codes
// 1, −1, 7, 0. Each code adds code × step to the prediction; the step then
// scales by 230/256 (kept at 16 at least) or 614/256 after a 7.
TEST(MsAdpcm, DecodesAHandWorkedBlock) {
  const std::vector<AdpcmCoefficients> predictors = {{256, 0}, {512, -256}};
  const std::string mono = std::string("\x01", 1) + Le16(16) + Le16(100) + Le16(50) + std::string("\x1F\x70", 2);
  std::vector<std::int16_t> out;
  EXPECT_EQ(DecodeMsAdpcmBlock(mono, 1, predictors, 6, out), 6u);
  // 2×100−50+16, 2×166−100−16, 2×216−166+7×16, 2×378−216.
  EXPECT_EQ(out, (std::vector<std::int16_t>{50, 100, 166, 216, 378, 540}));
}

// Stereo: every header field for left then right, and each code byte holds
// left in its high nibble, right in its low one. The file's own predictor
// table and samples-per-block come from the format chunk's extension.
TEST(WavDecoder, MsAdpcmStereoFileWithACutLastBlock) {
  const std::string header = std::string("\x00\x00", 2) + Le16(16) + Le16(32) + Le16(10) +
                             Le16(static_cast<std::uint16_t>(-10)) + Le16(5) + Le16(static_cast<std::uint16_t>(-5));
  const std::string block = header + "\x21";  // left code 2, right code 1
  std::string table;
  for (const auto& [first, second] : std::vector<std::pair<int, int>>{{256, 0}, {512, -256}, {0, 0}, {192, 64},
                                                                      {240, 0}, {460, -208}, {392, -232}}) {
    table += Le16(static_cast<std::uint16_t>(first)) + Le16(static_cast<std::uint16_t>(second));
  }
  const std::string fmt = FmtBody(2, 2, 8000, 4, 15) + Le16(32) + Le16(3) + Le16(7) + table;
  DecoderPtr decoder = OpenWavDecoder(Riff(Chunk("fmt ", fmt) + Chunk("data", block + header)));
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->LengthFrames(), 3u + 2u);  // the cut block keeps its two header frames
  EXPECT_EQ(test::ReadAll(*decoder, 2),
            (std::vector<std::int16_t>{5, -5, 10, -10, 10 + 2 * 16, -10 + 1 * 32, 5, -5, 10, -10}));
}

TEST(WavDecoder, ImaAdpcmStereoFileHasTheAnnouncedLength) {
  // Block of 2 × 4 header bytes + 2 groups of 2 × 4 bytes: 1 + 16 frames.
  const std::uint16_t block_align = 8 + 16;
  std::string block = Le16(0) + std::string(2, '\0') + Le16(0) + std::string(2, '\0') + std::string(16, '\x11');
  const std::string file = Riff(Chunk("fmt ", FmtBody(0x11, 2, 8000, 4, block_align) + Le16(2) + Le16(17)) +
                                Chunk("data", block + block + block.substr(0, 16)));
  DecoderPtr decoder = OpenWavDecoder(file);
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->LengthFrames(), 17u + 17u + 9u);  // the cut third block still has one group
  EXPECT_EQ(test::ReadAll(*decoder, 5).size(), 2u * (17 + 17 + 9));
}

}  // namespace
}  // namespace tikolvo::audio
