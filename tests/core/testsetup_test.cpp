#include "core/testsetup.h"

#include <gtest/gtest.h>

#include <limits>

namespace tymba {
namespace {

TEST(RoundedWithin, TheRangeAppliesToTheRoundedNumber) {
  struct Row {
    const char* name;
    double value;
    std::optional<int> minutes;
  };
  const Row rows[] = {
      {"half rounds down to 0", 0.5, std::nullopt},
      {"more than half is 1", 0.6, 1},
      {"half to even, down to the top", 60.5, 60},
      {"more than half beyond the top", 60.6, std::nullopt},
      {"half to even, up", 7.5, 8},
      {"below zero", -0.4, std::nullopt},
      {"far beyond any whole number", 1e300, std::nullopt},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(roundedWithin(row.value, kTestMinutesMin, kTestMinutesMax), row.minutes);
  }
  EXPECT_EQ(roundedWithin(500.5, kLossPerErrorMin, kLossPerErrorMax), 500);
}

}  // namespace
}  // namespace tymba
