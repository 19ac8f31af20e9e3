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
constexpr int kLimitFrame = 1950;

// A running run as the first keystroke leaves it: CasTiku and CasVzorku are
// the first reading, CasStartu that reading rounded to whole seconds.
SharedState startedRun(double firstReading, int minutes, TestKind kind = TestKind::Cviceni) {
  SharedState state;
  state.DruhTestu = kind;
  state.DobaTestu = minutes;
  timeKeystroke(state, firstReading, false, false);
  return state;
}

// State right after a whole-second reading at `lastTick`, with the run
// started at `casStartu`.
SharedState runningSince(std::int32_t casStartu, double lastTick, int minutes = 30) {
  SharedState state;
  state.DobaTestu = minutes;
  state.TestBezi = true;
  state.CasStartu = casStartu;
  state.CasTiku = lastTick;
  state.CasVzorku = lastTick;
  return state;
}

TEST(TwoDigits, PadsOnlyBelowTen) {
  const struct {
    const char* name;
    int value;
    std::u16string expected;
  } cases[] = {
      {"zero", 0, u"00"}, {"five", 5, u"05"},        {"nine", 9, u"09"},
      {"ten", 10, u"10"}, {"fifty-nine", 59, u"59"}, {"three digits", 120, u"120"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(twoDigits(c.value), c.expected);
  }
}

TEST(ClockTick, ShowsSecondsThenMinutesAndSeconds) {
  const struct {
    const char* name;
    double elapsed;
    int uplynuleSekundy;
    std::optional<std::u16string> minutes;  // empty: left as they are
    std::u16string seconds;
  } cases[] = {
      {"under half a second", 0.4, 0, std::nullopt, u"00"},
      {"seven seconds", 7.2, 7, std::nullopt, u"07"},
      {"9.5 rounds to the even 10", 9.5, 10, std::nullopt, u"10"},
      {"10.5 rounds to the even 10", 10.5, 10, std::nullopt, u"10"},
      {"59.4 is still seconds only", 59.4, 59, std::nullopt, u"59"},
      {"59.5 rounds to a full minute", 59.5, 60, u"01", u"00"},
      {"65 seconds", 65, 65, u"01", u"05"},
      {"12 minutes 34", 754, 754, u"12", u"34"},
      {"last second of 30 minutes", 1799, 1799, u"29", u"59"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const double now = 36000 + c.elapsed;
    SharedState state = runningSince(36000, now - 1.5);
    const ClockTick tick = clockTick(state, {.now = now, .barFrameWidth = kBarFrame});
    EXPECT_EQ(state.UplynuleSekundy, c.uplynuleSekundy);
    EXPECT_EQ(tick.minuteText, c.minutes);
    EXPECT_EQ(tick.secondText, c.seconds);
    EXPECT_FALSE(tick.timeUp);
    EXPECT_DOUBLE_EQ(state.CasTiku, now);
  }
}

TEST(ClockTick, WholeSecondStepNeedsMoreThanOneSecond) {
  SharedState state = runningSince(36000, 36004);
  const ClockTick exactlyOne = clockTick(state, {.now = 36005, .barFrameWidth = kBarFrame});
  EXPECT_FALSE(exactlyOne.secondText);
  EXPECT_FALSE(exactlyOne.barWidth);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36004);

  const ClockTick later = clockTick(state, {.now = 36005.001, .barFrameWidth = kBarFrame});
  EXPECT_EQ(later.secondText, u"05");
  EXPECT_DOUBLE_EQ(state.CasTiku, 36005.001);
}

TEST(ClockTick, BarWidthIsTheElapsedFractionInWholeTwips) {
  const struct {
    const char* name;
    double elapsed;
    int expected;
  } cases[] = {
      {"a quarter, half a twip rounds to even", 15, 1000},       // 1000.5
      {"three quarters, half a twip rounds to even", 45, 3002},  // 3001.5
      {"just before the end", 59.99, 4001},                      // 4001.33
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const double now = 36000 + c.elapsed;
    SharedState state = runningSince(36000, now - 1.01, 1);
    const ClockTick tick = clockTick(state, {.now = now, .barFrameWidth = kBarFrame});
    EXPECT_EQ(tick.barWidth, c.expected);
    EXPECT_FALSE(tick.timeUp);
  }
}

TEST(ClockTick, TimeUpOnAnyReadingEndsTheTickThere) {
  // Half a second after a whole-second reading, with a sample due and the
  // warning never given: the end still comes first, and alone.
  SharedState state = runningSince(36000, 36059.5, 1);
  state.CasVzorku = 36054.9;
  state.ZvukPripraven = true;
  state.PocetVzorku = 10;
  const ClockTick tick =
      clockTick(state, {.now = 36060.0, .typedLength = 80, .barFrameWidth = kBarFrame});
  EXPECT_TRUE(tick.timeUp);
  EXPECT_EQ(tick.barWidth, kBarFrame);
  EXPECT_EQ(state.CasUkonceni, 36060);
  EXPECT_EQ(tick.minuteText, u"01");
  EXPECT_EQ(tick.secondText, u"00");
  EXPECT_FALSE(tick.playEndWarning);
  EXPECT_FALSE(tick.sampleTaken);
  EXPECT_EQ(state.PocetVzorku, 10);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36059.5);
  EXPECT_DOUBLE_EQ(state.CasVzorku, 36054.9);
}

TEST(ClockTick, JustBeforeTheEndTheRunGoesOn) {
  SharedState state = runningSince(36000, 36059.5, 1);
  const ClockTick tick = clockTick(state, {.now = 36059.999, .barFrameWidth = kBarFrame});
  EXPECT_FALSE(tick.timeUp);
  EXPECT_EQ(state.CasUkonceni, 0);
}

TEST(ClockTick, FrameOfNoWidthDoesNotEndTheRun) {
  SharedState state = runningSince(36000, 36008, 1);
  const ClockTick tick = clockTick(state, {.now = 36010, .barFrameWidth = 0});
  EXPECT_FALSE(tick.timeUp);
  EXPECT_EQ(tick.barWidth, 0);
}

TEST(ClockTick, SampleNeedsMoreThanFiveSecondsAndNoWholeSecond) {
  SharedState state = runningSince(36000, 36009.5);
  state.CasVzorku = 36005;
  const ClockTick exactlyFive = clockTick(state, {.now = 36010, .typedLength = 9});
  EXPECT_FALSE(exactlyFive.sampleTaken);
  EXPECT_EQ(state.PocetVzorku, 0);

  const ClockTick due = clockTick(state, {.now = 36010.01, .typedLength = 9});
  EXPECT_TRUE(due.sampleTaken);
  EXPECT_FALSE(due.secondText);  // not a whole-second reading
  EXPECT_EQ(state.PocetVzorku, 1);
  EXPECT_DOUBLE_EQ(state.CasVzorku, 36010.01);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36009.5);
}

// Takes one sample per entry, 5.5 s apart, typing to the given counts.
struct SampleStep {
  int typedLength;  // the input box of an exercise run
  int napsanyText;  // NapsanyText of a lesson run
  int pocetChyb;
};

void takeSamples(SharedState& state, const std::vector<SampleStep>& steps) {
  double now = 36000;
  for (const SampleStep& step : steps) {
    now += 5.5;
    state.NapsanyText.assign(static_cast<std::size_t>(step.napsanyText), u'a');
    state.PocetChyb = step.pocetChyb;
    ASSERT_TRUE(clockTick(state, {.now = now, .typedLength = step.typedLength}).sampleTaken);
  }
}

TEST(ClockTick, SamplesAreLabelledInFiveSecondSteps) {
  SharedState state = runningSince(36000, 36000);
  takeSamples(state, std::vector<SampleStep>(6, {10, 0, 0}));
  ASSERT_EQ(state.PocetVzorku, 6);
  const std::vector<std::u16string> labels{u"5 sec",  u"10 sec", u"15 sec",
                                           u"20 sec", u"25 sec", u"30 sec"};
  EXPECT_EQ(state.OsaRychlosti, labels);
  EXPECT_EQ(state.OsaChyb, labels);
}

TEST(ClockTick, SamplesHoldWhatWasTypedInEachInterval) {
  const struct {
    const char* name;
    TestKind kind;
    std::vector<SampleStep> steps;
    std::vector<int> speed;
    std::vector<std::optional<int>> errors;
  } cases[] = {
      {"exercise counts the input box, deleting gives 0",
       TestKind::Cviceni,
       {{20, 900, 4}, {35, 900, 4}, {30, 900, 4}, {40, 900, 4}},
       {20, 15, 0, 10},
       {std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
      {"lesson counts NapsanyText and the errors per interval",
       TestKind::Vyuka,
       {{999, 10, 1}, {999, 25, 3}, {999, 40, 3}, {999, 52, 7}},
       {10, 15, 15, 12},
       {1, 2, 0, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state = runningSince(36000, 36000);
    state.DruhTestu = c.kind;
    takeSamples(state, c.steps);
    EXPECT_EQ(state.VzorkyRychlosti, c.speed);
    EXPECT_EQ(state.VzorkyChyb, c.errors);
  }
}

TEST(ClockTick, FirstSampleOfARunStartsFromNothing) {
  // Counts left from an earlier run must not be subtracted from the first.
  SharedState state = runningSince(36000, 36000);
  state.DruhTestu = TestKind::Vyuka;
  state.DelkaPriVzorku = 50;
  state.ChybyPriVzorku = 9;
  takeSamples(state, {{0, 12, 2}});
  EXPECT_EQ(state.VzorkyRychlosti, std::vector<int>{12});
  EXPECT_EQ(state.VzorkyChyb, std::vector<std::optional<int>>{2});
  EXPECT_EQ(state.DelkaPriVzorku, 12);
  EXPECT_EQ(state.ChybyPriVzorku, 2);
}

// Everything one run showed, replayed with ticks of a fixed interval from the
// first reading until the run ended.
struct RunLog {
  std::vector<double> readings;  // as the clock gave them, after midnight from 0
  std::vector<double> offsets;   // from the first reading, not wrapped
  std::size_t endTick = 0;
  int warnings = 0;
  double warningElapsed = 0;
  std::vector<std::size_t> sampleTicks;
  ClockTick last;
};

RunLog replayRun(SharedState& state, double firstReading, double interval) {
  RunLog log;
  const auto typedPerSecond = 5.0;
  for (std::size_t k = 1; k < 200000; ++k) {
    const double offset = static_cast<double>(k) * interval;
    const double now = std::fmod(firstReading + offset, kSecondsPerDay);
    log.readings.push_back(now);
    log.offsets.push_back(offset);
    const auto typed = static_cast<int>(offset * typedPerSecond);
    const ClockTick tick =
        clockTick(state, {.now = now, .typedLength = typed, .barFrameWidth = kBarFrame});
    if (tick.playEndWarning) {
      ++log.warnings;
      log.warningElapsed = secondsSince(now, state.CasStartu);
    }
    if (tick.sampleTaken) log.sampleTicks.push_back(k - 1);
    if (tick.timeUp) {
      log.endTick = k - 1;
      log.last = tick;
      return log;
    }
  }
  ADD_FAILURE() << "the run never ended";
  return log;
}

TEST(ClockTick, OneMinuteRunEndsOnTheFirstReadingPastItsLength) {
  // The start is rounded to whole seconds, so a run lasts 59.5 to 60.5 s of
  // readings; samples come more than 5 s apart, so never more than 12. The
  // starts across midnight lie off the millisecond grid so that no reading
  // falls exactly on the end.
  const struct {
    const char* name;
    double firstReading;
    double interval;
    int samples;
  } cases[] = {
      {"1 ms, start rounded up half a second (60.5 s)", 36001.5, 0.001, 12},
      {"1 ms, start rounded down half a second (59.5 s)", 36000.5, 0.001, 11},
      {"1 ms, across midnight (60.3 s)", 86369.7004, 0.001, 12},
      {"16 ms, 60.5 s", 36001.5, 0.016, 12},
      {"16 ms, 59.5 s", 36000.5, 0.016, 11},
      {"16 ms, across midnight (60.3 s)", 86369.7004, 0.016, 12},
      {"50 ms, 59.5 s", 36000.5, 0.05, 11},
      {"50 ms, across midnight (59.6 s)", 86369.4004, 0.05, 11},
      {"90 ms, 60.5 s: twelfth sample at 60.48 s", 36001.5, 0.09, 12},
      {"90 ms, 59.5 s", 36000.5, 0.09, 11},
      {"90 ms, across midnight (60.3 s): twelfth sample too late", 86369.7004, 0.09, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state = startedRun(c.firstReading, 1);
    state.ZvukPripraven = true;
    const std::int32_t casStartu = state.CasStartu;
    const RunLog log = replayRun(state, c.firstReading, c.interval);

    // Ends on the first reading at least 60 s after CasStartu, not on the
    // next whole-second reading.
    for (std::size_t k = 0; k < log.endTick; ++k)
      ASSERT_LT(c.firstReading + log.offsets[k] - casStartu, 60) << "tick " << k;
    EXPECT_GE(c.firstReading + log.offsets[log.endTick] - casStartu, 60);
    EXPECT_EQ(state.CasUkonceni, (casStartu + 60) % 86400);
    EXPECT_EQ(log.last.barWidth, kBarFrame);
    EXPECT_EQ(log.last.minuteText, u"01");
    EXPECT_EQ(log.last.secondText, u"00");

    EXPECT_EQ(state.PocetVzorku, c.samples);
    ASSERT_EQ(log.sampleTicks.size(), static_cast<std::size_t>(c.samples));
    EXPECT_LT(log.sampleTicks.back(), log.endTick);
    double previous = c.firstReading;
    for (const std::size_t k : log.sampleTicks) {
      const double gap = secondsSince(log.readings[k], previous);
      EXPECT_GT(gap, 5) << "tick " << k;
      EXPECT_LE(gap, 5 + c.interval + 1e-6) << "tick " << k;
      previous = log.readings[k];
    }
    // Typing never went back, so the samples add up to the typed length.
    int total = 0;
    for (const int v : state.VzorkyRychlosti) total += v;
    EXPECT_EQ(total, state.DelkaPriVzorku);

    EXPECT_EQ(log.warnings, 1);
    EXPECT_GT(log.warningElapsed, 54);
    EXPECT_LE(log.warningElapsed, 55 + c.interval + 1e-6);
  }
}

TEST(ClockTick, EndWarningOnceEvenWhenNoReadingFallsInItsSecond) {
  // Whole-second readings are more than a second apart, so these two jump
  // over the second from 54 to 55 s of a 1-minute run.
  const struct {
    const char* name;
    double before;  // elapsed at the last whole-second reading
    double after;   // elapsed at the next one
  } cases[] = {
      {"from exactly 54 to just past 55", 54.0, 55.02},
      {"from just under 54 to just past 55", 53.99, 55.01},
      {"into the second", 53.5, 54.52},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state = runningSince(36000, 36000 + c.before, 1);
    state.ZvukPripraven = true;
    EXPECT_FALSE(clockTick(state, {.now = 36000 + c.before + 0.5}).playEndWarning);
    EXPECT_TRUE(clockTick(state, {.now = 36000 + c.after}).playEndWarning);
    EXPECT_FALSE(clockTick(state, {.now = 36000 + c.after + 1.05}).playEndWarning);
    EXPECT_FALSE(clockTick(state, {.now = 36000 + c.after + 2.10}).playEndWarning);
  }
}

TEST(ClockTick, EndWarningOnlyWithSoundAndTheOptionOn) {
  const struct {
    const char* name;
    bool zvukPripraven;
    std::string zvukKonecB;
    int minutes;
    int warnings;
  } cases[] = {
      {"sound ready, option on", true, "1", 1, 1},
      {"five-minute run", true, "1", 5, 1},
      {"option compared as a number", true, "01", 1, 1},
      {"no sound output", false, "1", 1, 0},
      {"option off", true, "0", 1, 0},
      {"option empty", true, "", 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state = startedRun(36000.3, c.minutes);
    state.ZvukPripraven = c.zvukPripraven;
    state.nastaveni.ZvukKonecB = c.zvukKonecB;
    const RunLog log = replayRun(state, 36000.3, 0.016);
    EXPECT_EQ(log.warnings, c.warnings);
    if (c.warnings == 1) {
      EXPECT_GT(log.warningElapsed, c.minutes * 60 - 6);
    }
  }
}

TEST(ClockTick, RunAcrossMidnight) {
  SharedState state = startedRun(86398.8, 1, TestKind::Vyuka);
  ASSERT_EQ(state.CasStartu, 86399);

  const ClockTick afterMidnight = clockTick(state, {.now = 0.3, .barFrameWidth = 6000});
  EXPECT_EQ(afterMidnight.secondText, u"01");  // 1.3 s
  EXPECT_EQ(afterMidnight.barWidth, 130);
  EXPECT_FALSE(afterMidnight.timeUp);

  state.NapsanyText = u"abcdefgh";
  EXPECT_FALSE(clockTick(state, {.now = 3.7}).sampleTaken);  // 4.9 s since the first reading
  EXPECT_TRUE(clockTick(state, {.now = 3.9}).sampleTaken);   // 5.1 s
  EXPECT_EQ(state.PocetVzorku, 1);
  EXPECT_EQ(state.VzorkyRychlosti, std::vector<int>{8});

  const ClockTick end = clockTick(state, {.now = 59.0, .barFrameWidth = 6000});
  EXPECT_TRUE(end.timeUp);
  EXPECT_EQ(state.CasUkonceni, 59);
}

TEST(InactivityTick, EndsAfterZastavIdleSeconds) {
  const struct {
    const char* name;
    int zastav;
    int keystrokeAfterTick;  // 0: no keystroke
    int endsOnTick;          // 0: never within 1000 ticks
  } cases[] = {
      {"six idle seconds", 6, 0, 6},
      {"three idle seconds", 3, 0, 3},
      {"a keystroke restarts the count", 6, 4, 10},
      {"a keystroke just before the end", 6, 5, 11},
      {"Zastav 0 never ends the run", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state;
    state.nastaveni.Zastav = c.zastav;
    int endedOn = 0;
    for (int tick = 1; tick <= 1000 && endedOn == 0; ++tick) {
      if (inactivityTick(state, 36000.5 + tick)) endedOn = tick;
      if (tick == c.keystrokeAfterTick) state.NecinnostTiku = 0;
    }
    EXPECT_EQ(endedOn, c.endsOnTick);
    if (c.endsOnTick != 0) {
      EXPECT_EQ(state.CasUkonceni,
                static_cast<std::int32_t>(roundHalfEven(36000.5 + c.endsOnTick)));
    } else {
      EXPECT_EQ(state.CasUkonceni, 0);
    }
  }
}

TEST(InactivityTick, RoundsTheEndHalfToEven) {
  SharedState state;
  state.nastaveni.Zastav = 1;
  ASSERT_TRUE(inactivityTick(state, 36006.5));
  EXPECT_EQ(state.CasUkonceni, 36006);
}

// Only the speed could be computed: the error values stay empty.
LimitTick speedShown(int barWidth, std::optional<int> speed = std::nullopt) {
  LimitTick shown;
  shown.speedBarWidth = barWidth;
  shown.speed = speed;
  return shown;
}

struct LimitCase {
  const char* name;
  std::string limityVisible = "1";
  int typed = 100;  // length of NapsanyText
  std::int32_t errors = 3;
  int speedLimit = 150;
  int errorLimit = 2;
  std::int32_t casStartu = 36000;
  double now = 36060;
  LimitTick expected;
};

TEST(LimitTick, SpeedAndErrorsAgainstTheLimits) {
  const LimitCase cases[] = {
      {.name = "below the speed limit: percentage rounded down, half twip to even",
       .expected = {.speedBarWidth = 770,  // 100 of 150 fills a third: 650 + 120
                    .speed = 100,
                    .errorBarWidth = 1582,  // 1582.5
                    .errorPercent = toFixed4(3),
                    .speedAgainstLimit = -34,  // -33.3
                    .errorsAgainstLimit = toFixed4(50)}},
      {.name = "speed rounded down, percentages from the shown error percent",
       .typed = 300,
       .errors = 1,
       .speedLimit = 160,
       .errorLimit = 1,
       .now = 36070,
       .expected = {.speedBarWidth = 1687,  // 257.14 per minute: 1686.96
                    .speed = 257,
                    .errorBarWidth = 445,
                    .errorPercent = 3333,  // 0.3333
                    .speedAgainstLimit = 60,
                    .errorsAgainstLimit = toFixed4(-66.67)}},
      {.name = "exactly at both limits",
       .typed = 200,
       .errors = 4,
       .speedLimit = 200,
       .errorLimit = 2,
       .expected = {.speedBarWidth = 1095,
                    .speed = 200,
                    .errorBarWidth = 1095,
                    .errorPercent = toFixed4(2),
                    .speedAgainstLimit = 0,
                    .errorsAgainstLimit = 0}},
      {.name = "across midnight",
       .casStartu = 86370,
       .now = 30,
       .expected = {.speedBarWidth = 770,
                    .speed = 100,
                    .errorBarWidth = 1582,
                    .errorPercent = toFixed4(3),
                    .speedAgainstLimit = -34,
                    .errorsAgainstLimit = toFixed4(50)}},
      {.name = "a negative limit still rounds towards minus infinity",
       .speedLimit = -150,
       .expected = {.speedBarWidth = -530,
                    .speed = 100,
                    .errorBarWidth = 1582,
                    .errorPercent = toFixed4(3),
                    .speedAgainstLimit = -167,  // -166.7
                    .errorsAgainstLimit = toFixed4(50)}},
      {.name = "limits not shown", .limityVisible = "0", .expected = {}},
      {.name = "no keystroke yet", .typed = 0, .errors = 0, .expected = {}},
      {.name = "no time elapsed", .now = 36000, .expected = {}},
      {.name = "a reading before the rounded start", .now = 35999.7, .expected = {}},
      {.name = "speed limit 0", .speedLimit = 0, .expected = {}},
      {.name = "error limit 0 keeps the speed", .errorLimit = 0, .expected = speedShown(770, 100)},
      {.name = "speed beyond the integers keeps only its bar",
       .typed = 50,
       .speedLimit = 1500000000,
       .now = 36000.000001,
       .expected = speedShown(2070)},
      {.name = "error bar beyond the integers keeps the speed",
       .typed = 1,
       .errors = 2000000000,
       .speedLimit = 160,
       .errorLimit = 1,
       .expected = speedShown(126, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedState state;
    state.DruhTestu = TestKind::Vyuka;
    state.nastaveni.LimityVisible = c.limityVisible;
    state.NapsanyText.assign(static_cast<std::size_t>(c.typed), u'a');
    state.PocetChyb = c.errors;
    state.LimitRychlostiTestu = c.speedLimit;
    state.LimitChybTestu = c.errorLimit;
    state.CasStartu = c.casStartu;
    const LimitTick shown = limitTick(
        state, {.now = c.now, .speedFrameWidth = kLimitFrame, .errorFrameWidth = kLimitFrame});
    EXPECT_EQ(shown.speedBarWidth, c.expected.speedBarWidth);
    EXPECT_EQ(shown.speed, c.expected.speed);
    EXPECT_EQ(shown.errorBarWidth, c.expected.errorBarWidth);
    EXPECT_EQ(shown.errorPercent, c.expected.errorPercent);
    EXPECT_EQ(shown.speedAgainstLimit, c.expected.speedAgainstLimit);
    EXPECT_EQ(shown.errorsAgainstLimit, c.expected.errorsAgainstLimit);
  }
}

}  // namespace
}  // namespace tymba
