// Opening the options window from the menu, from the click to the window
// painted (offscreen): the stored options read again and every control set.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "tests/ui/support/windowfixture.h"
#include "ui/frmMoznosti.h"
#include "ui/frmZaklad.h"

namespace {

void BM_OpenOptionsWindow(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::frmZaklad window(fx.context);
  window.resize(960, 700);
  window.show();
  QApplication::processEvents();
  auto* item = window.findChild<QAction*>(QStringLiteral("miMoznosti"));
  for (auto _ : state) {
    item->trigger();
    auto* options = fx.dialogs.last<tymba::frmMoznosti>();
    options->repaint();
    state.PauseTiming();
    options->close();  // deleted on close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenOptionsWindow)->Unit(benchmark::kMillisecond);

}  // namespace
