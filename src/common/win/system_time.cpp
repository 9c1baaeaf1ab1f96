#include "common/win/system_time.h"

namespace tikolvo {

SYSTEMTIME ToSystemTime(DateTime value) {
  const CivilTime civil = DecodeDateTime(value);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(civil.year);
  time.wMonth = static_cast<WORD>(civil.month);
  time.wDay = static_cast<WORD>(civil.day);
  time.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);  // Sunday = 0
  time.wHour = static_cast<WORD>(civil.hour);
  time.wMinute = static_cast<WORD>(civil.minute);
  time.wSecond = static_cast<WORD>(civil.second);
  time.wMilliseconds = static_cast<WORD>(civil.millisecond);
  return time;
}

DateTime FromSystemTime(const SYSTEMTIME& time) {
  return EncodeDateTime(CivilTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                                  time.wMilliseconds});
}

DateTime LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FromSystemTime(now);
}

}  // namespace tikolvo
