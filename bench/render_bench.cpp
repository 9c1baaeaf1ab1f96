// The face engine's hot paths. Each tick benchmark also reports how many
// heap allocations a tick made (counted by the replaced operator new below),
// which must stay 0: the buffers are sized at skin load.
//
// Medians: render_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <numbers>

#include "app/builtin_face.h"
#include "render/engine.h"
#include "render/supersample.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tikolvo {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

Bitmap24 BuiltinFace() {
  const FacePicture face = DrawBuiltinFace();
  Bitmap24 picture(face.width, face.height);
  for (int y = 0; y < face.height; ++y) {
    for (int x = 0; x < face.width; ++x) {
      const std::uint32_t rgb = face.pixels[static_cast<std::size_t>(y) * face.width + x];
      picture.SetPixel(x, y, MakeColour(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF));
    }
  }
  return picture;
}

// A 200 x 200 hand rectangle around the built-in dial.
constexpr HandRect kRect{21, 27, 221, 227};

// With a smooth minute hand every hand moves each second; without, only
// the second hand does within a minute.
HandAngles AnglesAtSecond(long tick, bool smoothMinute = true) {
  const double s = static_cast<double>(tick % 60), m = static_cast<double>(tick / 60 % 60);
  const double h = static_cast<double>(tick / 3600 % 24);
  HandAngles a;
  a.second = s / 60 * kTurn;
  a.minute = m / 60 * kTurn + (smoothMinute ? a.second / 60 : 0);
  a.hour = std::fmod(h, 12) / 12 * kTurn + a.minute / 12;
  a.hour24 = h / 24 * kTurn + a.minute / 24;
  a.weekday = 2.0 / 7 * kTurn;
  a.month = 4.0 / 12 * kTurn;
  a.alarm = 8.5 / 12 * kTurn;
  return a;
}

void RunTicks(benchmark::State& state, Engine& engine, bool smoothMinute = true) {
  long tick = 10 * 3600 + 8 * 60;
  engine.SetAngles(AnglesAtSecond(tick, smoothMinute));
  engine.Draw();  // warm up
  const long before = g_allocations.load();
  for (auto _ : state) {
    engine.SetAngles(AnglesAtSecond(smoothMinute ? tick += 7 : ++tick, smoothMinute));
    benchmark::DoNotOptimize(engine.Draw().Row(0));
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations()));
}

// The simple model with every part: tails, shadows, the alarm hand.
void SetUpSimple(Engine& engine, const Bitmap24& face) {
  engine.SetHandRect(kRect);
  engine.SetBackground(face);
  engine.Simple() = {55, 80, 88, 45, 0x000000, 0x000000, 0x000080, 0x00FFFF};
  engine.Options() = {.fullDrawing = true, .shadow = true, .alarmShown = true};
}

void BM_TickSimpleSupersampledWithShadows(benchmark::State& state) {
  const Bitmap24 face = BuiltinFace();
  Engine engine;
  SetUpSimple(engine, face);
  RunTicks(state, engine);
}
BENCHMARK(BM_TickSimpleSupersampledWithShadows);

// The usual second: only the second hand moves (the default skin's case).
void BM_TickSecondHandOnly(benchmark::State& state) {
  const Bitmap24 face = BuiltinFace();
  Engine engine;
  SetUpSimple(engine, face);
  RunTicks(state, engine, false);
}
BENCHMARK(BM_TickSecondHandOnly);

HandRecord EnhancedHand(int length, int width, Colour colour) {
  HandRecord r;
  r.pivotX = 100, r.pivotY = 100;
  r.startWidth = width, r.startLength = length, r.startPosition = 0;
  r.endUsed = true, r.endLength = length / 4, r.endWidth = width + 1;
  r.discRadius = 5;
  r.shadowX = 12, r.shadowY = 12;
  r.fill = colour;
  r.startPolygon = {true, HandShape::FirstForm, {{{0, -4}, {12, 0}, {0, 4}, {-2, 0}}}, length, 2};
  r.endPolygon = {true, HandShape::FirstForm, {{{0, -5}, {8, -5}, {8, 5}, {0, 5}}}, length / 4, 2};
  return r;
}

void BM_TickEnhancedWithShadows(benchmark::State& state) {
  const Bitmap24 face = BuiltinFace();
  Engine engine;
  engine.SetHandRect(kRect);
  engine.SetBackground(face);
  engine.Options() = {.shadow = true, .alarmShown = true, .enhanced = true, .shadowPercent = 30};
  engine.Hand(HandId::Hour) = EnhancedHand(50, 5, 0x202020);
  engine.Hand(HandId::Minute) = EnhancedHand(78, 4, 0x303030);
  engine.Hand(HandId::Second) = EnhancedHand(88, 1, 0x0000C0);
  engine.Hand(HandId::Second).shape = HandShape::ThirdForm;
  engine.Hand(HandId::Alarm) = EnhancedHand(40, 2, 0x00C0C0);
  engine.Hand(HandId::Hour24) = EnhancedHand(30, 2, 0x805000);
  engine.Hand(HandId::Month) = EnhancedHand(20, 2, 0x008000);
  engine.Hand(HandId::Month).pivotY = 60;
  engine.Hand(HandId::Weekday) = EnhancedHand(20, 2, 0x800080);
  engine.Hand(HandId::Weekday).pivotY = 140;
  RunTicks(state, engine);
}
BENCHMARK(BM_TickEnhancedWithShadows);

void BM_TickKeyColour(benchmark::State& state) {
  const Bitmap24 face = BuiltinFace();
  Engine engine;
  engine.SetHandRect(kRect);
  engine.SetKeyColourBackground(face);
  engine.Simple() = {55, 80, 88, 45, 0x000000, 0x000000, 0x000080, 0x00FFFF};
  engine.Options() = {.fullDrawing = true, .alarmShown = true};
  RunTicks(state, engine);
}
BENCHMARK(BM_TickKeyColour);

// The whole 4 x 4 reduction of an 800 x 800 buffer, for comparison with the
// tick, which reduces only the blocks the hands touched.
void BM_ReduceWhole200x200(benchmark::State& state) {
  Bitmap24 samples(800, 800);
  for (int y = 0; y < 800; ++y) {
    for (int x = 0; x < 2400; ++x) samples.Row(y)[x] = static_cast<std::uint8_t>(x * 7 + y * 13);
  }
  Bitmap24 output(200, 200);
  for (auto _ : state) {
    Reduce4x4(samples, output);
    benchmark::DoNotOptimize(output.Row(0));
  }
}
BENCHMARK(BM_ReduceWhole200x200);

}  // namespace
}  // namespace tikolvo
