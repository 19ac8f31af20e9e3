// Opening the detailed evaluation of a 30-minute exercise run (360 samples,
// a protocol of 15,000 characters), from the click to the window painted
// (offscreen) with its charts laid out.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "tests/ui/support/windowfixture.h"
#include "ui/frmVyhodnoceni.h"

namespace {

void fillLongExerciseRun(tymba::SharedState& stav) {
  stav.DruhTestu = tymba::TestKind::Cviceni;
  stav.NazevTestu = u"Hájovna";
  const std::u16string line = u"Příliš žluťoučký kůň úpěl ďábelské ódy, hájovna stojí u lesa.\r\n";
  while (stav.ProtokolNapsany.size() < 15000) stav.ProtokolNapsany += line;
  stav.ProtokolOznaceny = stav.ProtokolNapsany;
  for (std::size_t i = 7; i < stav.ProtokolOznaceny.size(); i += 97)
    stav.ProtokolOznaceny[i] = u'_';
  for (int n = 1; n <= 360; ++n) {
    const std::string label = std::to_string(5 * n) + " sec";
    stav.OsaRychlosti.emplace_back(label.begin(), label.end());
    stav.VzorkyRychlosti.push_back(30 + n % 17);
  }
  stav.PocetVzorku = 360;
  const char16_t* wrong = u"abcdefghijklmnopqrstu";
  for (int n = 0; n < 20; ++n)
    stav.ChybneZnaky[n] = std::u16string(1, wrong[n]), stav.CetnostChyb[n] = n + 1;
}

void BM_OpenEvaluationWindow(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  fillLongExerciseRun(fx.state);
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

}  // namespace
