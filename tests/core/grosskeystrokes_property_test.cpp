// The gross keystrokes are counted in one pass; this compares them with the
// rule followed word for word (each character's upper-case form searched for
// through the rest of the text) on many generated Czech texts.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "core/cp1250.h"
#include "core/scoring.h"

namespace tymba {
namespace {

int literalGrossKeystrokes(std::u16string_view typed) {
  constexpr std::u16string_view deadKeyLetters = u"ťďňóĚŘŤŽŠĎČŇÉÚÍÓÁÝ";
  const int length = static_cast<int>(typed.size());
  int gross = length;
  int remembered = 0;
  for (int i = 1; i <= length; ++i) {
    const char16_t upper = toUpperCp1250(typed[i - 1]);
    int found = 0;
    for (int p = i; p <= length; ++p) {
      if (typed[p - 1] == upper) {
        found = p;
        break;
      }
    }
    if (found != 0 && found != remembered) {
      ++gross;
      remembered = found;
    }
    if (deadKeyLetters.find(typed[i - 1]) != std::u16string_view::npos) ++gross;
  }
  return gross;
}

constexpr std::u16string_view kLower = u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž";
// Symbols of the code page too, some of them far above the letters.
constexpr std::u16string_view kOther = u"0123456789 .,;:!?-()\"'§ßˇ–„“€";

char16_t pick(std::u16string_view from, std::mt19937& random) {
  return from[random() % from.size()];
}

char16_t inRandomCase(char16_t lower, std::mt19937& random) {
  return random() % 2 == 0 ? lower : toUpperCp1250(lower);
}

// Any character of the repertoire, a line break now and then.
std::u16string mixedText(std::size_t length, std::mt19937& random) {
  std::u16string text;
  while (text.size() < length) {
    switch (random() % 10) {
      case 0:
        text += u"\r\n";
        break;
      case 1:
      case 2:
        text += pick(kOther, random);
        break;
      default:
        text += inRandomCase(pick(kLower, random), random);
    }
  }
  return text;
}

// Few distinct letters, so case pairs sit close together and repeat often.
std::u16string casePairText(std::size_t length, std::mt19937& random) {
  std::u16string letters;
  const std::size_t count = 1 + random() % 3;
  for (std::size_t n = 0; n < count; ++n) letters += pick(kLower, random);
  std::u16string text;
  while (text.size() < length) {
    const std::uint32_t kind = random() % 8;
    if (kind == 0) {
      text += u' ';
    } else if (kind == 1) {
      text += u"\r\n";
    } else {
      text += inRandomCase(pick(letters, random), random);
    }
  }
  return text;
}

// Word-like text with runs of one repeated character.
std::u16string repeatedText(std::size_t length, std::mt19937& random) {
  std::u16string text;
  while (text.size() < length) {
    const char16_t c =
        random() % 4 == 0 ? pick(kOther, random) : inRandomCase(pick(kLower, random), random);
    text.append(1 + random() % 4, c);
    if (random() % 5 == 0) text += random() % 3 == 0 ? std::u16string(u"\r\n") : u" ";
  }
  return text;
}

TEST(GrossKeystrokesProperty, OnePassMatchesTheRuleWordForWord) {
  std::mt19937 random(20240611);
  for (int run = 0; run < 6000; ++run) {
    const std::size_t length = random() % 120;
    std::u16string text;
    switch (run % 3) {
      case 0:
        text = mixedText(length, random);
        break;
      case 1:
        text = casePairText(length, random);
        break;
      default:
        text = repeatedText(length, random);
    }
    const int expected = literalGrossKeystrokes(text);
    const int actual = grossKeystrokes(text);
    if (actual != expected) {
      ADD_FAILURE() << "run " << run << ", text \"" << toUtf8(text) << "\": expected " << expected
                    << ", got " << actual;
      return;
    }
  }
}

}  // namespace
}  // namespace tymba
