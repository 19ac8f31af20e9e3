#pragma once
// The numbers a user sets for a test of their own (its duration, the loss per
// error) are whole numbers. What is typed is rounded first, halves to the even
// one, and the range applies to that whole number: 0,5 minutes rounds to 0 and
// is refused, 60,5 rounds to 60 and is accepted.

#include <cmath>
#include <optional>

#include "core/clockmath.h"

namespace tymba {

inline constexpr int kTestMinutesMin = 1;
inline constexpr int kTestMinutesMax = 60;
inline constexpr int kLossPerErrorMin = 1;
inline constexpr int kLossPerErrorMax = 500;
// The limits of a practice run have no range of their own (0 or a negative
// limit is taken too); like the run's other settings they are 16-bit whole
// numbers.
inline constexpr int kLimitMin = -32768;
inline constexpr int kLimitMax = 32767;

// The value rounded, when that lies from low to high; else nothing, also for
// a value that is not a finite number.
inline std::optional<int> roundedWithin(double value, int low, int high) {
  if (!std::isfinite(value) || value < low - 1 || value > high + 1) return std::nullopt;
  const auto whole = roundHalfEven(value);
  if (whole < low || whole > high) return std::nullopt;
  return static_cast<int>(whole);
}

}  // namespace tymba
