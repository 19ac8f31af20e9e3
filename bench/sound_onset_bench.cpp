// How soon a click is heard: from the key event in the click test window to
// the first loud sample leaving a null sink of a private sound server
// (tools/nullsink.sh), as recorded from its monitor. The moment a sample
// left is taken as the arrival of its recorded block less the samples after
// it, so the figures include the recording's own delay: an upper bound.
// Counters: the median and the 95th percentile over the clicks, in ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <random>

#include "media/audiosinkcues.h"
#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/sinkmonitor.h"
#include "ui/frmTestKlik.h"

namespace {

using namespace tymba;
using namespace tymba::testing;

void BM_ClickOnset(benchmark::State& state) {
  WindowFixture fx;
  AudioSinkCues cues;
  AppContext context{fx.state,    fx.clock,           fx.messages, fx.dialogs, fx.files,
                     fx.settings, fx.context.folders, cues,        fx.player};
  if (!cues.setUp()) return state.SkipWithError("no sound server");
  fx.state.ZvukInicializovan = true;
  frmTestKlik window(context, 1, nullptr);  // the beep: loud from its first sample
  auto* box = window.findChild<TypingBox*>(QStringLiteral("txtTest"));
  SinkMonitor monitor;
  std::minstd_rand random(14);
  std::vector<double> latencies;
  for (auto _ : state) {
    // At a random moment, so the key falls anywhere between two top-ups.
    QTest::qWait(80 + int(random() % 70));
    const std::size_t before = monitor.samples.size();
    const SteadyTime pressed = std::chrono::steady_clock::now();
    typeText(box, QStringLiteral("a"));
    QTest::qWaitFor([&] { return !monitor.onsets(before).empty(); }, 1000);
    const std::vector<std::size_t> heard = monitor.onsets(before);
    if (heard.empty()) return state.SkipWithError("a click was not heard");
    const double seconds =
        std::chrono::duration<double>(monitor.heardAt(heard.front()) - pressed).count();
    state.SetIterationTime(std::max(seconds, 0.0));
    latencies.push_back(seconds * 1000.0);
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
}
BENCHMARK(BM_ClickOnset)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
