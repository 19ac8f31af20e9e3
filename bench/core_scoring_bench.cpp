// Scoring an ended exercise run: the result window shows its values at once.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

#include "core/cp1250.h"
#include "core/scoring.h"
#include "core/sharedstate.h"

namespace {

// Czech-like typed text with capitals, accents, digits and a line break
// about every 60 characters.
std::u16string makeTyped(std::size_t length, std::mt19937& random) {
  static constexpr std::u16string_view letters = u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvyýzž";
  std::u16string text;
  std::size_t lineStart = 0;
  while (text.size() < length) {
    const std::size_t word = 2 + random() % 7;
    for (std::size_t n = 0; n < word; ++n) {
      char16_t c = letters[random() % letters.size()];
      if (n == 0 && random() % 8 == 0) c = tymba::toUpperCp1250(c);
      if (random() % 40 == 0) c = static_cast<char16_t>(u'0' + random() % 10);
      text += c;
    }
    if (random() % 10 == 0) text += u',';
    if (text.size() - lineStart > 60) {
      text += u"\r\n";
      lineStart = text.size();
    } else {
      text += u' ';
    }
  }
  text.resize(length);
  return text;
}

// About 2% of the positions marked, some in runs, some as left-out text and
// some on line breaks, as the alignment leaves them.
tymba::SharedState makeRun(const std::u16string& typed, std::mt19937& random) {
  tymba::SharedState state;
  state.DruhTestu = tymba::TestKind::Cviceni;
  state.ZtrataUhozu = 20;
  state.CasZahajeni = 36000;
  state.CasUkonceni = 36000 + 30 * 60;
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  for (std::size_t x = 0; x < typed.size(); ++x) {
    if (chance(random) >= 0.015) continue;
    const std::size_t run = random() % 4 == 0 ? 1 + random() % 4 : 1;
    for (std::size_t k = 0; k < run && x < typed.size(); ++k, ++x) {
      const bool gap = random() % 5 == 0;
      tymba::appendError(state, static_cast<int>(x + 1),
                         gap ? std::u16string(u" ") : std::u16string(1, typed[x]));
    }
  }
  return state;
}

void BM_ScoreRun15000Characters2PercentErrors(benchmark::State& state) {
  std::mt19937 random(2024);
  const std::u16string typed = makeTyped(15000, random);
  const tymba::SharedState run = makeRun(typed, random);
  for (auto _ : state) {
    tymba::SharedState shared = run;  // the copy is timed too: a few microseconds
    const tymba::ScoredTexts texts = tymba::scoreRun(shared, typed);
    benchmark::DoNotOptimize(texts.markedCopy.data());
    benchmark::DoNotOptimize(shared.HrubeUhozy);
  }
  state.counters["marks"] = run.PocetChyb;
}
BENCHMARK(BM_ScoreRun15000Characters2PercentErrors)->Unit(benchmark::kMillisecond);

void BM_GrossKeystrokes15000Characters(benchmark::State& state) {
  std::mt19937 random(7);
  const std::u16string typed = makeTyped(15000, random);
  for (auto _ : state) benchmark::DoNotOptimize(tymba::grossKeystrokes(typed));
}
BENCHMARK(BM_GrossKeystrokes15000Characters)->Unit(benchmark::kMillisecond);

// A typed text whose every line break is marked (typed where the target runs
// on): each becomes one blank in the protocol, 400,000 of them here.
void BM_ScoreRun400000WrongLineBreaks(benchmark::State& state) {
  constexpr int kLines = 400000;
  std::u16string typed;
  tymba::SharedState run;
  run.DruhTestu = tymba::TestKind::Cviceni;
  run.ZtrataUhozu = 20;
  for (int line = 0; line < kLines; ++line) {
    typed += u"slovo\r\n";
    tymba::appendError(run, static_cast<int>(typed.size()), u"\n");
  }
  for (auto _ : state) {
    tymba::SharedState shared = run;
    const tymba::ScoredTexts texts = tymba::scoreRun(shared, typed);
    benchmark::DoNotOptimize(shared.ProtokolNapsany.data());
    benchmark::DoNotOptimize(texts.markedCopy.data());
  }
}
BENCHMARK(BM_ScoreRun400000WrongLineBreaks)->Unit(benchmark::kMillisecond);

}  // namespace
