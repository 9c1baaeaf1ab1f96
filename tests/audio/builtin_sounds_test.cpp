// The ten built-in short sounds as the generator renders them from
// assets/sounds, packed into a bank laid out by hand, and the scheduler's
// playback of them and of sound files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "../skin/skin_bytes.h"
#include "audio/builtin_sounds.h"
#include "audio/sound_player.h"
#include "audio/tone_recipe.h"
#include "audio/tone_synth.h"
#include "audio/wav_decoder.h"
#include "audio/wav_writer.h"
#include "common/file_io.h"
#include "fake_audio_out.h"
#include "skin/sound_bank.h"
#include "wav_bytes.h"

namespace tikolvo::audio {
namespace {

namespace fs = std::filesystem;

struct Rendered {
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;
  std::string wav;
};

// Sound number → its rendering, from the shipped descriptions.
const std::map<int, Rendered>& ShippedSounds() {
  static const std::map<int, Rendered> sounds = [] {
    std::map<int, Rendered> out;
    const fs::path folder = fs::path(__FILE__).parent_path().parent_path().parent_path() / "assets" / "sounds";
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() != ".txt") continue;
      const SoundRecipe recipe = ParseSoundRecipe(ReadWholeFile(entry.path().string()).value());
      Rendered rendered{recipe.sample_rate, RenderSound(recipe), ""};
      rendered.wav = EncodeWav16(recipe.sample_rate, 1, rendered.samples);
      EXPECT_TRUE(out.emplace(recipe.number, std::move(rendered)).second) << "number used twice: " << recipe.number;
    }
    return out;
  }();
  return sounds;
}

// The bank as the documented container: count, 12-byte records, zlib data.
std::string PackBank(const std::map<int, Rendered>& sounds) {
  std::string bank(1 + 12 * sounds.size(), '\0');
  tikolvo::test::PutU8(bank, 0, static_cast<std::uint8_t>(sounds.size()));
  int k = 0;
  for (const auto& [number, sound] : sounds) {
    const std::string packed = tikolvo::test::Zlib(sound.wav);
    tikolvo::test::PutU32(bank, 1 + 12 * k, static_cast<std::uint32_t>(packed.size()));
    tikolvo::test::PutU32(bank, 5 + 12 * k, static_cast<std::uint32_t>(bank.size()));
    tikolvo::test::PutU32(bank, 9 + 12 * k, static_cast<std::uint32_t>(number));
    bank += packed;
    ++k;
  }
  return bank;
}

TEST(BuiltinSounds, TenShortCleanSoundsUnderTheNumbersZeroToNine) {
  const auto& sounds = ShippedSounds();
  ASSERT_EQ(sounds.size(), 10u);
  std::set<std::vector<std::int16_t>> distinct;
  for (const auto& [number, sound] : sounds) {
    SCOPED_TRACE(number);
    EXPECT_GE(number, 0);
    EXPECT_LE(number, 9);
    const double seconds = static_cast<double>(sound.samples.size()) / sound.rate;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 1.5);
    int peak = 0;
    for (const std::int16_t s : sound.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 16000);  // loud enough to hear
    EXPECT_LT(peak, 32000);  // and never clipped
    // Faded in and out: no click at either end.
    EXPECT_LT(std::abs(sound.samples.front()), 200);
    EXPECT_LT(std::abs(sound.samples.back()), 200);
    distinct.insert(sound.samples);
  }
  EXPECT_EQ(distinct.size(), 10u);
}

TEST(BuiltinSounds, ComeBackWholeFromThePackedBank) {
  const std::string bank = PackBank(ShippedSounds());
  for (const auto& [number, sound] : ShippedSounds()) {
    const std::optional<std::string> member = SoundBankMember(bank, static_cast<std::uint8_t>(number));
    ASSERT_TRUE(member);
    DecoderPtr decoder = OpenWavDecoder(*member);
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->Format().sample_rate, sound.rate);
    EXPECT_EQ(test::ReadAll(*decoder), sound.samples);
  }
  EXPECT_FALSE(SoundBankMember(bank, 10));
}

TEST(BuiltinSounds, ListPositionsMapToBankNumbers) {
  EXPECT_EQ(BuiltinSoundNumber(0), 2);  // Ding
  EXPECT_EQ(BuiltinSoundNumber(3), 0);  // Ring
  EXPECT_EQ(BuiltinSoundNumber(4), 1);  // Woohoo
  EXPECT_EQ(BuiltinSoundNumber(9), 9);  // Warning
  EXPECT_FALSE(BuiltinSoundNumber(-1));
  EXPECT_FALSE(BuiltinSoundNumber(10));
}

TEST(SoundRecipe, RejectsTyposAndIncompleteSounds) {
  const std::string good = "number 1\nrate 22050\nlength 0.5\ntone dur=0.4 freq=440\n";
  EXPECT_NO_THROW(ParseSoundRecipe(good));
  for (const std::string& bad : {good + "tone dur=0.4 frq=440\n", good + "tone dur=0.4 freq=4x\n",
                                 good + "tone dur=0.4 freq=440 partials=1\n", good + "volume 3\n",
                                 std::string("number 1\nlength 0.5\n"), std::string("rate 22050\nlength 1\ntone dur=1 freq=1\n"),
                                 good + "tone freq=440\n"}) {
    EXPECT_THROW(ParseSoundRecipe(bad), std::runtime_error) << bad;
  }
}

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tikolvo_sound_player_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder_);
    bank_ = (folder_ / "music.res").string();
    ASSERT_TRUE(SaveFileAtomically(bank_, PackBank(ShippedSounds())));
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  std::string bank_;
  test::FakeAudioOut device_;
  AudioEngine engine_{device_};
};

// The stop controls watch the flag: they must come up with the sound and go
// once the tick sees its end, or "Стоп" stays on screen for good.
struct StopControls : SoundWatcher {
  std::vector<bool> told;
  void SoundPlayingChanged(bool playing) override { told.push_back(playing); }
};

TEST_F(SoundPlayerTest, BuiltinSoundPlaysUntilTheTickSeesItsEnd) {
  SoundPlayer player(engine_, bank_);
  StopControls stop;
  player.AddWatcher(stop);
  ASSERT_TRUE(player.PlayBuiltinSound(7));
  EXPECT_TRUE(player.playing());
  EXPECT_FALSE(player.CheckSoundEnded());
  device_.PlayFor(ShippedSounds().at(7).samples.size());
  EXPECT_TRUE(player.CheckSoundEnded());
  EXPECT_FALSE(player.playing());
  EXPECT_FALSE(engine_.HasStream());  // an ended sound lets its stream (and file) go
  EXPECT_FALSE(player.CheckSoundEnded());  // reported once
  EXPECT_EQ(stop.told, (std::vector<bool>{true, false}));
}

TEST_F(SoundPlayerTest, StopSilencesAndTheNextSoundPlaysAgain) {
  SoundPlayer player(engine_, bank_);
  ASSERT_TRUE(player.PlayBuiltinSound(2));
  player.StopSound();
  EXPECT_FALSE(player.playing());
  EXPECT_TRUE(engine_.IsStopped());
  EXPECT_FALSE(engine_.HasStream());
  ASSERT_TRUE(player.PlayBuiltinSound(5));  // every new sound starts the output again
  EXPECT_FALSE(device_.paused);
  device_.PlayFor(100);
  EXPECT_EQ(device_.heard.size(), 100u);
}

TEST_F(SoundPlayerTest, MissingThingsPlayNothing) {
  SoundPlayer player(engine_, bank_);
  EXPECT_FALSE(player.PlayBuiltinSound(12));  // no such number in the bank
  EXPECT_FALSE(player.PlaySoundFile((folder_ / "absent.mp3").string()));
  SoundPlayer without_bank(engine_, (folder_ / "none.res").string());
  EXPECT_FALSE(without_bank.PlayBuiltinSound(2));
  EXPECT_FALSE(player.playing());
  EXPECT_EQ(device_.opens, 0);
}

TEST_F(SoundPlayerTest, SoundFileCutsTheBuiltinSound) {
  SoundPlayer player(engine_, bank_);
  const std::string path = (folder_ / "alarm.wav").string();
  ASSERT_TRUE(SaveFileAtomically(path, test::RampWav(50)));
  ASSERT_TRUE(player.PlayBuiltinSound(8));
  ASSERT_TRUE(player.PlaySoundFile(path));
  device_.PlayFor(1000);
  EXPECT_EQ(device_.heard.size(), 50u);
  EXPECT_TRUE(player.CheckSoundEnded());
}

}  // namespace
}  // namespace tikolvo::audio
