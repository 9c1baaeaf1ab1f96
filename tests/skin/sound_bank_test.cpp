#include "skin/sound_bank.h"

#include <gtest/gtest.h>

#include "skin_bytes.h"

namespace tikolvo {
namespace {

using test::PutU32;
using test::PutU8;

// A bank laid out by hand: count, records of 12 bytes, data after them.
struct BankBytes {
  explicit BankBytes(int count) : bytes(1 + 12 * static_cast<std::size_t>(count), '\0') {
    PutU8(bytes, 0, static_cast<std::uint8_t>(count));
  }
  void SetRecord(int k, std::uint32_t size, std::uint32_t offset, std::uint32_t number) {
    PutU32(bytes, 1 + 12 * k, size);
    PutU32(bytes, 5 + 12 * k, offset);
    PutU32(bytes, 9 + 12 * k, number);
  }
  void AddSound(int k, std::uint32_t number, const std::string& sound) {
    const std::string packed = test::Zlib(sound);
    SetRecord(k, static_cast<std::uint32_t>(packed.size()), static_cast<std::uint32_t>(bytes.size()), number);
    bytes += packed;
  }
  std::string bytes;
};

TEST(SoundBank, FindsTheFirstRecordWhoseNumberLowByteMatches) {
  BankBytes bank(4);
  bank.AddSound(0, 3, "RIFF notify");
  bank.AddSound(1, 0x0107, "RIFF click");  // only the low byte counts
  bank.AddSound(2, 3, "RIFF second notify");
  bank.AddSound(3, 0, "RIFF ring");
  EXPECT_EQ(SoundBankMember(bank.bytes, 3), "RIFF notify");
  EXPECT_EQ(SoundBankMember(bank.bytes, 7), "RIFF click");
  EXPECT_EQ(SoundBankMember(bank.bytes, 0), "RIFF ring");
  EXPECT_FALSE(SoundBankMember(bank.bytes, 9));
}

TEST(SoundBank, CountZeroYieldsNothing) {
  BankBytes bank(0);
  bank.bytes += std::string(12, '\0');  // a record the count does not include
  for (int number : {0, 1, 9, 255}) EXPECT_FALSE(SoundBankMember(bank.bytes, number));
  EXPECT_FALSE(SoundBankMember("", 0));
}

TEST(SoundBank, DamagedBankYieldsNothing) {
  BankBytes cut(3);  // claims three records, holds one
  cut.AddSound(0, 1, "one");
  EXPECT_EQ(SoundBankMember(cut.bytes, 1), "one");
  EXPECT_FALSE(SoundBankMember(cut.bytes.substr(0, 20), 2));

  BankBytes beyond(1);
  beyond.SetRecord(0, 100, 0xFFFFFFF0, 2);
  EXPECT_FALSE(SoundBankMember(beyond.bytes, 2));

  BankBytes not_zlib(1);
  not_zlib.SetRecord(0, 4, 1, 2);  // the record table itself is no zlib stream
  EXPECT_FALSE(SoundBankMember(not_zlib.bytes, 2));
}

TEST(SoundBank, MissingFileYieldsNothing) {
  EXPECT_FALSE(ReadSoundBankMember("/nonexistent/plug/music.res", 1));
}

}  // namespace
}  // namespace tikolvo
