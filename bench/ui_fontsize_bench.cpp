// Switching the text size of the main window with a 10,000-character
// exercise text on show: the fonts, the bands, the three copies wrapped and
// stacked anew, and the window painted (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "tests/ui/support/windowfixture.h"
#include "ui/frmZaklad.h"

namespace {

void BM_SwitchFontSize10000Characters(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::frmZaklad window(fx.context);
  window.resize(1366, 768);
  window.show();
  QApplication::processEvents();

  std::u16string text;
  for (int line = 0; text.size() < 10000; ++line)
    text += line % 12 == 11 ? u"\r\n" : u"Vlak projel tunelem a za ním se otevřelo údolí s řekou. ";
  window.showTargetText(text);
  QApplication::processEvents();

  bool large = false;
  for (auto _ : state) {
    large = !large;
    if (large)
      window.VelkePismo();
    else
      window.MalePismo();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SwitchFontSize10000Characters)->Unit(benchmark::kMillisecond);

}  // namespace
