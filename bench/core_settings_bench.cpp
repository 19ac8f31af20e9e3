// A settings file may hold many keys (identities, or a file edited by hand):
// reading it must take time in proportion to its size, so that a start with
// 20,000 keys stays within 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/sharedstate.h"
#include "storage/inisettingsstore.h"
#include "storage/optionsstartup.h"

namespace {

namespace fs = std::filesystem;

// Every option stored, then keys more in both sections. Each round reads the
// file through a new store, as a new start of the program does.
void BM_StartupLoadManyKeys(benchmark::State& bench) {
  const fs::path folder = fs::temp_directory_path() /
                          ("tymba-settings-bench-" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  const fs::path file = folder / "Tymba.ini";
  tymba::SharedState state;
  state.ZvukPripraven = true;
  {
    tymba::IniSettingsStore firstRun(file);
    tymba::loadOptionsAtStartup(firstRun, state, {folder, folder});
  }
  {
    std::ofstream more(file, std::ios::app);
    const auto keys = bench.range(0);
    for (int section = 0; section < 2; ++section) {
      more << (section == 0 ? "[Moznosti]\n" : "[Uzivatele]\n");
      for (auto n = 0; n < keys / 2; ++n) more << "Klic" << n << "=hodnota " << n << '\n';
    }
  }

  for (auto _ : bench) {
    tymba::IniSettingsStore store(file);
    const tymba::OptionsLoad load = tymba::loadOptionsAtStartup(store, state, {folder, folder});
    benchmark::DoNotOptimize(load.applied.data());
  }
  bench.SetItemsProcessed(bench.iterations() * bench.range(0));

  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(BM_StartupLoadManyKeys)->Arg(2'500)->Arg(20'000)->Unit(benchmark::kMillisecond);

}  // namespace
