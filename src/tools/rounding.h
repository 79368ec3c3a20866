// The program's one rounding rule: computed sizes are rounded to the nearest integer, and a
// value exactly halfway goes to the even neighbour (2.5 to 2, 3.5 to 4, -2.5 to -2). A caller
// whose product is held as a single-precision float rounds it to float first (the cube's
// recesses); one that multiplies a float step by a count keeps the product exact (the gradient
// bands, the shaded rings). A float converts to long double exactly, so one function serves all.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pd {

// Written out rather than left to the floating-point environment's rounding mode, so that the
// result does not depend on what some library may have set. Values beyond +-2^62 are clamped
// there (no caller comes near; it keeps the conversion defined).
inline std::int64_t RoundHalfEven(long double v) {
  // The rule is symmetric, and for a non-negative value v - floor(v) is exact.
  if (v < 0) return -RoundHalfEven(-v);
  constexpr long double kLimit = 4611686018427387904.0L;  // 2^62
  if (!(v < kLimit)) return v != v ? 0 : static_cast<std::int64_t>(kLimit);
  const long double below = std::floor(v);
  const long double fraction = v - below;
  auto n = static_cast<std::int64_t>(below);
  if (fraction > 0.5L || (fraction == 0.5L && (n & 1) != 0)) ++n;
  return n;
}

// A 64-bit coordinate worked out from int inputs, cut to the int range the raster layer takes.
inline int ClampToInt(std::int64_t v) {
  return static_cast<int>(
      std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace pd
