// Decoding and encoding a long exercise text: every file load and save pays it.
#include <benchmark/benchmark.h>

#include <string>

#include "core/cp1250.h"

namespace {

void BM_DecodeEncode30MinuteText(benchmark::State& state) {
  std::u16string text;
  while (text.size() < 12000) text += u"Příliš žluťoučký kůň úpěl ďábelské ódy.\r\n";
  const std::string bytes = tymba::encodeCp1250(text);
  for (auto _ : state) {
    const std::u16string decoded = tymba::decodeCp1250(bytes);
    benchmark::DoNotOptimize(tymba::encodeCp1250(decoded));
  }
}
BENCHMARK(BM_DecodeEncode30MinuteText);

}  // namespace
