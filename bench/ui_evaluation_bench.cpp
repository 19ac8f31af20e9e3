// Opening the detailed evaluation of a 30-minute exercise run (360 samples,
// a protocol of 15,000 characters), from the click to the window painted
// (offscreen) with its charts laid out; and writing its PDF.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "tests/ui/support/longrun.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/evaluationpdf.h"
#include "ui/frmVyhodnoceni.h"

namespace {

void BM_OpenEvaluationWindow(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::testing::fillLongExerciseRun(fx.state);
  for (auto _ : state) {
    auto* evaluation = new tymba::frmVyhodnoceni(fx.context);
    evaluation->Form_Load();
    fx.dialogs.run(*evaluation);
    QApplication::processEvents();
    evaluation->repaint();
    state.PauseTiming();
    evaluation->close();  // deleted on close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenEvaluationWindow)->Unit(benchmark::kMillisecond);

// Writing the PDF of the same run, into memory.
void BM_EvaluationPdf(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::testing::fillLongExerciseRun(fx.state);
  for (auto _ : state) benchmark::DoNotOptimize(tymba::evaluationPdf(fx.state));
}
BENCHMARK(BM_EvaluationPdf)->Unit(benchmark::kMillisecond);

}  // namespace
