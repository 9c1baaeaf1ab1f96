#pragma once
// The statistics window's picture of a connection's traffic: per calendar
// day the bytes received and sent, stacked as bars on an axis in the
// connection's own unit, the day's cost as a line on a scale of its own, and
// the traffic limit as a rule across. A session counts on the day it
// started, as the chosen-day row of the statistics does.
#include <cstdint>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/geometry.h"
#include "netlog/connection_records.h"
#include "netlog/statistics_summary.h"
#include "reminders/canvas.h"

namespace tikolvo {

inline constexpr int kChartDays = 31;

struct ChartDay {
  DateTime day = 0;  // the whole day
  std::int64_t received = 0, sent = 0;
  double cost = 0;  // in the chart's currency
};

struct TrafficChart {
  std::vector<ChartDay> days;  // oldest first
  int unit = 0;                // the connection's log unit: 0 b, 1 Kb, 2 Mb, 3 Gb
  int currency = 0;            // 0 rouble, 1 dollar
  std::int64_t limit = 0;      // the traffic limit in bytes; 0: none
  int sessions = 0;            // sessions counted on the days shown
};

struct ChartDayRange {
  DateTime first = 0, last = 0;  // whole days, both shown
};

// The days the chart shows for what the statistics window has chosen: the
// 31 days up to today, up to the chosen day, or the chosen period's last 31
// days (a period backwards shows no day).
ChartDayRange ChartRange(const StatisticsChoice& choice, DateTime now);

// The connection's sessions (valid, of that name in any letter case) summed
// by the day they started, for the days of the range (at most the last 31 of
// it). The cost is in roubles unless every enabled tariff is in dollars.
TrafficChart ChartOfDays(const std::vector<SessionRecord>& sessions, const ConnectionRecord& record,
                         const std::string& name, const ChartDayRange& range);

// An axis from 0 in `steps` equal steps of a round size: 1, 2 or 5 times a
// power of ten, never finer than 10^finestExponent. The finest such step
// whose at most maxSteps steps reach `highest`; nothing to show (0, less,
// not a number) is one step of 1.
struct AxisScale {
  double step = 1;
  int steps = 1;
  int decimals = 0;  // digits the step's labels need
  double Top() const { return step * steps; }
};
AxisScale RoundScale(double highest, int maxSteps, int finestExponent);

// Colours are 0x00BBGGRR.
struct ChartLook {
  std::uint32_t background = 0xFFFFFF;
  std::uint32_t text = 0x000000;
  std::uint32_t axis = 0x404040;
  std::uint32_t grid = 0xE4E4E4;
  std::uint32_t received = 0x339933;
  std::uint32_t sent = 0xCC6633;
  std::uint32_t cost = 0x0060E0;
  std::uint32_t limit = 0x0000CC;
  CanvasFont font{"Verdana", 7};
};

// Paints the whole picture over (0, 0)..size: the legend at the top, the
// traffic axis on the left in the chart's unit, the cost axis on the right,
// the days below. The traffic axis reaches both the highest day and the
// limit. Without sessions the axes stay and a short text says so.
void DrawTrafficChart(const TrafficChart& chart, ShapeCanvas& canvas, PixelSize size,
                      const ChartLook& look = ChartLook());

}  // namespace tikolvo
