#pragma once
// Helpers for reminder tests: a fresh folder per test and records built by
// hand from the documented 280-byte layout.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/file_io.h"

namespace tikolvo {

// Offsets: 0 length, 1..255 text (CP1251), 256 start, 264 end, 272 in-use,
// 273 always 1, 274..279 zero.
inline std::string HandRecord(std::string_view cp1251Text, double start, double end, std::uint8_t inUse,
                              std::uint8_t mark = 1) {
  std::string record(280, '\0');
  record[0] = static_cast<char>(cp1251Text.size());
  record.replace(1, cp1251Text.size(), cp1251Text);
  const auto putDouble = [&record](std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  };
  putDouble(256, start);
  putDouble(264, end);
  record[272] = static_cast<char>(inUse);
  record[273] = static_cast<char>(mark);
  return record;
}

inline DateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

class ReminderFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("tikolvo_reminders_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string Path(const std::string& name = "message.db") const { return (folder_ / name).string(); }
  void Write(const std::string& bytes, const std::string& name = "message.db") const {
    ASSERT_TRUE(SaveFileAtomically(Path(name), bytes));
  }
  std::string Read(const std::string& name = "message.db") const { return ReadWholeFile(Path(name)).value_or("<missing>"); }

  std::filesystem::path folder_;
};

}  // namespace tikolvo
