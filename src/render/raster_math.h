#pragma once
// Small exact integer helpers shared by the primitives.
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tikolvo::raster {

inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  if (b < 0) a = -a, b = -b;
  const std::int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// Floor and ceiling of a finite double well inside the 64-bit range. The
// nearest whole number is one instruction on every target (the library's
// floor and ceil change the x87 rounding mode twice per call, which the
// rasterizer paid on every row); it is off by at most one, set right here.
inline std::int64_t FloorToInt(double v) {
  const std::int64_t r = std::llrint(v);
  return r - (static_cast<double>(r) > v ? 1 : 0);
}
inline std::int64_t CeilToInt(double v) {
  const std::int64_t r = std::llrint(v);
  return r + (static_cast<double>(r) < v ? 1 : 0);
}

inline int Clamp(std::int64_t v, int limit) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -limit, limit));
}

// a * b <= c * d for values below 2^63, without overflow (a full 128-bit
// product from 32-bit halves, which a 32-bit target needs).
struct U128 {
  std::uint64_t high;
  std::uint64_t low;
};

inline U128 Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t middle1 = aHigh * bLow + (lowLow >> 32);
  const std::uint64_t middle2 = aLow * bHigh + (middle1 & 0xFFFFFFFFu);
  return {aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32),
          (middle2 << 32) | (lowLow & 0xFFFFFFFFu)};
}

inline bool ProductAtMost(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d) {
  const U128 left = Multiply(a, b), right = Multiply(c, d);
  return left.high != right.high ? left.high < right.high : left.low <= right.low;
}

}  // namespace tikolvo::raster
