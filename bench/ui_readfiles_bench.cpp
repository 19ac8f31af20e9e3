// Loading a 30-minute exercise text into the main window: reading the file,
// laying out the three stacked copies and painting them (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "storage/textfile.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/frmZaklad.h"

namespace {

void BM_ReadFiles12000Characters(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::frmZaklad window(fx.context);
  window.resize(960, 700);
  window.show();
  QApplication::processEvents();

  std::u16string text;
  const std::u16string sentence =
      u"Řeka se klikatila údolím, kolem mlýnů a jezů, až k městu pod kopcem. ";
  while (text.size() < 12000) {
    text += sentence;
    if (text.size() % 900 < sentence.size()) text += u"\r\n";
  }
  std::filesystem::create_directories(fx.context.folders.shipped / "cviceni");
  tymba::writeText(fx.context.folders.shipped / "cviceni" / "Řeka.txt", text);

  for (auto _ : state) {
    if (!window.ReadFiles(u"Řeka")) {
      state.SkipWithError("the text could not be loaded");
      break;
    }
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ReadFiles12000Characters)->Unit(benchmark::kMillisecond);

}  // namespace
