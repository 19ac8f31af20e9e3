// The clock ticks every millisecond and the limits every 50 ms of a lesson
// run, so each tick must cost next to nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "core/runclock.h"
#include "core/sharedstate.h"

namespace {

// Ten minutes into a 30-minute lesson: 2400 keystrokes, 35 errors, 120 samples.
tymba::SharedState lessonTenMinutesIn() {
  tymba::SharedState state;
  state.DruhTestu = tymba::TestKind::Vyuka;
  state.DobaTestu = 30;
  state.LimitRychlostiTestu = 160;
  state.LimitChybTestu = 1;
  state.TestBezi = true;
  state.ZvukPripraven = true;
  state.CasStartu = 36000;
  state.NapsanyText.assign(2400, u'a');
  state.PocetChyb = 35;
  for (int n = 1; n <= 120; ++n) {
    const std::string label = std::to_string(n * 5) + " sec";
    state.OsaRychlosti.emplace_back(label.begin(), label.end());
    state.OsaChyb.push_back(state.OsaRychlosti.back());
    state.VzorkyRychlosti.push_back(20);
    state.VzorkyChyb.emplace_back(0);
  }
  state.PocetVzorku = 120;
  state.DelkaPriVzorku = 2380;
  state.ChybyPriVzorku = 34;
  return state;
}

// The common tick: less than a second since the last whole-second reading.
void BM_ClockTickBetweenSeconds(benchmark::State& bench) {
  tymba::SharedState state = lessonTenMinutesIn();
  state.CasTiku = 36600.2;
  state.CasVzorku = 36598.0;
  for (auto _ : bench) {
    const tymba::ClockTick tick = clockTick(state, {.now = 36600.9, .barFrameWidth = 9000});
    benchmark::DoNotOptimize(tick);
  }
}
BENCHMARK(BM_ClockTickBetweenSeconds);

// The busiest tick: a whole second with the clock texts, the bar and a sample.
void BM_ClockTickWholeSecondWithSample(benchmark::State& bench) {
  tymba::SharedState state = lessonTenMinutesIn();
  for (auto _ : bench) {
    state.CasTiku = 36599.0;
    state.CasVzorku = 36595.0;
    const tymba::ClockTick tick = clockTick(state, {.now = 36600.1, .barFrameWidth = 9000});
    benchmark::DoNotOptimize(tick);
    // Take the sample back so the arrays keep their size (four pops, counted
    // in the time: pausing the timer would cost more than the tick).
    --state.PocetVzorku;
    state.OsaRychlosti.pop_back();
    state.OsaChyb.pop_back();
    state.VzorkyRychlosti.pop_back();
    state.VzorkyChyb.pop_back();
  }
}
BENCHMARK(BM_ClockTickWholeSecondWithSample);

void BM_LimitTick(benchmark::State& bench) {
  const tymba::SharedState state = lessonTenMinutesIn();
  for (auto _ : bench) {
    const tymba::LimitTick shown =
        limitTick(state, {.now = 36600.35, .speedFrameWidth = 1950, .errorFrameWidth = 1950});
    benchmark::DoNotOptimize(shown);
  }
}
BENCHMARK(BM_LimitTick);

}  // namespace
