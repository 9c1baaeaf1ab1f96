#include "netlog/traffic_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/utf8_text.h"
#include "reminders/recording_canvas.h"

namespace tikolvo {
namespace {

constexpr std::int64_t kMb = 1 << 20;

DateTime At(int month, int day, int hour) { return EncodeDate(2026, month, day) + hour / 24.0; }

SessionRecord Session(const std::string& name, DateTime start, DateTime end, std::int32_t in, std::int32_t out) {
  return {.start = start, .end = end, .duration = {}, .name = name, .in = in, .out = out, .valid = true, .address = {}};
}

// One rouble a megabyte, both ways.
ConnectionRecord Modem() {
  ConnectionRecord record;
  record.name = "Modem";
  record.valid = true;
  record.logUnit = 2;
  record.trafficLimit = 40 * kMb;
  TariffRule& rule = record.tariffs[0];
  rule.enabled = true;
  rule.kind = TariffKind::kByTraffic;
  rule.cost = 1;
  rule.trafficUnit = 2;
  return record;
}

TEST(TrafficChartDays, SumsTheSessionsOfEachDayTheyStartedOn) {
  const std::vector<SessionRecord> sessions = {
      Session("Modem", At(5, 18, 10), At(5, 18, 11), kMb, kMb / 2),
      Session("MODEM", At(5, 18, 20), At(5, 18, 21), kMb, 0),
      Session("Modem", At(5, 19, 23), At(5, 20, 1), 2 * kMb, kMb),  // over midnight: its first day
      Session("Other", At(5, 20, 9), At(5, 20, 10), kMb, kMb),
      Session("Modem", At(4, 19, 12), At(4, 19, 13), kMb, kMb),  // the day before the first shown
      Session("Modem", At(4, 20, 0), At(4, 20, 1), kMb, 0),      // the first day's first second
      SessionRecord{.start = At(5, 20, 9), .duration = {}, .name = "Modem", .in = 1 << 20, .address = {}},  // free
  };
  const TrafficChart chart = ChartOfDays(sessions, Modem(), "modem", ChartRange({}, At(5, 20, 12)));

  ASSERT_EQ(chart.days.size(), 31u);
  EXPECT_EQ(chart.days.front().day, EncodeDate(2026, 4, 20));
  EXPECT_EQ(chart.days.back().day, EncodeDate(2026, 5, 20));
  EXPECT_EQ(chart.sessions, 4);
  EXPECT_EQ(chart.currency, 0);
  const auto day = [&](int month, int d) {
    return *std::find_if(chart.days.begin(), chart.days.end(),
                         [&](const ChartDay& c) { return c.day == EncodeDate(2026, month, d); });
  };
  EXPECT_EQ(day(4, 20).received, kMb);
  EXPECT_EQ(day(5, 18).received, 2 * kMb);
  EXPECT_EQ(day(5, 18).sent, kMb / 2);
  EXPECT_DOUBLE_EQ(day(5, 18).cost, 2.5);
  EXPECT_EQ(day(5, 19).received, 2 * kMb);
  EXPECT_EQ(day(5, 19).sent, kMb);
  EXPECT_DOUBLE_EQ(day(5, 19).cost, 3);
  for (const ChartDay& empty : {day(5, 20), day(5, 1)}) {
    EXPECT_EQ(empty.received + empty.sent, 0);
    EXPECT_EQ(empty.cost, 0);
  }

  ConnectionRecord inDollars = Modem();
  inDollars.tariffs[0].currency = 1;
  const TrafficChart dollars = ChartOfDays(sessions, inDollars, "Modem", ChartRange({}, At(5, 20, 12)));
  EXPECT_EQ(dollars.currency, 1);
  EXPECT_DOUBLE_EQ(day(5, 18).cost, dollars.days[28].cost);
}

TEST(TrafficChartDays, ShowsAtMostTheLast31DaysOfWhatWasChosen) {
  const DateTime now = At(5, 20, 12);
  const auto shown = [&](const StatisticsChoice& choice) {
    return ChartOfDays({}, Modem(), "Modem", ChartRange(choice, now)).days;
  };
  const auto week = shown({At(3, 1, 8), At(3, 7, 20), {}});
  ASSERT_EQ(week.size(), 7u);
  EXPECT_EQ(week.front().day, EncodeDate(2026, 3, 1));
  const auto season = shown({At(1, 1, 0), At(3, 31, 0), {}});
  ASSERT_EQ(season.size(), 31u);
  EXPECT_EQ(season.back().day, EncodeDate(2026, 3, 31));
  const auto day = shown({{}, {}, At(2, 10, 15)});
  ASSERT_EQ(day.size(), 31u);
  EXPECT_EQ(day.back().day, EncodeDate(2026, 2, 10));
  EXPECT_TRUE(shown({At(3, 7, 0), At(3, 1, 0), {}}).empty());
}

TEST(TrafficChartAxis, TakesTheFinestRoundStepWhoseStepsReachTheHighest) {
  EXPECT_EQ(RoundScale(7, 5, 0).step, 2);
  EXPECT_EQ(RoundScale(7, 5, 0).steps, 4);
  EXPECT_EQ(RoundScale(10, 5, 0).Top(), 10);  // exactly at a step: no step more
  EXPECT_EQ(RoundScale(0.3, 5, 0).step, 1);   // no step finer than allowed
  EXPECT_EQ(RoundScale(0.3, 5, -2).decimals, 1);
  for (const double nothing : {0.0, -5.0, std::nan("")}) {
    EXPECT_EQ(RoundScale(nothing, 5, -2).Top(), 1);
  }
  EXPECT_TRUE(std::isfinite(RoundScale(1e308, 5, -2).Top()));
  for (const int most : {1, 3, 5, 8}) {
    for (const double highest : {0.004, 0.07, 0.3, 1.0, 7.0, 10.0, 10.000001, 99.0, 1234.5, 65536.0, 3e9, 1e30}) {
      const AxisScale s = RoundScale(highest, most, -2);
      SCOPED_TRACE(std::to_string(highest) + " in " + std::to_string(most));
      EXPECT_GE(s.Top(), highest * (1 - 1e-12));
      EXPECT_LE(s.steps, most);
      const double power = std::pow(10.0, std::floor(std::log10(s.step) + 1e-9));
      const double mantissa = s.step / power;
      EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9);
      // The next finer round step would need more steps than allowed.
      const double finer = std::abs(mantissa - 1) < 1e-9   ? power / 2
                           : std::abs(mantissa - 2) < 1e-9 ? power
                                                           : 2 * power;
      if (finer >= 0.01 * (1 - 1e-9)) {
        EXPECT_GT(std::ceil(highest / finer - 1e-9), most);
      }
    }
  }
}

// Records fills and lines as well as texts.
class ShapeRecorder : public ShapeCanvas {
 public:
  struct Fill { CanvasRect rect; std::uint32_t colour; };
  struct Line { PixelPoint from, to; std::uint32_t colour; };

  void SetFont(const CanvasFont&) override {}
  void SetTextColour(std::uint32_t) override {}
  TextExtent MeasureText(std::string_view utf8) override {
    return {static_cast<int>(CharCount(utf8)) * RecordingCanvas::kCharWidth, RecordingCanvas::kLineHeight};
  }
  void DrawText(int x, int y, std::string_view utf8) override { texts.push_back({x, y, std::string(utf8)}); }
  void FillRect(const CanvasRect& rect, std::uint32_t colour) override { fills.push_back({rect, colour}); }
  void TintRect(const CanvasRect&, std::uint32_t) override {}
  void DrawLine(PixelPoint from, PixelPoint to, int, std::uint32_t colour) override {
    lines.push_back({from, to, colour});
  }

  std::vector<CanvasRect> FillsOf(std::uint32_t colour) const {
    std::vector<CanvasRect> found;
    for (const Fill& f : fills)
      if (f.colour == colour) found.push_back(f.rect);
    return found;
  }
  // The plot's box, from its two upright axes and the zero line.
  CanvasRect Plot(const ChartLook& look) const {
    const std::vector<CanvasRect> axes = FillsOf(look.axis);
    CanvasRect plot{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const CanvasRect& r : axes) {
      plot = {std::min(plot.left, r.right), std::min(plot.top, r.top), std::max(plot.right, r.left),
              std::max(plot.bottom, r.top)};
    }
    return plot;
  }

  std::vector<DrawnText> texts;
  std::vector<Fill> fills;
  std::vector<Line> lines;
};

TEST(TrafficChartDrawing, StacksTheDaysAndPutsTheLimitAndTheCostsAtTheirHeights) {
  TrafficChart chart;
  chart.unit = 2;
  chart.limit = 11 * kMb / 2;  // above every day, below a round top
  chart.sessions = 3;
  chart.days = {{EncodeDate(2026, 5, 1), kMb, kMb, 1.0},
                {EncodeDate(2026, 5, 2), 0, 0, 0.0},
                {EncodeDate(2026, 5, 3), 3 * kMb, kMb, 2.0}};
  const ChartLook look;
  ShapeRecorder canvas;
  DrawTrafficChart(chart, canvas, {400, 300}, look);

  const std::vector<CanvasRect> received = canvas.FillsOf(look.received);
  const std::vector<CanvasRect> sent = canvas.FillsOf(look.sent);
  // The legend's swatches come first; the empty day has no bar.
  ASSERT_EQ(received.size(), 3u);
  ASSERT_EQ(sent.size(), 3u);
  const CanvasRect plot = canvas.Plot(look);
  const int zero = plot.bottom;
  for (int i : {1, 2}) {
    EXPECT_EQ(received[i].bottom, zero);
    EXPECT_EQ(sent[i].bottom, received[i].top);
    EXPECT_EQ(sent[i].left, received[i].left);
    EXPECT_EQ(sent[i].right, received[i].right);
  }
  EXPECT_LT(received[1].right, received[2].left);
  const double pixelsPerMb = (zero - sent[2].top) / 4.0;
  EXPECT_NEAR(zero - received[2].top, 3 * pixelsPerMb, 1);
  EXPECT_NEAR(zero - sent[1].top, 2 * pixelsPerMb, 1);

  // The rule across the plot; the scale's top grid line is above it.
  std::vector<CanvasRect> rules;
  for (const CanvasRect& r : canvas.FillsOf(look.limit))
    if (r.left == plot.left && r.right == plot.right) rules.push_back(r);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_NEAR(zero - rules[0].top, 5.5 * pixelsPerMb, 1);
  const std::vector<CanvasRect> grid = canvas.FillsOf(look.grid);
  ASSERT_FALSE(grid.empty());
  const auto higher = [](const CanvasRect& a, const CanvasRect& b) { return a.top < b.top; };
  EXPECT_GT(rules[0].top, std::min_element(grid.begin(), grid.end(), higher)->top);
  EXPECT_GE(rules[0].top, plot.top);

  // One joined line through the days' middles; a day costing nothing on the
  // zero line, the others in proportion on the cost scale.
  std::vector<ShapeRecorder::Line> cost;
  for (const auto& line : canvas.lines)
    if (line.colour == look.cost) cost.push_back(line);
  ASSERT_EQ(cost.size(), 2u);
  EXPECT_EQ(cost[0].to, cost[1].from);
  EXPECT_NEAR(cost[0].from.x, (received[1].left + received[1].right) / 2.0, 1);
  EXPECT_NEAR(cost[1].to.x, (received[2].left + received[2].right) / 2.0, 1);
  EXPECT_EQ(cost[0].to.y, zero);
  EXPECT_NEAR(zero - cost[1].to.y, 2 * (zero - cost[0].from.y), 1);
  EXPECT_GE(cost[1].to.y, plot.top);

  for (const DrawnText& t : canvas.texts) {
    const bool inside = t.x > plot.left && t.x < plot.right && t.y > plot.top && t.y < plot.bottom;
    EXPECT_FALSE(inside) << t.text;  // only the notice of no sessions goes there
  }
}

TEST(TrafficChartDrawing, WithoutSessionsKeepsItsAxesAndSaysSoInAnySize) {
  const ChartLook look;
  const TrafficChart month = ChartOfDays({}, Modem(), "Modem", ChartRange({}, At(5, 20, 12)));
  const TrafficChart none = ChartOfDays({}, Modem(), "Modem", ChartRange({At(3, 7, 0), At(3, 1, 0), {}}, 0));
  for (const TrafficChart& chart : {month, none}) {
    for (const PixelSize size : {PixelSize{400, 300}, PixelSize{30, 20}, PixelSize{0, 0}}) {
      ShapeRecorder canvas;
      DrawTrafficChart(chart, canvas, size, look);
      for (const auto& f : canvas.fills) {
        SCOPED_TRACE(std::to_string(size.width));
        EXPECT_GE(f.rect.left, 0);
        EXPECT_GE(f.rect.top, 0);
        EXPECT_LE(f.rect.right, size.width);
        EXPECT_LE(f.rect.bottom, size.height);
      }
      if (size.width < 400) continue;
      EXPECT_EQ(canvas.FillsOf(look.received).size(), 1u);  // the legend's swatch alone
      const CanvasRect plot = canvas.Plot(look);
      ASSERT_LT(plot.left, plot.right);
      const auto notice = std::count_if(canvas.texts.begin(), canvas.texts.end(), [&](const DrawnText& t) {
        return t.x > plot.left && t.x < plot.right && t.y > plot.top && t.y < plot.bottom;
      });
      EXPECT_EQ(notice, 1);
    }
  }
}

}  // namespace
}  // namespace tikolvo
