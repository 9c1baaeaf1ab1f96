// Choosing a decoder by content, and the two library decoders on small
// fixture files (see fixtures/README.md for how they were made).
#include "audio/sound_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "audio/byte_source.h"
#include "audio/mp3_decoder.h"
#include "audio/mpeg_sniff.h"
#include "audio/ogg_decoder.h"
#include "audio/ogg_packets.h"
#include "common/file_io.h"
#include "wav_bytes.h"

namespace tikolvo::audio {
namespace {

std::string Fixture(const char* name) {
  const auto path = std::filesystem::path(__FILE__).parent_path() / "fixtures" / name;
  return ReadWholeFile(path.string()).value_or("");
}

// A long file made of a head and a body repeated to its size, counting
// what is read of it.
class LongFile final : public ByteSource {
 public:
  LongFile(std::string head, std::string body, std::uint64_t size, std::uint64_t& read)
      : head_(std::move(head)), body_(std::move(body)), size_(size), read_(read) {}
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    for (; done < count && offset + done < size_; ++done) {
      const std::uint64_t at = offset + done;
      out[done] = at < head_.size() ? head_[at] : body_[(at - head_.size()) % body_.size()];
    }
    read_ += done;
    return done;
  }

 private:
  std::string head_, body_;
  std::uint64_t size_;
  std::uint64_t& read_;
};

// The pitch of a plain tone: rising crossings through a band around zero
// (so coding noise near silence does not count), over the middle half.
double PitchOfChannel(const std::vector<std::int16_t>& samples, unsigned channels, unsigned channel,
                      std::uint32_t rate) {
  const std::size_t frames = samples.size() / channels;
  const std::size_t first = frames / 4;
  const std::size_t last = frames * 3 / 4;
  int crossings = 0;
  bool below = false;
  for (std::size_t i = first; i < last; ++i) {
    const int sample = samples[i * channels + channel];
    if (sample < -2000) below = true;
    if (below && sample > 2000) {
      ++crossings;
      below = false;
    }
  }
  return crossings * static_cast<double>(rate) / static_cast<double>(last - first);
}

TEST(SoundFormat, IsTakenFromTheBytes) {
  EXPECT_EQ(DetectSoundFormat(test::RampWav(10)), SoundFormat::kWav);
  EXPECT_EQ(DetectSoundFormat(Fixture("tone.ogg")), SoundFormat::kOggVorbis);
  EXPECT_EQ(DetectSoundFormat(Fixture("tone.mp3")), SoundFormat::kMpeg);
  // An MP3 without its tag, starting right at a frame, and one after junk.
  const std::string mp3 = Fixture("stereo.mp3");
  const std::string frames = mp3.substr(Id3v2TagSize(mp3));
  EXPECT_EQ(DetectSoundFormat(frames), SoundFormat::kMpeg);
  EXPECT_EQ(DetectSoundFormat(std::string(300, '\0') + frames), SoundFormat::kMpeg);
  for (const std::string& other : {std::string(""), std::string("RIFF"), std::string("ID3"), std::string("MThd\0\0\0\6", 8),
                                   std::string("\xFF\xFB\x90\x00", 4) /* one lone header */}) {
    EXPECT_EQ(DetectSoundFormat(other), SoundFormat::kUnknown) << other.size();
    EXPECT_FALSE(OpenSoundDecoder(other));
  }
}

TEST(MpegHeader, FrameSizesOfTheCommonLayouts) {
  // MPEG-1 layer III, 128 kbit/s, 44100 Hz: 417 bytes, 418 with padding.
  EXPECT_EQ(ParseMpegHeader(std::string("\xFF\xFB\x90\x00", 4))->frame_bytes, 417u);
  EXPECT_EQ(ParseMpegHeader(std::string("\xFF\xFB\x92\x00", 4))->frame_bytes, 418u);
  // MPEG-2 layer III, 32 kbit/s, 22050 Hz: 72 × 32000 / 22050 = 104.
  const auto v2 = ParseMpegHeader(std::string("\xFF\xF3\x40\x00", 4));
  ASSERT_TRUE(v2);
  EXPECT_EQ(v2->sample_rate, 22050u);
  EXPECT_EQ(v2->frame_bytes, 104u);
  // Free bitrate, bad bitrate and the reserved rate are not headers we trust.
  for (const char* bad : {"\xFF\xFB\x00\x00", "\xFF\xFB\xF0\x00", "\xFF\xFB\x9C\x00", "\xFF\xF9\x90\x00"}) {
    EXPECT_FALSE(ParseMpegHeader(std::string(bad, 4)));
  }
}

TEST(OggDecoder, DecodesTheFixtureTone) {
  if (!OggVorbisAvailable()) GTEST_SKIP() << "built without stb_vorbis";
  DecoderPtr decoder = OpenSoundDecoder(Fixture("tone.ogg"));
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->Format().sample_rate, 22050u);
  EXPECT_EQ(decoder->Format().channels, 1);
  EXPECT_EQ(decoder->LengthFrames(), 11025u);
  const std::vector<std::int16_t> samples = test::ReadAll(*decoder, 777);
  EXPECT_EQ(samples.size(), 11025u);
  EXPECT_NEAR(PitchOfChannel(samples, 1, 0, 22050), 440.0, 10.0);
}

// stb_vorbis writes past its buffers when a comment header's length fields
// claim more than the packet holds, so such files are refused beforehand.
TEST(OggDecoder, RefusesCommentLengthsBeyondTheirPacket) {
  const std::string good = Fixture("tone.ogg");
  EXPECT_TRUE(VorbisCommentsFit(good));
  const std::size_t comments = good.find("\x03vorbis");
  ASSERT_NE(comments, std::string::npos);
  for (const std::size_t field : {comments + 7 /* vendor */, comments + 11 + good[comments + 7] /* list */}) {
    std::string lying = good;
    lying.replace(field, 4, test::Le32(0x7FFFFFF0));
    EXPECT_FALSE(VorbisCommentsFit(lying));
    EXPECT_FALSE(OpenSoundDecoder(lying));
  }
  EXPECT_FALSE(VorbisCommentsFit(good.substr(0, comments + 20)));  // packet cut off with the file
}

// Without its last page the length is unknown; a long stretch of junk after
// the sound then ends it, rather than being read through waiting for a packet.
TEST(OggDecoder, EndsAtALongStretchWithoutPages) {
  if (!OggVorbisAvailable()) GTEST_SKIP() << "built without stb_vorbis";
  std::uint64_t read = 0;
  DecoderPtr decoder =
      OpenSoundDecoder(std::make_unique<LongFile>(Fixture("tone.ogg"), std::string(1, '\0'), 100u << 20, read));
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->LengthFrames(), 0u);
  EXPECT_GE(test::ReadAll(*decoder).size(), 11025u);
  EXPECT_LT(read, 8u << 20);
}

TEST(Mp3Decoder, DecodesMonoAndStereoFixtures) {
  if (!Mp3Available()) GTEST_SKIP() << "built without libmpg123";
  DecoderPtr mono = OpenSoundDecoder(Fixture("tone.mp3"));
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->Format().sample_rate, 22050u);
  EXPECT_EQ(mono->Format().channels, 1);
  const std::vector<std::int16_t> mono_samples = test::ReadAll(*mono, 500);
  // The length is told without reading the whole file: from the size, so
  // within a frame of what decoding yields.
  EXPECT_NEAR(static_cast<double>(mono_samples.size()), static_cast<double>(mono->LengthFrames()), 576);
  // The encoder's delay and padding may remain: up to a few frames of 576.
  EXPECT_GE(mono_samples.size(), 11025u);
  EXPECT_LE(mono_samples.size(), 11025u + 4 * 576);
  EXPECT_NEAR(PitchOfChannel(mono_samples, 1, 0, 22050), 440.0, 10.0);

  DecoderPtr stereo = OpenSoundDecoder(Fixture("stereo.mp3"));
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->Format().sample_rate, 44100u);
  EXPECT_EQ(stereo->Format().channels, 2);
  const std::vector<std::int16_t> stereo_samples = test::ReadAll(*stereo, 1152);
  EXPECT_NEAR(static_cast<double>(stereo_samples.size()), 2.0 * static_cast<double>(stereo->LengthFrames()), 2 * 1152);
  EXPECT_NEAR(PitchOfChannel(stereo_samples, 2, 0, 44100), 660.0, 15.0);
  EXPECT_NEAR(PitchOfChannel(stereo_samples, 2, 1, 44100), 880.0, 15.0);
}

// Windows keeps some of its sounds as MP3 frames inside a WAVE file.
TEST(Mp3Decoder, PlaysMpegAudioInsideAWaveFile) {
  if (!Mp3Available()) GTEST_SKIP() << "built without libmpg123";
  const std::string mp3 = Fixture("stereo.mp3");
  const std::string fmt = test::FmtBody(0x55, 2, 44100, 0, 1) + test::Le16(12) + std::string(12, '\0');
  DecoderPtr decoder = OpenSoundDecoder(
      test::Riff(test::Chunk("fmt ", fmt) + test::Chunk("fact", test::Le32(13230)) + test::Chunk("data", mp3)));
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->Format().sample_rate, 44100u);
  EXPECT_EQ(decoder->Format().channels, 2);
  const std::vector<std::int16_t> samples = test::ReadAll(*decoder, 1152);
  EXPECT_GE(samples.size(), 2u * 13230);
  EXPECT_NEAR(PitchOfChannel(samples, 2, 0, 44100), 660.0, 15.0);
}

// A 100 MB sound must start at once: the decoders read a bounded start of
// the file (and the Ogg decoder its last page), then only what they play.
TEST(SoundDecoder, OpensALongFileWithoutReadingItAll) {
  constexpr std::uint64_t kSize = 100u << 20;
  const std::string mp3 = Fixture("stereo.mp3");
  const std::string mp3_frames = mp3.substr(Id3v2TagSize(mp3));
  const std::string wav_head =
      test::Riff(test::Chunk("fmt ", test::FmtBody(1, 2, 44100, 16))) + "data" + test::Le32(kSize - 44);
  struct Case {
    const char* what;
    std::string head, body;
    bool available;
  };
  for (const Case& c :
       {Case{"wav", wav_head, std::string(4, '\1'), true}, Case{"mp3", mp3_frames, mp3_frames, Mp3Available()},
        Case{"ogg", Fixture("tone.ogg"), std::string(1, '\0'), OggVorbisAvailable()}}) {
    if (!c.available) continue;
    std::uint64_t read = 0;
    DecoderPtr decoder = OpenSoundDecoder(std::make_unique<LongFile>(c.head, c.body, kSize, read));
    ASSERT_TRUE(decoder) << c.what;
    EXPECT_LT(read, 1u << 20) << c.what;
    std::vector<std::int16_t> buffer(2 * 4410);
    EXPECT_EQ(decoder->Read(buffer.data(), 4410), 4410u) << c.what;
    EXPECT_LT(read, 2u << 20) << c.what;
  }
}

TEST(Mp3Decoder, ACutFileDecodesWhatIsThereAndEnds) {
  if (!Mp3Available()) GTEST_SKIP() << "built without libmpg123";
  const std::string mp3 = Fixture("stereo.mp3");
  DecoderPtr decoder = OpenSoundDecoder(mp3.substr(0, mp3.size() / 2));
  ASSERT_TRUE(decoder);
  const std::size_t frames = test::ReadAll(*decoder).size() / 2;
  EXPECT_GT(frames, 3000u);
  EXPECT_LT(frames, 13230u);
}

}  // namespace
}  // namespace tikolvo::audio
