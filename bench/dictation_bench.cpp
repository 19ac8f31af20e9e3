// How promptly the dictation player answers its two timed commands, on a null
// sink of a private sound server (tools/nullsink.sh) recorded from its
// monitor, playing a steady tone:
// - Play: from the command to the first loud sample leaving the sink, after
//   Stop ("Spusť" after "Zastav") and after a new start position (F1 and
//   "Previň o 5 s" step back; then "Spusť");
// - Stop (what F1 does while playing): from the command to the last loud
//   sample leaving the sink.
// The moment a sample left is taken as the arrival of its recorded block less
// the samples after it, so both figures include the recording's own delay: an
// upper bound. Counters: the median and the 95th percentile, in ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <random>

#include "media/mediadictationplayer.h"
#include "tests/ui/support/sinkmonitor.h"

namespace {

using namespace tymba;
using namespace tymba::testing;

constexpr int kLoud = 4000;

void report(benchmark::State& state, std::vector<double> milliseconds) {
  std::sort(milliseconds.begin(), milliseconds.end());
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
  state.counters["p95_ms"] = milliseconds[milliseconds.size() * 95 / 100];
}

double since(SteadyTime start, SteadyTime end) {
  return std::max(std::chrono::duration<double>(end - start).count(), 0.0);
}

enum class Timed { Play, PlayFrom, Stop };

// Each iteration plays for a moment, then stops; `timed` says which command
// is timed, and whether the playback steps back a second before it starts.
void timeCommands(benchmark::State& state, Timed timed) {
  const bool timePlay = timed != Timed::Stop;
  QTemporaryDir folder;
  const std::filesystem::path tone = folder.filePath(QStringLiteral("tone.wav")).toStdString();
  MediaDictationPlayer player;
  if (writeTone(tone, 40000) < 0 || !player.open(tone)) return state.SkipWithError("no player");
  SinkMonitor monitor;
  // A fresh sound server renders its null sink far ahead at first; the
  // figures are taken once it keeps pace.
  player.command(PlayerCommand::Play);
  if (!QTest::qWaitFor([&] { return !monitor.onsets().empty(); }, 5000))
    return state.SkipWithError("the recording was not heard");
  player.command(PlayerCommand::Prev);
  std::minstd_rand random(16);
  std::vector<double> latencies;
  for (auto _ : state) {
    // At a random moment, so the command falls anywhere in the sink's cycle.
    QTest::qWait(100 + int(random() % 70));
    if (timed == Timed::PlayFrom)
      player.setStartPosition(std::max<std::int64_t>(player.position() - 1000, 0));
    std::size_t before = monitor.samples.size();
    SteadyTime issued = std::chrono::steady_clock::now();
    player.command(PlayerCommand::Play);
    if (!QTest::qWaitFor([&] { return !monitor.onsets(before).empty(); }, 1000))
      return state.SkipWithError("the recording was not heard");
    double seconds = since(issued, monitor.heardAt(monitor.onsets(before).front()));
    QTest::qWait(100 + int(random() % 70));
    if (!timePlay) {
      before = monitor.samples.size();
      issued = std::chrono::steady_clock::now();
    }
    player.command(PlayerCommand::Stop);
    QTest::qWait(300);
    const auto& heard = monitor.samples;
    const auto last = std::find_if(heard.rbegin(), heard.rend() - std::ptrdiff_t(before),
                                   [](std::int16_t sample) { return std::abs(sample) > kLoud; });
    // No loud sample after the command: it stopped before the next block left.
    if (!timePlay && last != heard.rend() - std::ptrdiff_t(before))
      seconds = since(issued, monitor.heardAt(std::size_t(heard.rend() - last) - 1));
    else if (!timePlay)
      seconds = 0.0;
    if (player.position() > 30000) player.command(PlayerCommand::Prev);
    state.SetIterationTime(seconds);
    latencies.push_back(seconds * 1000.0);
  }
  report(state, latencies);
}

void BM_DictationPlay(benchmark::State& state) { timeCommands(state, Timed::Play); }
void BM_DictationPlayFrom(benchmark::State& state) { timeCommands(state, Timed::PlayFrom); }
void BM_DictationStop(benchmark::State& state) { timeCommands(state, Timed::Stop); }
BENCHMARK(BM_DictationPlay)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DictationPlayFrom)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DictationStop)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
