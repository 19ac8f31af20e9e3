// The history browser lists a user's whole history when it opens: 1,000 tests
// of 2,000 characters each must be read and listed within 20 ms. Each test
// appends its record, flushed to the disk, within 5 ms, also to a long history.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "storage/testrecord.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, on the disk.
struct BenchFolder {
  BenchFolder()
      : path(fs::temp_directory_path() /
             ("tymba-records-bench-" + std::to_string(std::random_device()()))) {
    fs::create_directories(path);
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

// A typed text of 2,000 characters in lines of 50, as a long test gives.
tymba::TestRecord longTest(int n) {
  std::u16string typed;
  while (typed.size() < 2000) typed += u"Příliš žluťoučký kůň úpěl ďábelské ódy, Šárka 42\r\n";
  typed.resize(2000);
  std::u16string marked = typed;
  for (std::size_t at = static_cast<std::size_t>(n) % 97; at < marked.size(); at += 97)
    marked[at] = u'_';
  return tymba::makeRecord(u"Test " + std::u16string(1, static_cast<char16_t>(u'A' + n % 26)),
                           u"3.12.2026", u"23:39:39",
                           {u"2104", u"21", u"10 : 00", u"1580", u"158", u"1,05"}, typed, marked);
}

std::vector<tymba::TestRecord> history(int count) {
  std::vector<tymba::TestRecord> records;
  for (int n = 0; n < count; ++n) records.push_back(longTest(n));
  return records;
}

void BM_ReadHistoryIntoList(benchmark::State& bench) {
  BenchFolder folder;
  const fs::path file = folder.path / "historie.ide";
  tymba::rewriteRecords(file, history(static_cast<int>(bench.range(0))));
  for (auto _ : bench) {
    const std::vector<tymba::TestRecord> records = tymba::readRecords(file);
    std::vector<std::u16string> entries;
    entries.reserve(records.size());
    for (const tymba::TestRecord& record : records) {
      const auto fields = tymba::headerFields(record);
      entries.push_back(fields[0] + fields[1] + fields[2]);
    }
    benchmark::DoNotOptimize(entries.data());
  }
  bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_ReadHistoryIntoList)->Arg(1'000)->Unit(benchmark::kMillisecond);

// Real time: the time waited for the disk is the point.
void BM_AppendRecordFlushed(benchmark::State& bench) {
  BenchFolder folder;
  const fs::path file = folder.path / "historie.ide";
  tymba::rewriteRecords(file, history(static_cast<int>(bench.range(0))));
  const tymba::TestRecord record = longTest(7);
  for (auto _ : bench) tymba::appendRecord(file, record);
}
BENCHMARK(BM_AppendRecordFlushed)->Arg(0)->Arg(1'000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
