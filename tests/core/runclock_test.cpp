#include "core/runclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/clockmath.h"
#include "core/keystroketiming.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

constexpr int kBarFrame = 4002;  // lblKonecna

// State right after a whole-second reading at `lastTick`, with the run
// started at 36000.
SharedState runningSince(double lastTick, int minutes = 30) {
  SharedState state;
  state.DobaTestu = minutes;
  state.CasStartu = 36000;
  state.CasTiku = state.CasVzorku = lastTick;
  return state;
}

TEST(ClockTick, WholeSecondReadingsShowTheTimeAndTheBar) {
  forEachRow("clocktick.tsv", 8, [&](const GoldenRow& row) {
    const double now = 36000 + std::stod(row[2]);
    SharedState state = runningSince(now - std::stod(row[3]), std::stoi(row[1]));
    const ClockTick tick = clockTick(state, {.now = now, .barFrameWidth = kBarFrame});
    EXPECT_EQ(state.UplynuleSekundy, std::stoi(row[4]));
    EXPECT_EQ(tick.minuteText, given(row[5], u16(row[5])));
    EXPECT_EQ(tick.secondText, given(row[6], u16(row[6])));
    EXPECT_EQ(tick.barWidth, given(row[7], std::atoi(row[7].c_str())));
  });
}

TEST(ClockTick, TimeUpOnAnyReadingEndsTheTickThere) {
  // Half a second after a whole-second reading, with the warning never
  // given: the end comes first, and alone.
  SharedState state = runningSince(36059.5, 1);
  state.ZvukPripraven = true;
  EXPECT_FALSE(clockTick(state, {.now = 36059.999, .barFrameWidth = kBarFrame}).timeUp);
  const ClockTick tick =
      clockTick(state, {.now = 36060.0, .typedLength = 80, .barFrameWidth = kBarFrame});
  EXPECT_TRUE(tick.timeUp && !tick.playEndWarning && !tick.sampleTaken);
  EXPECT_EQ(std::pair(*tick.barWidth, state.CasUkonceni), std::pair(kBarFrame, 36060));
  EXPECT_EQ(*tick.minuteText + *tick.secondText, u"0100");
  // A frame of no width does not end the run.
  SharedState narrow = runningSince(36008, 1);
  EXPECT_FALSE(clockTick(narrow, {.now = 36010, .barFrameWidth = 0}).timeUp);
}

// Numbers separated by blanks, "-" for none.
template <typename T>
std::string joined(const std::vector<T>& values) {
  std::ostringstream out;
  for (const std::optional<long long> value : values)
    out << (value ? std::to_string(*value) : "-") << ' ';
  return out.str();
}

TEST(ClockTick, SamplesHoldWhatWasTypedInEachInterval) {
  forEachRow("samples.tsv", 6, [&](const GoldenRow& row) {
    SharedState state = runningSince(36000);
    const bool lesson = row[1] == "lesson";
    state.DruhTestu = lesson ? TestKind::Vyuka : TestKind::Cviceni;
    // Counts left from an earlier run must not be subtracted from the first.
    state.DelkaPriVzorku = 50;
    state.ChybyPriVzorku = 9;
    std::istringstream lengths(row[2]);
    std::istringstream errors(row[3]);
    double now = 36000;
    for (int length = 0; lengths >> length && errors >> state.PocetChyb;) {
      state.NapsanyText.assign(lesson ? length : 900, u'a');
      EXPECT_FALSE(clockTick(state, {.now = now += 5, .typedLength = 1}).sampleTaken);
      EXPECT_TRUE(
          clockTick(state, {.now = now += 0.25, .typedLength = lesson ? 999 : length}).sampleTaken);
    }
    EXPECT_EQ(joined(state.VzorkyRychlosti), row[4] + " ");
    EXPECT_EQ(joined(state.VzorkyChyb), row[5] + " ");
    EXPECT_EQ(state.OsaRychlosti.back(), u16(std::to_string(5 * state.PocetVzorku) + " sec"));
    EXPECT_EQ(state.OsaChyb, state.OsaRychlosti);
  });
}

TEST(ClockTick, OneMinuteRunEndsOnTheFirstReadingPastItsLength) {
  // Replayed with ticks of a fixed interval. The start is rounded to whole
  // seconds, so a run lasts 59.5 to 60.5 s of readings; samples come more
  // than 5 s apart, so never more than 12. The start across midnight lies
  // off the millisecond grid so that no reading falls exactly on the end.
  const std::tuple<double, double, int> rows[] = {
      {36001.5, 0.001, 12},    // 60.5 s
      {36000.5, 0.016, 11},    // 59.5 s
      {36001.5, 0.09, 12},     // 60.5 s: the twelfth sample at 60.48 s
      {86369.7004, 0.09, 11},  // across midnight, 60.3 s: the twelfth too late
  };
  for (const auto& [firstReading, interval, samples] : rows) {
    SCOPED_TRACE(firstReading + interval);
    SharedState state;
    state.DobaTestu = 1;
    state.ZvukPripraven = true;
    timeKeystroke(state, firstReading, false, false);
    int warnings = 0;
    ClockTick tick;
    double reading = firstReading;
    for (int k = 1; !tick.timeUp && k * interval < 62; ++k) {
      reading = firstReading + k * interval;
      tick = clockTick(state, {.now = std::fmod(reading, kSecondsPerDay),
                               .typedLength = static_cast<int>(k * interval * 5),
                               .barFrameWidth = kBarFrame});
      warnings += tick.playEndWarning ? 1 : 0;
    }
    EXPECT_GE(reading - state.CasStartu, 60);
    EXPECT_LT(reading - state.CasStartu, 60 + interval);
    EXPECT_EQ(state.CasUkonceni, (state.CasStartu + 60) % 86400);
    EXPECT_EQ(std::pair(warnings, state.PocetVzorku), std::pair(1, samples));
  }
}

TEST(ClockTick, EndWarning) {
  forEachRow("endwarning.tsv", 7, [&](const GoldenRow& row) {
    const double before = 36000 + std::stod(row[4]);
    const double after = 36000 + std::stod(row[5]);
    SharedState state = runningSince(before, std::stoi(row[1]));
    state.ZvukPripraven = row[2] == "yes";
    state.nastaveni.ZvukKonecB = row[3];
    EXPECT_FALSE(clockTick(state, {.now = before + 0.5}).playEndWarning);
    EXPECT_EQ(clockTick(state, {.now = after}).playEndWarning, row[6] == "yes");
    EXPECT_FALSE(clockTick(state, {.now = after + 1.05}).playEndWarning);
  });
}

TEST(InactivityTick, EndsOnTheZastavthIdleTick) {
  SharedState state;
  state.nastaveni.Zastav = 6;
  for (int tick = 1; tick <= 5; ++tick) EXPECT_FALSE(inactivityTick(state, 36000.5 + tick));
  EXPECT_TRUE(inactivityTick(state, 36006.5));
  EXPECT_EQ(state.CasUkonceni, 36006);  // halves to the even second
  SharedState never;
  never.nastaveni.Zastav = 0;
  for (int tick = 1; tick <= 100; ++tick) ASSERT_FALSE(inactivityTick(never, 36000 + tick));
}

TEST(LimitTick, SpeedAndErrorsAgainstTheLimits) {
  forEachRow("limittick.tsv", 9, [&](const GoldenRow& row) {
    SharedState state;
    state.nastaveni.LimityVisible = row[1];
    state.NapsanyText.assign(std::stoul(row[2]), u'a');
    state.PocetChyb = std::stoi(row[3]);
    state.LimitRychlostiTestu = std::stoi(row[4]);
    state.LimitChybTestu = std::stoi(row[5]);
    state.CasStartu = std::stoi(row[6]);
    const LimitTick t = limitTick(
        state, {.now = std::stod(row[7]), .speedFrameWidth = 1950, .errorFrameWidth = 1950});
    EXPECT_EQ(joined(std::vector<std::optional<long long>>{
                  t.speedBarWidth, t.speed, t.errorBarWidth, t.errorPercent, t.speedAgainstLimit,
                  t.errorsAgainstLimit}),
              row[8] + " ");
  });
}

}  // namespace
}  // namespace tymba
