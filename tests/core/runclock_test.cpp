#include "core/runclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/keystroketiming.h"

namespace tymba {
namespace {

constexpr int kBarFrame = 4002;  // lblKonecna

// State right after a whole-second reading at `lastTick`, with the run
// started at `casStartu`.
SharedState runningSince(std::int32_t casStartu, double lastTick, int minutes = 30) {
  SharedState state;
  state.DobaTestu = minutes;
  state.TestBezi = true;
  state.CasStartu = casStartu;
  state.CasTiku = state.CasVzorku = lastTick;
  return state;
}

TEST(ClockTick, ShowsSecondsThenMinutesAndSeconds) {
  const struct {
    const char* name;
    double elapsed;
    int uplynuleSekundy;
    std::optional<std::u16string> minutes;  // empty: left as they are
    std::u16string seconds;
  } rows[] = {
      {"nine seconds padded", 9.2, 9, std::nullopt, u"09"},
      {"9.5 rounds to the even 10", 9.5, 10, std::nullopt, u"10"},
      {"10.5 rounds to the even 10", 10.5, 10, std::nullopt, u"10"},
      {"59.4 is still seconds only", 59.4, 59, std::nullopt, u"59"},
      {"59.5 rounds to a full minute", 59.5, 60, u"01", u"00"},
      {"65 seconds", 65, 65, u"01", u"05"},
      {"12 minutes 34", 754, 754, u"12", u"34"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const double now = 36000 + row.elapsed;
    SharedState state = runningSince(36000, now - 1.5);
    const ClockTick tick = clockTick(state, {.now = now, .barFrameWidth = kBarFrame});
    EXPECT_EQ(state.UplynuleSekundy, row.uplynuleSekundy);
    EXPECT_EQ(tick.minuteText, row.minutes);
    EXPECT_EQ(tick.secondText, row.seconds);
    EXPECT_FALSE(tick.timeUp);
    EXPECT_DOUBLE_EQ(state.CasTiku, now);
  }
}

TEST(ClockTick, WholeSecondStepNeedsMoreThanOneSecond) {
  SharedState state = runningSince(36000, 36004);
  const ClockTick exactlyOne = clockTick(state, {.now = 36005, .barFrameWidth = kBarFrame});
  EXPECT_FALSE(exactlyOne.secondText || exactlyOne.barWidth);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36004);
  EXPECT_EQ(clockTick(state, {.now = 36005.001}).secondText, u"05");
  EXPECT_DOUBLE_EQ(state.CasTiku, 36005.001);
}

TEST(ClockTick, BarWidthIsTheElapsedFractionInWholeTwips) {
  // Half a twip rounds to the even neighbour: 1000.5 and 3001.5.
  for (const auto& [elapsed, expected] : {std::pair(15.0, 1000), std::pair(45.0, 3002)}) {
    SCOPED_TRACE(elapsed);
    SharedState state = runningSince(36000, 36000 + elapsed - 1.01, 1);
    EXPECT_EQ(clockTick(state, {.now = 36000 + elapsed, .barFrameWidth = kBarFrame}).barWidth,
              expected);
  }
}

TEST(ClockTick, TimeUpOnAnyReadingEndsTheTickThere) {
  // Half a second after a whole-second reading, with a sample due and the
  // warning never given: the end still comes first, and alone.
  SharedState state = runningSince(36000, 36059.5, 1);
  state.CasVzorku = 36054.9995;
  state.ZvukPripraven = true;
  state.PocetVzorku = 10;
  EXPECT_FALSE(clockTick(state, {.now = 36059.999, .barFrameWidth = kBarFrame}).timeUp);
  EXPECT_EQ(state.CasUkonceni, 0);
  const ClockTick tick =
      clockTick(state, {.now = 36060.0, .typedLength = 80, .barFrameWidth = kBarFrame});
  EXPECT_TRUE(tick.timeUp);
  EXPECT_EQ(tick.barWidth, kBarFrame);
  EXPECT_EQ(state.CasUkonceni, 36060);
  EXPECT_EQ(tick.minuteText, u"01");
  EXPECT_EQ(tick.secondText, u"00");
  EXPECT_FALSE(tick.playEndWarning || tick.sampleTaken);
  EXPECT_EQ(state.PocetVzorku, 10);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36059.5);

  // A frame of no width does not end the run.
  SharedState narrow = runningSince(36000, 36008, 1);
  const ClockTick early = clockTick(narrow, {.now = 36010, .barFrameWidth = 0});
  EXPECT_FALSE(early.timeUp);
  EXPECT_EQ(early.barWidth, 0);
}

TEST(ClockTick, SampleNeedsMoreThanFiveSecondsAndNoWholeSecond) {
  SharedState state = runningSince(36000, 36009.5);
  state.CasVzorku = 36005;
  EXPECT_FALSE(clockTick(state, {.now = 36010, .typedLength = 9}).sampleTaken);
  const ClockTick due = clockTick(state, {.now = 36010.01, .typedLength = 9});
  EXPECT_TRUE(due.sampleTaken);
  EXPECT_FALSE(due.secondText);  // not a whole-second reading
  EXPECT_EQ(state.PocetVzorku, 1);
  EXPECT_DOUBLE_EQ(state.CasVzorku, 36010.01);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36009.5);
}

TEST(ClockTick, SamplesHoldWhatWasTypedInEachInterval) {
  struct Step {
    int typedLength;  // the input box of an exercise run
    int napsanyText;  // NapsanyText of a lesson run
    int pocetChyb;
  };
  const struct {
    const char* name;
    TestKind kind;
    std::vector<Step> steps;
    std::vector<int> speed;
    std::vector<std::optional<int>> errors;
  } rows[] = {
      {"exercise counts the input box, deleting gives 0",
       TestKind::Cviceni,
       {{20, 900, 4}, {35, 900, 4}, {30, 900, 4}, {40, 900, 4}, {40, 900, 4}, {41, 900, 4}},
       {20, 15, 0, 10, 0, 1},
       std::vector<std::optional<int>>(6)},
      {"lesson counts NapsanyText and the errors per interval",
       TestKind::Vyuka,
       {{999, 10, 1}, {999, 25, 3}, {999, 40, 3}, {999, 52, 7}},
       {10, 15, 15, 12},
       {1, 2, 0, 4}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = runningSince(36000, 36000);
    state.DruhTestu = row.kind;
    // Counts left from an earlier run must not be subtracted from the first.
    state.DelkaPriVzorku = 50;
    state.ChybyPriVzorku = 9;
    double now = 36000;
    for (const Step& step : row.steps) {
      state.NapsanyText.assign(static_cast<std::size_t>(step.napsanyText), u'a');
      state.PocetChyb = step.pocetChyb;
      ASSERT_TRUE(
          clockTick(state, {.now = now += 5.5, .typedLength = step.typedLength}).sampleTaken);
    }
    EXPECT_EQ(state.VzorkyRychlosti, row.speed);
    EXPECT_EQ(state.VzorkyChyb, row.errors);
    EXPECT_EQ(state.OsaRychlosti.front(), u"5 sec");
    EXPECT_EQ(state.OsaRychlosti.back(), row.kind == TestKind::Vyuka ? u"20 sec" : u"30 sec");
    EXPECT_EQ(state.OsaChyb, state.OsaRychlosti);
  }
}

TEST(ClockTick, OneMinuteRunEndsOnTheFirstReadingPastItsLength) {
  // Replayed with ticks of a fixed interval. The start is rounded to whole
  // seconds, so a run lasts 59.5 to 60.5 s of readings; samples come more
  // than 5 s apart, so never more than 12. The starts across midnight lie off
  // the millisecond grid so that no reading falls exactly on the end.
  const struct {
    const char* name;
    double firstReading;
    double interval;
    int samples;
  } rows[] = {
      {"1 ms, start rounded up half a second (60.5 s)", 36001.5, 0.001, 12},
      {"16 ms, start rounded down half a second (59.5 s)", 36000.5, 0.016, 11},
      {"16 ms, across midnight (60.3 s)", 86369.7004, 0.016, 12},
      {"90 ms, 60.5 s: twelfth sample at 60.48 s", 36001.5, 0.09, 12},
      {"90 ms, across midnight (60.3 s): twelfth sample too late", 86369.7004, 0.09, 11},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state;
    state.DobaTestu = 1;
    state.ZvukPripraven = true;
    timeKeystroke(state, row.firstReading, false, false);
    const std::int32_t casStartu = state.CasStartu;
    int warnings = 0;
    double previousSample = row.firstReading;
    ClockTick tick;
    double elapsed = 0;  // of the latest reading since CasStartu
    for (int k = 1; !tick.timeUp; ++k) {
      // Ends on the first reading at least 60 s after CasStartu.
      ASSERT_LT(elapsed, 60) << "the run did not end";
      const double offset = k * row.interval;
      elapsed = row.firstReading + offset - casStartu;
      const double now = std::fmod(row.firstReading + offset, kSecondsPerDay);
      tick = clockTick(
          state,
          {.now = now, .typedLength = static_cast<int>(offset * 5), .barFrameWidth = kBarFrame});
      if (tick.playEndWarning) {
        ++warnings;
        EXPECT_GT(elapsed, 54);
        EXPECT_LE(elapsed, 55 + row.interval + 1e-6);
      }
      if (tick.sampleTaken) {
        const double gap = secondsSince(now, previousSample);
        EXPECT_GT(gap, 5);
        EXPECT_LE(gap, 5 + row.interval + 1e-6);
        previousSample = now;
      }
    }
    EXPECT_GE(elapsed, 60);
    EXPECT_EQ(state.CasUkonceni, (casStartu + 60) % 86400);
    EXPECT_EQ(tick.barWidth, kBarFrame);
    EXPECT_EQ(tick.minuteText, u"01");
    EXPECT_EQ(tick.secondText, u"00");
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(state.PocetVzorku, row.samples);
    // Typing never went back, so the samples add up to the typed length.
    int total = 0;
    for (const int v : state.VzorkyRychlosti) total += v;
    EXPECT_EQ(total, state.DelkaPriVzorku);
  }
}

TEST(ClockTick, EndWarningOnceWithSoundAndTheOptionOn) {
  // Whole-second readings are more than a second apart, so two of them can
  // jump over the second from 6 to 5 seconds before the end.
  const struct {
    const char* name;
    int minutes;
    bool zvukPripraven;
    std::string zvukKonecB;
    double before;  // elapsed at the last whole-second reading
    double after;   // elapsed at the next one
    bool warning;
  } rows[] = {
      {"from exactly 54 to just past 55", 1, true, "1", 54.0, 55.02, true},
      {"into the second", 1, true, "1", 53.5, 54.52, true},
      {"five-minute run", 5, true, "1", 293.5, 294.6, true},
      {"option compared as a number", 1, true, "01", 53.5, 54.6, true},
      {"no sound output", 1, false, "1", 53.5, 54.6, false},
      {"option off", 1, true, "0", 53.5, 54.6, false},
      {"option empty", 1, true, "", 53.5, 54.6, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = runningSince(36000, 36000 + row.before, row.minutes);
    state.ZvukPripraven = row.zvukPripraven;
    state.nastaveni.ZvukKonecB = row.zvukKonecB;
    EXPECT_FALSE(clockTick(state, {.now = 36000 + row.before + 0.5}).playEndWarning);
    EXPECT_EQ(clockTick(state, {.now = 36000 + row.after}).playEndWarning, row.warning);
    EXPECT_FALSE(clockTick(state, {.now = 36000 + row.after + 1.05}).playEndWarning);
  }
}

TEST(InactivityTick, EndsOnTheZastavthIdleTick) {
  SharedState state;
  state.nastaveni.Zastav = 6;
  for (int tick = 1; tick <= 5; ++tick) EXPECT_FALSE(inactivityTick(state, 36000.5 + tick));
  EXPECT_EQ(state.CasUkonceni, 0);
  EXPECT_TRUE(inactivityTick(state, 36006.5));
  EXPECT_EQ(state.CasUkonceni, 36006);  // halves to the even second

  SharedState never;
  never.nastaveni.Zastav = 0;
  for (int tick = 1; tick <= 100; ++tick) ASSERT_FALSE(inactivityTick(never, 36000 + tick));
}

TEST(LimitTick, SpeedAndErrorsAgainstTheLimits) {
  // Shown values in the order of LimitTick; those left out stay empty.
  using Shown = std::vector<std::optional<long long>>;
  const struct Row {
    const char* name;
    const char* limityVisible;
    int typed;  // length of NapsanyText
    std::int32_t errors;
    int speedLimit;
    int errorLimit;
    std::int32_t casStartu;
    double now;
    Shown expected;
  } rows[] = {
      // clang-format off
      // 100 of 150 fills a third: 650 + 120; 1582.5 twips round to even.
      {"below the speed limit", "1", 100, 3, 150, 2, 36000, 36060,
       {770, 100, 1582, 30000, -34, 500000}},
      // 257.14 per minute, 0.3333 %
      {"speed rounded down, percentages from the shown one", "1", 300, 1, 160, 1, 36000, 36070,
       {1687, 257, 445, 3333, 60, -666700}},
      {"across midnight", "1", 100, 3, 150, 2, 86370, 30, {770, 100, 1582, 30000, -34, 500000}},
      {"a negative limit still rounds towards minus infinity", "1", 100, 3, -150, 2, 36000, 36060,
       {-530, 100, 1582, 30000, -167, 500000}},  // -166.7
      {"limits not shown", "0", 100, 3, 150, 2, 36000, 36060, {}},
      {"no keystroke yet", "1", 0, 0, 150, 2, 36000, 36060, {}},
      {"no time elapsed", "1", 100, 3, 150, 2, 36000, 36000, {}},
      {"a reading before the rounded start", "1", 100, 3, 150, 2, 36000, 35999.7, {}},
      {"speed limit 0", "1", 100, 3, 0, 2, 36000, 36060, {}},
      {"error limit 0 keeps the speed", "1", 100, 3, 150, 0, 36000, 36060, {770, 100}},
      {"speed beyond the integers keeps only its bar", "1", 50, 3, 1500000000, 2, 36000,
       36000.000001, {2070}},
      {"error bar beyond the integers keeps the speed", "1", 1, 2000000000, 160, 1, 36000, 36060,
       {126, 1}},
      // clang-format on
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state;
    state.DruhTestu = TestKind::Vyuka;
    state.nastaveni.LimityVisible = row.limityVisible;
    state.NapsanyText.assign(static_cast<std::size_t>(row.typed), u'a');
    state.PocetChyb = row.errors;
    state.LimitRychlostiTestu = row.speedLimit;
    state.LimitChybTestu = row.errorLimit;
    state.CasStartu = row.casStartu;
    const LimitTick t =
        limitTick(state, {.now = row.now, .speedFrameWidth = 1950, .errorFrameWidth = 1950});
    Shown expected = row.expected;
    expected.resize(6);
    EXPECT_EQ((Shown{t.speedBarWidth, t.speed, t.errorBarWidth, t.errorPercent, t.speedAgainstLimit,
                     t.errorsAgainstLimit}),
              expected);
  }
}

}  // namespace
}  // namespace tymba
