#pragma once
// The task record of plan.db: 1576 bytes, little-endian, texts as short
// string fields of CP1251. In memory the texts are UTF-8; they are cut to
// their field's capacity (in CP1251 bytes) when a record is encoded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"

namespace tikolvo {

// What makes a task fire. Values are the stored codes; a damaged file may
// hold any other byte, which no rule treats as due.
enum class TaskTrigger : std::uint8_t {
  kAtTime = 0,        // a time of day, every day or once on a date
  kHourly = 1,        // every whole hour
  kOnStart = 2,       // when the program starts
  kOnConnect = 3,     // when an internet connection comes up
  kOnDisconnect = 4,  // when it goes down
  kMonthly = 5,       // a day of every month
};

struct TPlanTask {
  std::string name;
  bool hangUpActive = false;
  std::string connectionName;  // "Все" means every connection
  std::uint8_t dialAction = 0;  // 4 = hang up, the only code that does anything
  bool weekdayFilter = false;
  std::array<bool, 7> weekdays{};  // Monday first
  std::uint8_t hintIcon = 0;
  bool monthFilter = false;
  std::array<bool, 12> months{};  // January first
  bool monthlyActive = false;
  std::uint16_t timerTaskId = 0;
  bool timerMode = false;
  std::uint16_t hintDuration = 0;  // tenths of a second; 1 = until clicked
  bool hintActive = false;
  bool beepActive = false;
  std::int32_t beepFrequency = 0;  // Hz
  std::int32_t beepDuration = 0;   // ms
  DateTime when = 0;
  bool everyDay = false;
  bool powerOff = false;
  bool reboot = false;
  bool runActive = false;
  std::string runFile;
  std::string runParams;
  bool messageActive = false;
  std::string messageText;
  bool dirActive = false;  // kept from the wizard, no effect
  std::string hintText;
  bool autoLock = false;
  bool autoDelete = false;
  bool standby = false;
  bool hibernate = false;
  bool logOff = false;  // kept from the wizard, no effect
  TaskTrigger trigger = TaskTrigger::kAtTime;
  bool locked = false;
  std::int32_t editMark = 0;  // 1 made by the wizard, -1 edited
  bool soundActive = false;
  std::int32_t soundIndex = 0;  // 0..9, -1 none
  bool musicActive = false;
  std::string musicFile;
  bool isNext = false;  // marked by the search as one of the next tasks
  bool inUse = false;   // 0 = a free record
  std::int32_t id = 0;

  bool operator==(const TPlanTask&) const = default;
};

// Byte layout of a record.
namespace plan_layout {
inline constexpr std::size_t kRecordSize = 1576;
inline constexpr std::size_t kHeaderSize = 4;

inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kHangUpActive = 64;
inline constexpr std::size_t kConnectionName = 65;
inline constexpr std::size_t kDialAction = 129;
inline constexpr std::size_t kWeekdayFilter = 130;
inline constexpr std::size_t kWeekdays = 131;
inline constexpr std::size_t kHintIcon = 138;
inline constexpr std::size_t kMonthFilter = 139;
inline constexpr std::size_t kMonths = 140;
inline constexpr std::size_t kMonthlyActive = 152;
inline constexpr std::size_t kTimerTaskId = 154;
inline constexpr std::size_t kTimerMode = 156;
inline constexpr std::size_t kHintDuration = 158;
inline constexpr std::size_t kHintActive = 245;
inline constexpr std::size_t kBeepActive = 247;
inline constexpr std::size_t kBeepFrequency = 248;
inline constexpr std::size_t kBeepDuration = 252;
inline constexpr std::size_t kWhen = 256;
inline constexpr std::size_t kEveryDay = 264;
inline constexpr std::size_t kPowerOff = 265;
inline constexpr std::size_t kReboot = 266;
inline constexpr std::size_t kRunActive = 267;
inline constexpr std::size_t kRunFile = 268;
inline constexpr std::size_t kRunParams = 524;
inline constexpr std::size_t kMessageActive = 780;
inline constexpr std::size_t kMessageText = 781;
inline constexpr std::size_t kDirActive = 1037;
inline constexpr std::size_t kHintText = 1046;
inline constexpr std::size_t kAutoLock = 1286;
inline constexpr std::size_t kAutoDelete = 1287;
inline constexpr std::size_t kStandby = 1288;
inline constexpr std::size_t kHibernate = 1290;
inline constexpr std::size_t kLogOff = 1292;
inline constexpr std::size_t kTrigger = 1293;
inline constexpr std::size_t kLocked = 1294;
inline constexpr std::size_t kEditMark = 1296;
inline constexpr std::size_t kSoundActive = 1300;
inline constexpr std::size_t kSoundIndex = 1304;
inline constexpr std::size_t kMusicActive = 1308;
inline constexpr std::size_t kMusicFile = 1309;
inline constexpr std::size_t kIsNext = 1565;
inline constexpr std::size_t kInUse = 1566;
inline constexpr std::size_t kId = 1568;

// Capacities of the text fields in CP1251 bytes (the length byte not counted).
inline constexpr std::size_t kNameCapacity = 63;
inline constexpr std::size_t kConnectionNameCapacity = 63;
inline constexpr std::size_t kPathCapacity = 255;  // RunFile, RunParams, MessageText, MusicFile
inline constexpr std::size_t kHintTextCapacity = 239;
}  // namespace plan_layout

// The 1576 bytes of a record; reserved bytes are written as 0.
std::string EncodePlanTask(const TPlanTask& task);

// Reads one record. Any non-zero byte of a bool field reads as true. Bytes
// missing at the end (a record cut short) read as zeros.
TPlanTask DecodePlanTask(std::string_view record);

// The values a task starts from: every day, all weekdays and months allowed,
// a 3-second balloon, a 1000 Hz beep of half a second, edited mark, `When`
// the given moment; everything else 0 or empty (so the record is free).
void ResetTask(TPlanTask& task, DateTime now);
TPlanTask ResetTaskValues(DateTime now);

}  // namespace tikolvo
