// Generated pairs of target and typed text: whatever the typing, the error
// list follows the rules of the list, and text that agrees gives no entry.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <stdexcept>
#include <string>
#include <unordered_set>

#include "core/alignment.h"

namespace tymba {
namespace {

const char16_t* const kWords[] = {
    u"Příliš",  u"žluťoučký", u"kůň",    u"úpěl",    u"ďábelské", u"ódy",    u"Když",  u"večer",
    u"přišel",  u"domů",      u"našel",  u"dopis",   u"od",       u"sestry", u"Ráno",  u"bylo",
    u"chladno", u"a",         u"v",      u"na",      u"se",       u"že",     u"to",    u"Čeští",
    u"řidiči",  u"jezdí",     u"rychle", u"Šťastný", u"nový",     u"rok",    u"Ústí",  u"nad",
    u"Labem",   u"Ořech",     u"hřbet",  u"čtvrť",   u"Ďolíček",  u"Ťuk",    u"dům",   u"pěšky",
    u"moře",    u"loďka",     u"úterý",  u"Žofie",   u"obchod",   u"cena",   u"korun", u"zítra"};
const char16_t kPunctuation[] = u",.!?;:-\"";
const char16_t kWrongLetters[] = u"qwxyzěščřžýáíéůú0123456789";

using Random = std::mt19937;

int below(Random& random, int bound) {
  return static_cast<int>(random() % static_cast<unsigned>(bound));
}

std::u16string makeTarget(Random& random, int length) {
  std::u16string text;
  std::size_t lineStart = 0;
  while (static_cast<int>(text.size()) < length) {
    if (below(random, 8) == 0) {
      text += std::u16string(1, static_cast<char16_t>(u'1' + below(random, 9)));
      for (int n = below(random, 4); n > 0; --n)
        text += static_cast<char16_t>(u'0' + below(random, 10));
    } else {
      text += kWords[below(random, static_cast<int>(std::size(kWords)))];
    }
    if (below(random, 5) == 0) text += kPunctuation[below(random, 8)];
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
    switch (below(random, 7)) {
      case 0:  // a character too many
        text.insert(x, 1, kWrongLetters[below(random, 26)]);
        break;
      case 1:  // a character left out
        if (x < text.size()) text.erase(x, unit);
        break;
      case 2:  // neighbours swapped
        if (!atLineBreak && x + 1 < text.size() && text[x + 1] != u'\r')
          std::swap(text[x], text[x + 1]);
        break;
      case 3:  // a wrong character
        if (x < text.size()) text.replace(x, unit, 1, kWrongLetters[below(random, 26)]);
        break;
      case 4: {  // a run of wrong letters
        std::u16string run;
        for (int m = 2 + below(random, 29); m > 0; --m) run += kWrongLetters[below(random, 26)];
        text.insert(x, run);
        break;
      }
      case 5: {  // the next line break typed as a blank
        const std::size_t lineBreak = text.find(u"\r\n", x);
        if (lineBreak != std::u16string::npos) text.replace(lineBreak, 2, u" ");
        break;
      }
      default: {  // the next blank typed as a line break
        const std::size_t blank = text.find(u' ', x);
        if (blank != std::u16string::npos) text.replace(blank, 1, u"\r\n");
        break;
      }
    }
  }
  return text;
}

// A copy with about half the line breaks typed as blanks and a third of the
// blanks typed as line breaks: typing that the rules do not count as wrong.
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

// A prefix that does not end between CR and LF.
std::u16string prefixOf(Random& random, const std::u16string& text) {
  std::size_t length = editPosition(random, text);
  return text.substr(0, length);
}

// Aligns and checks the rules every error list keeps. Throws out of the
// alignment when it runs far longer than any input needs, so that a loop that
// never ends fails the test instead of hanging it.
AlignmentErrors alignChecked(const std::u16string& target, const std::u16string& typed) {
  const long limit = 50L * static_cast<long>(target.size() + typed.size() + 10);
  long passes = 0;
  AlignmentErrors errors;
  try {
    errors = alignTexts(target, typed, [&] {
      if (++passes > limit) throw std::runtime_error("the alignment does not end");
    });
  } catch (const std::runtime_error& error) {
    ADD_FAILURE() << error.what();
    return errors;
  }
  EXPECT_EQ(errors.PoziceChyb.size(), errors.ZnakyChyb.size());
  std::unordered_set<int> seen;
  for (std::size_t n = 0; n < errors.PoziceChyb.size() && n < errors.ZnakyChyb.size(); ++n) {
    const int position = errors.PoziceChyb[n];
    EXPECT_TRUE(seen.insert(position).second) << "position " << position << " entered twice";
    if (position < 1 || position > static_cast<int>(typed.size())) {
      ADD_FAILURE() << "position " << position << " outside the typed text of " << typed.size();
      continue;
    }
    const std::u16string& character = errors.ZnakyChyb[n];
    const std::u16string typedThere(1, typed[static_cast<std::size_t>(position - 1)]);
    EXPECT_TRUE(character == u" " || character == typedThere) << "entry at " << position;
  }
  return errors;
}

TEST(AlignmentProperty, EditedTypingKeepsTheListRules) {
  Random random(20240611);
  for (int run = 0; run < 3000; ++run) {
    SCOPED_TRACE(run);
    const std::u16string target = makeTarget(random, 20 + below(random, 700));
    const std::u16string typed =
        applyEdits(random, prefixOf(random, target), 1 + below(random, 12));
    alignChecked(target, typed);
    if (testing::Test::HasFailure()) return;
  }
}

TEST(AlignmentProperty, BadTypingKeepsTheListRules) {
  // Typed text longer than the target, unrelated to it, or from a handful of
  // characters that keep matching by chance.
  Random random(77);
  const std::u16string fewCharacters = u"ab \r\n";
  for (int run = 0; run < 1500; ++run) {
    SCOPED_TRACE(run);
    std::u16string target;
    std::u16string typed;
    switch (run % 3) {
      case 0:
        target = makeTarget(random, 5 + below(random, 200));
        typed = applyEdits(random, target + target, below(random, 20));
        break;
      case 1:
        target = makeTarget(random, 5 + below(random, 300));
        typed = makeTarget(random, below(random, 400));
        break;
      default:
        for (int n = below(random, 60); n > 0; --n) target += fewCharacters[below(random, 5)];
        for (int n = below(random, 120); n > 0; --n) typed += fewCharacters[below(random, 5)];
        break;
    }
    alignChecked(target, typed);
    if (testing::Test::HasFailure()) return;
  }
}

TEST(AlignmentProperty, ExactCopyGivesNoEntry) {
  Random random(4711);
  for (int run = 0; run < 1000; ++run) {
    SCOPED_TRACE(run);
    const std::u16string target = makeTarget(random, 10 + below(random, 800));
    const std::u16string typed = run % 10 == 0 ? target : prefixOf(random, target);
    EXPECT_TRUE(alignChecked(target, typed).PoziceChyb.empty());
    if (testing::Test::HasFailure()) return;
  }
}

TEST(AlignmentProperty, LineBreaksAndBlanksExchangedGiveNoEntry) {
  Random random(1250);
  for (int run = 0; run < 1000; ++run) {
    SCOPED_TRACE(run);
    const std::u16string target = makeTarget(random, 10 + below(random, 800));
    const std::u16string copy = run % 10 == 0 ? target : prefixOf(random, target);
    EXPECT_TRUE(alignChecked(target, exchangeLineBreaks(random, copy)).PoziceChyb.empty());
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace tymba
