// The alignment of a long exercise run: the result window waits for it.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

#include "core/alignment.h"
#include "core/sharedstate.h"

namespace {

// Czech-like prose: words made of syllables, capitals after a full stop,
// numbers, punctuation and a line break about every 60 characters.
std::u16string makeTarget(std::size_t length, std::mt19937& random) {
  static const std::u16string syllables[] = {
      u"ko",  u"ně", u"při", u"liš", u"žlu", u"ťou", u"čký", u"ú",  u"pěl", u"ďá", u"bel", u"ské",
      u"ó",   u"dy", u"ma",  u"to",  u"va",  u"ří",  u"se",  u"ne", u"po",  u"dá", u"vá",  u"ho",
      u"stů", u"ji", u"mi",  u"na",  u"šel", u"by",  u"lo",  u"zá", u"kon", u"ce", u"mě",  u"sto"};
  std::u16string text;
  std::size_t lineStart = 0;
  bool capital = true;
  while (text.size() < length) {
    std::u16string word;
    if (random() % 25 == 0) {
      word = std::u16string(1, static_cast<char16_t>(u'1' + random() % 9)) + u"0";
    } else {
      const int count = 1 + static_cast<int>(random() % 3);
      for (int n = 0; n < count; ++n) word += syllables[random() % std::size(syllables)];
      if (capital && word[0] >= u'a' && word[0] <= u'z')
        word[0] = static_cast<char16_t>(word[0] - 32);
    }
    capital = false;
    text += word;
    switch (random() % 12) {
      case 0:
        text += u'.';
        capital = true;
        break;
      case 1:
        text += u',';
        break;
      default:
        break;
    }
    if (text.size() - lineStart > 60) {
      text += u"\r\n";
      lineStart = text.size();
    } else {
      text += u' ';
    }
  }
  return text;
}

// About 2% of the characters typed wrong: another letter, one too many, one
// left out or two swapped.
std::u16string makeTyped(const std::u16string& target, std::mt19937& random) {
  std::u16string typed;
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  for (std::size_t x = 0; x < target.size(); ++x) {
    const char16_t c = target[x];
    if (c == u'\r' || c == u'\n' || chance(random) >= 0.02) {
      typed += c;
      continue;
    }
    switch (random() % 4) {
      case 0:
        typed += u"qwěšx"[random() % 5];
        break;
      case 1:
        typed += c;
        typed += u"asdfř"[random() % 5];
        break;
      case 2:
        break;
      default:
        if (x + 1 < target.size() && target[x + 1] != u'\r') {
          typed += target[x + 1];
          typed += c;
          ++x;
        } else {
          typed += c;
        }
    }
  }
  return typed;
}

void BM_Oprava15000Characters2PercentErrors(benchmark::State& state) {
  std::mt19937 random(2024);
  const std::u16string target = makeTarget(16000, random);
  std::u16string typed = makeTyped(target, random);
  typed.resize(15000);
  int entries = 0;
  for (auto _ : state) {
    tymba::SharedState shared;
    tymba::Oprava(shared, target, typed);
    entries = shared.PocetChyb;
    benchmark::DoNotOptimize(entries);
  }
  state.counters["entries"] = entries;
}
BENCHMARK(BM_Oprava15000Characters2PercentErrors)->Unit(benchmark::kMillisecond);

}  // namespace
