// The options are loaded while the splash window is up, from the settings file
// on disk, so a start with every option stored must stay far below a frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/sharedstate.h"
#include "storage/inisettingsstore.h"
#include "storage/optionsstartup.h"

namespace {

namespace fs = std::filesystem;

// A start after the first: every option and a few identities stored. Each
// round reads the file through a new store, as a new start of the program does.
void BM_StartupLoadFullSettingsFile(benchmark::State& bench) {
  const fs::path folder =
      fs::temp_directory_path() / ("tymba-startup-bench-" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  const fs::path file = folder / "Tymba.ini";
  {
    tymba::IniSettingsStore firstRun(file);
    tymba::SharedState state;
    tymba::loadOptionsAtStartup(firstRun, state, {folder, folder});
    for (const char* name : {"Petr", "Jana", "Pavel", "Marie", "Tomáš"}) {
      firstRun.write("Uzivatele", name, "heslo");
    }
  }

  tymba::SharedState state;
  state.ZvukPripraven = true;
  for (auto _ : bench) {
    tymba::IniSettingsStore store(file);
    const tymba::OptionsLoad load = tymba::loadOptionsAtStartup(store, state, {folder, folder});
    benchmark::DoNotOptimize(load.applied.data());
  }

  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(BM_StartupLoadFullSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
