// Generated texts: whatever the typing, the alignment's error list follows the
// rules of the list and text that agrees gives no entry; and the one-pass
// gross keystroke count agrees with the rule followed word for word.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "core/alignment.h"
#include "core/cp1250.h"
#include "core/scoring.h"
#include "tests/core/alignmentguard.h"

namespace tymba {
namespace {

using Random = std::mt19937;

int below(Random& random, int bound) {
  return static_cast<int>(random() % static_cast<unsigned>(bound));
}

char16_t pick(std::u16string_view from, Random& random) { return from[random() % from.size()]; }

const char16_t* const kWords[] = {
    u"Příliš", u"žluťoučký", u"kůň",   u"úpěl",    u"ďábelské", u"ódy",  u"Když",  u"večer",
    u"přišel", u"domů",      u"dopis", u"od",      u"sestry",   u"a",    u"v",     u"na",
    u"se",     u"že",        u"Čeští", u"řidiči",  u"Šťastný",  u"nový", u"Ústí",  u"nad",
    u"Ořech",  u"hřbet",     u"čtvrť", u"Ďolíček", u"Ťuk",      u"dům",  u"loďka", u"Žofie"};
constexpr std::u16string_view kWrongLetters = u"qwxyzěščřžýáíéůú0123456789";

std::u16string makeTarget(Random& random, int length) {
  std::u16string text;
  std::size_t lineStart = 0;
  while (static_cast<int>(text.size()) < length) {
    if (below(random, 8) == 0) {
      text += static_cast<char16_t>(u'1' + below(random, 9));
      for (int n = below(random, 4); n > 0; --n) text += pick(u"0123456789", random);
    } else {
      text += kWords[below(random, static_cast<int>(std::size(kWords)))];
    }
    if (below(random, 5) == 0) text += pick(u",.!?;:-\"", random);
    if (text.size() - lineStart > 40 + static_cast<std::size_t>(below(random, 30))) {
      text += u"\r\n";
      lineStart = text.size();
    } else {
      text += u' ';
    }
  }
  return text;
}

// A position where an edit does not split a line break.
std::size_t editPosition(Random& random, const std::u16string& text) {
  std::size_t x = static_cast<std::size_t>(below(random, static_cast<int>(text.size()) + 1));
  if (x > 0 && x < text.size() && text[x - 1] == u'\r' && text[x] == u'\n') ++x;
  return x;
}

std::u16string applyEdits(Random& random, std::u16string text, int edits) {
  for (int n = 0; n < edits; ++n) {
    const std::size_t x = editPosition(random, text);
    const bool atLineBreak = x < text.size() && text[x] == u'\r';
    const std::size_t unit = atLineBreak ? 2 : 1;
    const std::size_t lineBreak = text.find(u"\r\n", x);
    const std::size_t blank = text.find(u' ', x);
    switch (below(random, 7)) {
      case 0:  // a character too many
        text.insert(x, 1, pick(kWrongLetters, random));
        break;
      case 1:  // a character left out
        if (x < text.size()) text.erase(x, unit);
        break;
      case 2:  // neighbours swapped
        if (!atLineBreak && x + 1 < text.size() && text[x + 1] != u'\r')
          std::swap(text[x], text[x + 1]);
        break;
      case 3:  // a wrong character
        if (x < text.size()) text.replace(x, unit, 1, pick(kWrongLetters, random));
        break;
      case 4:  // a run of wrong letters
        for (int m = 2 + below(random, 29); m > 0; --m)
          text.insert(x, 1, pick(kWrongLetters, random));
        break;
      case 5:  // the next line break typed as a blank
        if (lineBreak != std::u16string::npos) text.replace(lineBreak, 2, u" ");
        break;
      default:  // the next blank typed as a line break
        if (blank != std::u16string::npos) text.replace(blank, 1, u"\r\n");
    }
  }
  return text;
}

// About half the line breaks typed as blanks and a third of the blanks typed
// as line breaks: typing that the rules do not count as wrong.
std::u16string exchangeLineBreaks(Random& random, const std::u16string& text) {
  std::u16string typed;
  for (std::size_t x = 0; x < text.size(); ++x) {
    if (text[x] == u'\r' && x + 1 < text.size() && text[x + 1] == u'\n' && below(random, 2) == 0) {
      typed += u' ';
      ++x;
    } else if (text[x] == u' ' && below(random, 3) == 0) {
      typed += u"\r\n";
    } else {
      typed += text[x];
    }
  }
  return typed;
}

// Aligns under the pass guard and checks the rules every error list keeps.
AlignmentErrors alignChecked(const std::u16string& target, const std::u16string& typed) {
  AlignmentErrors errors = alignGuarded(target, typed);
  EXPECT_EQ(brokenListRule(errors, typed), "");
  return errors;
}

TEST(AlignmentProperty, EditedTypingKeepsTheListRules) {
  Random random(20240611);
  for (int run = 0; run < 3000 && !testing::Test::HasFailure(); ++run) {
    SCOPED_TRACE(run);
    const std::u16string target = makeTarget(random, 20 + below(random, 700));
    const std::u16string copy = target.substr(0, editPosition(random, target));
    alignChecked(target, applyEdits(random, copy, 1 + below(random, 12)));
  }
}

TEST(AlignmentProperty, BadTypingKeepsTheListRules) {
  // Typed text longer than the target, unrelated to it, or from a handful of
  // characters that keep matching by chance.
  Random random(77);
  for (int run = 0; run < 1500 && !testing::Test::HasFailure(); ++run) {
    SCOPED_TRACE(run);
    std::u16string target;
    std::u16string typed;
    if (run % 3 == 0) {
      target = makeTarget(random, 5 + below(random, 200));
      typed = applyEdits(random, target + target, below(random, 20));
    } else if (run % 3 == 1) {
      target = makeTarget(random, 5 + below(random, 300));
      typed = makeTarget(random, below(random, 400));
    } else {
      for (int n = below(random, 60); n > 0; --n) target += pick(u"ab \r\n", random);
      for (int n = below(random, 120); n > 0; --n) typed += pick(u"ab \r\n", random);
    }
    alignChecked(target, typed);
  }
}

TEST(AlignmentProperty, CopiesGiveNoEntry) {
  // Whole or cut short, and with line breaks and blanks exchanged.
  Random random(4711);
  for (int run = 0; run < 2000 && !testing::Test::HasFailure(); ++run) {
    SCOPED_TRACE(run);
    const std::u16string target = makeTarget(random, 10 + below(random, 800));
    std::u16string typed = run % 20 < 2 ? target : target.substr(0, editPosition(random, target));
    if (run % 2 == 1) typed = exchangeLineBreaks(random, typed);
    EXPECT_TRUE(alignChecked(target, typed).PoziceChyb.empty());
  }
}

// The gross keystroke rule word for word: each character's upper-case form
// searched for through the rest of the text.
int literalGrossKeystrokes(std::u16string_view typed) {
  const int length = static_cast<int>(typed.size());
  int gross = length;
  int remembered = 0;
  for (int i = 1; i <= length; ++i) {
    const char16_t upper = toUpperCp1250(typed[i - 1]);
    int found = 0;
    for (int p = i; p <= length && found == 0; ++p)
      if (typed[p - 1] == upper) found = p;
    if (found != 0 && found != remembered) {
      ++gross;
      remembered = found;
    }
    if (std::u16string_view(u"ťďňóĚŘŤŽŠĎČŇÉÚÍÓÁÝ").find(typed[i - 1]) != std::u16string_view::npos)
      ++gross;
  }
  return gross;
}

TEST(GrossKeystrokesProperty, OnePassMatchesTheRuleWordForWord) {
  constexpr std::u16string_view kLower = u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž";
  // Symbols of the code page too, some of them far above the letters.
  constexpr std::u16string_view kOther = u"0123456789 .,;:!?-()\"'§ßˇ–„“€";
  Random random(20240611);
  for (int run = 0; run < 6000; ++run) {
    // Any letter; or few letters, so that case pairs sit close together; or
    // runs of one repeated character.
    std::u16string letters(kLower);
    if (run % 3 == 1) {
      letters.clear();
      for (std::size_t n = 1 + random() % 3; n > 0; --n) letters += pick(kLower, random);
    }
    const std::size_t length = random() % 120;
    std::u16string text;
    while (text.size() < length) {
      const unsigned kind = random() % 10;
      char16_t c = kind < 3 ? pick(kOther, random) : pick(letters, random);
      if (kind >= 3 && random() % 2 == 0) c = toUpperCp1250(c);
      if (kind == 0) {
        text += u"\r\n";
      } else {
        text.append(run % 3 == 2 ? 1 + random() % 4 : 1, c);
      }
    }
    ASSERT_EQ(grossKeystrokes(text), literalGrossKeystrokes(text))
        << "run " << run << ", text \"" << toUtf8(text) << "\"";
  }
}

}  // namespace
}  // namespace tymba
