// The stream bookkeeping the scheduler and the clock tick rely on: one
// current stream, stop until start, the end of a sound by position and
// length, harmless re-initialisation, and quiet failure with no device.
#include "audio/audio_engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "fake_audio_out.h"
#include "wav_bytes.h"

namespace tikolvo::audio {
namespace {

using test::FakeAudioOut;
using test::RampWav;

// A mono 16-bit sound whose every sample is `value`.
std::string FlatWav(std::int16_t value, std::size_t frames) {
  return test::Wav16(1, 8000, std::vector<std::int16_t>(frames, value));
}

TEST(AudioEngine, ANewSoundCutsTheOldOne) {
  FakeAudioOut device;
  AudioEngine engine(device);
  ASSERT_TRUE(engine.PlayMemory(FlatWav(1, 1000)));
  device.PlayFor(100);
  ASSERT_TRUE(engine.PlayMemory(FlatWav(2, 1000)));
  EXPECT_EQ(device.closes, 1);  // the first stream's output was let go before the second opened
  device.PlayFor(1000);
  EXPECT_EQ(device.heard.size(), 1100u);
  EXPECT_EQ(std::count(device.heard.begin(), device.heard.end(), 1), 100);  // nothing more of the old one
  EXPECT_TRUE(engine.IsFinished());
}

TEST(AudioEngine, StopSilencesEverythingUntilStart) {
  FakeAudioOut device;
  AudioEngine engine(device);
  ASSERT_TRUE(engine.PlayMemory(RampWav(1000)));
  device.PlayFor(100);
  engine.Stop();
  device.PlayFor(100);
  EXPECT_EQ(device.heard.size(), 100u);
  EXPECT_FALSE(engine.IsFinished());  // held, not ended

  // A sound started while stopped stays silent too.
  ASSERT_TRUE(engine.PlayMemory(RampWav(1000)));
  EXPECT_TRUE(device.paused);
  device.PlayFor(100);
  EXPECT_EQ(device.heard.size(), 100u);

  engine.Start();
  device.PlayFor(50);
  ASSERT_EQ(device.heard.size(), 150u);
  EXPECT_EQ(device.heard[100], 0);  // the new sound from its first frame
}

TEST(AudioEngine, EndOfSoundByPositionReachingLength) {
  FakeAudioOut device;
  AudioEngine engine(device);
  EXPECT_TRUE(engine.IsFinished());  // no stream yet: nothing to wait for
  ASSERT_TRUE(engine.PlayMemory(test::Wav16(2, 8000, std::vector<std::int16_t>(2 * 300, 5))));
  EXPECT_EQ(engine.LengthBytes(), 300u * 4);
  device.PlayFor(299);
  EXPECT_EQ(engine.PositionBytes(), 299u * 4);
  EXPECT_FALSE(engine.IsFinished());
  device.PlayFor(10);
  EXPECT_EQ(engine.PositionBytes(), engine.LengthBytes());
  EXPECT_TRUE(engine.IsFinished());
}

TEST(AudioEngine, ASoundShorterThanItsHeaderSaysStillEnds) {
  // A damaged stream may deliver fewer frames than it announced: once the
  // decoder runs dry, the length is what it really gave.
  struct Overpromising final : PcmDecoder {
    PcmFormat Format() const override { return {8000, 1}; }
    std::uint64_t LengthFrames() const override { return 1000; }
    std::size_t Read(std::int16_t* out, std::size_t frames) override {
      const std::size_t n = std::min<std::size_t>(frames, 400 - given);
      std::fill_n(out, n, 0);
      given += n;
      return n;
    }
    std::size_t given = 0;
  };
  FakeAudioOut device;
  AudioEngine engine(device);
  ASSERT_TRUE(engine.Play(std::make_unique<Overpromising>()));
  EXPECT_EQ(engine.LengthBytes(), 2000u);
  device.PlayFor(1000);
  EXPECT_EQ(engine.LengthBytes(), 800u);
  EXPECT_TRUE(engine.IsFinished());
}

TEST(AudioEngine, RepeatedInitIsHarmless) {
  FakeAudioOut device;
  AudioEngine engine(device);
  EXPECT_TRUE(engine.Init());
  ASSERT_TRUE(engine.PlayMemory(RampWav(500)));
  device.PlayFor(100);
  EXPECT_TRUE(engine.Init());
  EXPECT_TRUE(engine.HasStream());
  EXPECT_EQ(device.opens, 1);
  device.PlayFor(100);
  EXPECT_EQ(device.heard[150], 150);
}

TEST(AudioEngine, WithoutADeviceEveryCallFailsQuietly) {
  FakeAudioOut device;
  device.has_device = false;
  AudioEngine engine(device);
  EXPECT_FALSE(engine.Init());
  engine.Stop();
  engine.Start();
  EXPECT_FALSE(engine.PlayMemory(RampWav(100)));
  EXPECT_FALSE(engine.HasStream());
  EXPECT_EQ(engine.PositionBytes(), 0u);
  EXPECT_EQ(engine.LengthBytes(), 0u);
  EXPECT_TRUE(engine.IsFinished());
  engine.FreeStream();
}

TEST(AudioEngine, WhatIsNoSoundDoesNotPlayAndFreesTheOldStream) {
  FakeAudioOut device;
  AudioEngine engine(device);
  ASSERT_TRUE(engine.PlayMemory(RampWav(100)));
  EXPECT_FALSE(engine.PlayMemory("just some text, not a sound"));
  EXPECT_FALSE(engine.HasStream());
  EXPECT_FALSE(device.open);
  EXPECT_FALSE(engine.PlayFile("/no/such/file.wav"));
}

TEST(AudioEngine, PlaysAFileChosenByContentNotByName) {
  const std::string path = (std::filesystem::temp_directory_path() / "tikolvo_engine_test.mp3").string();
  ASSERT_TRUE(SaveFileAtomically(path, RampWav(300)));  // a WAVE file with an .mp3 name
  FakeAudioOut device;
  AudioEngine engine(device);
  EXPECT_TRUE(engine.PlayFile(path));
  device.PlayFor(300);
  EXPECT_EQ(device.heard.size(), 300u);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace tikolvo::audio
