#pragma once
// Arithmetic on clock readings. Every time of day in the program is seconds
// since midnight with a fraction; a reading smaller than an earlier one means
// the clock passed midnight in between.

#include <cmath>
#include <cstdint>

namespace tymba {

inline constexpr double kSecondsPerDay = 86400.0;

// Whole seconds, halves to the even neighbour.
inline std::int64_t roundHalfEven(double value) {
  const double down = std::floor(value);
  const double diff = value - down;
  auto whole = static_cast<std::int64_t>(down);
  if (diff > 0.5 || (diff == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}

// Seconds from `earlier` to `now`, counting a wrap past midnight as a day.
inline double secondsSince(double now, double earlier) {
  const double elapsed = now - earlier;
  return elapsed < 0 ? elapsed + kSecondsPerDay : elapsed;
}

// Four-decimal fixed point, as the results and pause tables keep it.
using Fixed4 = std::int64_t;
inline constexpr Fixed4 kFixed4Scale = 10000;

inline Fixed4 toFixed4(double value) {
  return roundHalfEven(value * static_cast<double>(kFixed4Scale));
}

inline double fromFixed4(Fixed4 value) {
  return static_cast<double>(value) / static_cast<double>(kFixed4Scale);
}

}  // namespace tymba
