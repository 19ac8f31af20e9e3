// Runs the window benchmarks inside a QApplication (offscreen when
// QT_QPA_PLATFORM says so).
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
