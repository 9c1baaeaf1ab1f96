#include "netlog/traffic_chart.h"

#include <algorithm>
#include <cmath>

#include "common/cp1251.h"
#include "common/date_format.h"
#include "common/number_text.h"
#include "netlog/session_cost.h"
#include "netlog/traffic_text.h"

namespace tikolvo {
namespace {

// Dollars only when every tariff that counts is in dollars; with none, or
// with both kinds, the line shows roubles.
int ChartCurrency(const std::array<TariffRule, kTariffCount>& rules) {
  bool roubles = false, dollars = false;
  for (const TariffRule& rule : rules) {
    if (!rule.enabled) continue;
    (rule.currency == 1 ? dollars : roubles) = true;
  }
  return dollars && !roubles ? 1 : 0;
}

// A finite cost of a damaged record still counts; one that is not a number
// would poison the day's sum.
double Finite(double x) { return std::isfinite(x) ? x : 0.0; }

constexpr int kPad = 6;
constexpr int kTickGap = 4;          // between an axis and its labels
constexpr int kTickSpacing = 24;     // pixels at least between two value ticks
constexpr int kMostSteps = 8;
constexpr int kFinestExponent = -2;  // hundredths of a kilobyte, of a rouble
constexpr int kSwatch = 8;
constexpr int kWidestBar = 48;       // a few days in a wide chart are bars, not walls
constexpr int kCostThickness = 2;
constexpr const char* kNoSessions = "Нет сессий за эти дни";

// Where everything goes: the plot's rectangle (the zero line is its lower
// edge, the scales' tops its upper one) and the two scales.
struct Frame {
  PixelBox plot;
  AxisScale traffic, cost;
  double unitBytes = 1;
  int line = 0;     // the height of a text line
  double slot = 0;  // the width given to a day

  int Y(double value, const AxisScale& scale) const {
    if (!(value > 0)) return plot.bottom;
    return plot.bottom - static_cast<int>(std::lround(std::min(value / scale.Top(), 1.0) * plot.Height()));
  }
  int TrafficY(std::int64_t bytes) const { return Y(static_cast<double>(bytes) / unitBytes, traffic); }
  int SlotX(double at) const { return plot.left + static_cast<int>(std::lround(at * slot)); }
};

std::string TickText(const AxisScale& scale, int k) {
  return GroupNumberText(FormatFixed(scale.decimals, scale.step * k));
}

int AxisWidth(ShapeCanvas& canvas, const AxisScale& scale, std::string_view caption) {
  int widest = canvas.MeasureText(caption).width;
  for (int k = 0; k <= scale.steps; ++k) widest = std::max(widest, canvas.MeasureText(TickText(scale, k)).width);
  return widest;
}

std::string_view CurrencySign(int currency) { return currency == 1 ? "$" : "р"; }

Frame LayOut(const TrafficChart& chart, ShapeCanvas& canvas, PixelSize size) {
  Frame f;
  f.line = canvas.MeasureText("0").height;
  // Room above for the legend, the axes' captions and half a tick label.
  f.plot.top = kPad + f.line + kPad + f.line + f.line / 2;
  f.plot.bottom = size.height - kPad - f.line - kTickGap;
  const int steps = std::clamp(f.plot.Height() / kTickSpacing, 1, kMostSteps);
  std::int64_t highest = chart.limit;
  double dearest = 0;
  for (const ChartDay& day : chart.days) {
    highest = std::max(highest, day.received + day.sent);
    dearest = std::max(dearest, day.cost);
  }
  f.unitBytes = std::ldexp(1.0, 10 * chart.unit);
  f.traffic = RoundScale(static_cast<double>(highest) / f.unitBytes, steps, chart.unit == 0 ? 0 : kFinestExponent);
  f.cost = RoundScale(dearest, steps, kFinestExponent);
  f.plot.left = kPad + AxisWidth(canvas, f.traffic, TrafficUnitName(chart.unit)) + kTickGap;
  f.plot.right = size.width - kPad - AxisWidth(canvas, f.cost, CurrencySign(chart.currency)) - kTickGap;
  if (!chart.days.empty()) f.slot = static_cast<double>(f.plot.Width()) / static_cast<double>(chart.days.size());
  return f;
}

void Legend(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  struct Entry {
    std::uint32_t colour;
    std::string text;
    bool line;
  };
  std::vector<Entry> entries = {{look.received, "Принято", false},
                                {look.sent, "Отправлено", false},
                                {look.cost, "Стоимость, " + std::string(CurrencySign(chart.currency)), true}};
  if (chart.limit > 0) entries.push_back({look.limit, "Лимит", true});
  int x = f.plot.left;
  const int middle = kPad + f.line / 2;
  canvas.SetTextColour(look.text);
  for (const Entry& e : entries) {
    const int width = e.line ? kSwatch + 4 : kSwatch;
    const int height = e.line ? kCostThickness : kSwatch;
    canvas.FillRect({x, middle - height / 2, x + width, middle - height / 2 + height}, e.colour);
    x += width + kTickGap;
    canvas.DrawText(x, kPad, e.text);
    x += canvas.MeasureText(e.text).width + 3 * kTickGap;
  }
}

void TrafficAxis(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  const PixelBox& p = f.plot;
  canvas.SetTextColour(look.text);
  const std::string_view unit = TrafficUnitName(chart.unit);
  canvas.DrawText(p.left - kTickGap - canvas.MeasureText(unit).width, kPad + f.line + kPad, unit);
  for (int k = 0; k <= f.traffic.steps; ++k) {
    const int y = f.Y(f.traffic.step * k, f.traffic);
    if (k > 0) canvas.FillRect({p.left, y, p.right, y + 1}, look.grid);
    const std::string text = TickText(f.traffic, k);
    canvas.DrawText(p.left - kTickGap - canvas.MeasureText(text).width, y - f.line / 2, text);
  }
}

void CostAxis(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  const PixelBox& p = f.plot;
  canvas.SetTextColour(look.cost);
  canvas.DrawText(p.right + kTickGap, kPad + f.line + kPad, CurrencySign(chart.currency));
  for (int k = 0; k <= f.cost.steps; ++k) {
    const int y = f.Y(f.cost.step * k, f.cost);
    canvas.FillRect({p.right, y, p.right + kTickGap / 2, y + 1}, look.cost);
    canvas.DrawText(p.right + kTickGap, y - f.line / 2, TickText(f.cost, k));
  }
}

// Received from the zero line up, sent on top of it.
void Bars(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  for (std::size_t i = 0; i < chart.days.size(); ++i) {
    const ChartDay& day = chart.days[i];
    const int middle = f.SlotX(i + 0.5);
    const int left = std::max(f.SlotX(i + 0.15), middle - kWidestBar / 2);
    const int right = std::max(std::min(f.SlotX(i + 0.85), middle + kWidestBar / 2), left + 1);
    const int received = f.TrafficY(day.received);
    const int both = f.TrafficY(day.received + day.sent);
    if (received < f.plot.bottom) canvas.FillRect({left, received, right, f.plot.bottom}, look.received);
    if (both < received) canvas.FillRect({left, both, right, received}, look.sent);
  }
}

void CostLine(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  PixelPoint previous;
  for (std::size_t i = 0; i < chart.days.size(); ++i) {
    const PixelPoint point{f.SlotX(i + 0.5), f.Y(chart.days[i].cost, f.cost)};
    if (i > 0) canvas.DrawLine(previous, point, kCostThickness, look.cost);
    canvas.FillRect({point.x - 2, point.y - 2, point.x + 2, point.y + 2}, look.cost);
    previous = point;
  }
}

void FrameLines(ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  const PixelBox& p = f.plot;
  canvas.FillRect({p.left - 1, p.top, p.left, p.bottom + 1}, look.axis);
  canvas.FillRect({p.right, p.top, p.right + 1, p.bottom + 1}, look.axis);
  canvas.FillRect({p.left - 1, p.bottom, p.right + 1, p.bottom + 1}, look.axis);
}

// Every day that fits, counted back from the last, so the newest day always
// has its date.
void DayLabels(const TrafficChart& chart, ShapeCanvas& canvas, const Frame& f, const ChartLook& look) {
  if (chart.days.empty()) return;
  const int width = canvas.MeasureText("00.00").width + kTickGap;
  const int stride = std::max(static_cast<int>(std::ceil(width / f.slot)), 1);
  canvas.SetTextColour(look.text);
  for (std::size_t i = 0; i < chart.days.size(); ++i) {
    if ((chart.days.size() - 1 - i) % stride != 0) continue;
    const std::string text = FormatDateTime("dd.mm", chart.days[i].day);
    canvas.DrawText(f.SlotX(i + 0.5) - canvas.MeasureText(text).width / 2, f.plot.bottom + kTickGap, text);
  }
}

}  // namespace

ChartDayRange ChartRange(const StatisticsChoice& choice, DateTime now) {
  if (choice.day) return {std::trunc(*choice.day) - (kChartDays - 1), std::trunc(*choice.day)};
  if (choice.from && choice.to) {
    const DateTime last = std::trunc(*choice.to);
    return {std::max(std::trunc(*choice.from), last - (kChartDays - 1)), last};
  }
  return {std::trunc(now) - (kChartDays - 1), std::trunc(now)};
}

TrafficChart ChartOfDays(const std::vector<SessionRecord>& sessions, const ConnectionRecord& record,
                         const std::string& name, const ChartDayRange& range) {
  TrafficChart chart;
  chart.unit = record.logUnit <= 3 ? record.logUnit : 0;
  chart.currency = ChartCurrency(record.tariffs);
  chart.limit = std::max(record.trafficLimit, 0);
  // Written so that a range of NaNs, or one backwards, gives no day at all.
  const DateTime first = std::max(std::trunc(range.first), std::trunc(range.last) - (kChartDays - 1));
  const double count = std::trunc(range.last) - first + 1;
  for (int i = 0; i < kChartDays && i < count; ++i) chart.days.push_back({first + i, 0, 0, 0});
  for (const SessionRecord& s : sessions) {
    if (!s.valid || !SameTextIgnoringCase(s.name, name)) continue;
    const double offset = std::trunc(s.start) - first;
    if (!(offset >= 0 && offset < static_cast<double>(chart.days.size()))) continue;
    ChartDay& sums = chart.days[static_cast<std::size_t>(offset)];
    sums.received += std::max(s.in, 0);
    sums.sent += std::max(s.out, 0);
    sums.cost += Finite(SessionCost(s.in, s.out, record.tariffs, chart.currency, s.end, s.start));
    ++chart.sessions;
  }
  return chart;
}

AxisScale RoundScale(double highest, int maxSteps, int finestExponent) {
  // Past 1e300 a step of five times its power of ten would not be finite.
  if (!(highest > 0)) return {};
  highest = std::min(highest, 1e300);
  const int most = std::max(maxSteps, 1);
  const double wanted = highest / most;
  int exponent = std::max(static_cast<int>(std::floor(std::log10(wanted))), finestExponent);
  AxisScale scale;
  for (;; ++exponent) {
    const double power = std::pow(10.0, exponent);
    for (const int mantissa : {1, 2, 5}) {
      scale.step = mantissa * power;
      // A power of ten is seldom exact in a double: a step that divides the
      // highest value may miss it by a hair, and still covers it.
      scale.steps = std::max(static_cast<int>(std::ceil(highest / scale.step * (1 - 1e-12))), 1);
      if (scale.steps <= most) {
        scale.decimals = std::max(-exponent, 0);
        return scale;
      }
    }
  }
}

void DrawTrafficChart(const TrafficChart& chart, ShapeCanvas& canvas, PixelSize size, const ChartLook& look) {
  canvas.FillRect({0, 0, size.width, size.height}, look.background);
  canvas.SetFont(look.font);
  const Frame f = LayOut(chart, canvas, size);
  if (f.plot.Width() <= 0 || f.plot.Height() <= 0) return;  // no room for a picture
  Legend(chart, canvas, f, look);
  TrafficAxis(chart, canvas, f, look);
  CostAxis(chart, canvas, f, look);
  Bars(chart, canvas, f, look);
  if (chart.limit > 0) {
    const int y = f.TrafficY(chart.limit);
    canvas.FillRect({f.plot.left, y, f.plot.right, y + 2}, look.limit);
  }
  CostLine(chart, canvas, f, look);
  FrameLines(canvas, f, look);
  DayLabels(chart, canvas, f, look);
  if (chart.sessions == 0) {
    canvas.SetTextColour(look.text);
    const TextExtent text = canvas.MeasureText(kNoSessions);
    canvas.DrawText(f.plot.left + (f.plot.Width() - text.width) / 2, f.plot.top + (f.plot.Height() - text.height) / 2,
                    kNoSessions);
  }
}

}  // namespace tikolvo
