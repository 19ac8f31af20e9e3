#include "core/alignment.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/cp1250.h"
#include "core/sharedstate.h"

namespace tymba {
namespace {

struct Entry {
  int position;
  std::u16string character;
};

// One line per entry, so that a failure shows the whole list readably;
// control characters and halves of a surrogate pair as their numbers.
std::string describe(const std::vector<Entry>& entries) {
  std::string text;
  for (const Entry& entry : entries) {
    text += std::to_string(entry.position) + " '";
    for (const char16_t c : entry.character) {
      if (c < 0x20 || (c >= 0xD800 && c < 0xE000)) {
        char number[8];
        std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
        text += number;
      } else {
        text += toUtf8(std::u16string(1, c));
      }
    }
    text += "'\n";
  }
  return text;
}

std::vector<Entry> entriesOf(const AlignmentErrors& errors) {
  EXPECT_EQ(errors.PoziceChyb.size(), errors.ZnakyChyb.size());
  std::vector<Entry> entries;
  for (std::size_t n = 0; n < errors.PoziceChyb.size() && n < errors.ZnakyChyb.size(); ++n)
    entries.push_back({errors.PoziceChyb[n], errors.ZnakyChyb[n]});
  return entries;
}

// Entries at consecutive positions from `first`, one per typed character.
std::vector<Entry> typedFrom(int first, std::u16string_view characters) {
  std::vector<Entry> entries;
  for (const char16_t c : characters) entries.push_back({first++, std::u16string(1, c)});
  return entries;
}

std::vector<Entry> operator+(std::vector<Entry> a, const std::vector<Entry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Row {
  const char* name;
  std::u16string target;
  std::u16string typed;
  std::vector<Entry> expected;
};

void expectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(describe(entriesOf(alignTexts(row.target, row.typed))), describe(row.expected));
  }
}

const std::u16string kPangram = u"Příliš žluťoučký kůň\r\núpěl ďábelské ódy.";

TEST(Alignment, TextsThatAgreeGiveNoEntry) {
  expectRows({
      {"equal texts", kPangram, kPangram, {}},
      {"the typed text stops inside the target", kPangram, kPangram.substr(0, 25), {}},
      {"a line break typed as a blank", u"kůň úpěl\r\nďábelské ódy", u"kůň úpěl ďábelské ódy", {}},
      {"a blank typed as a line break", u"kůň úpěl ďábelské ódy", u"kůň úpěl\r\nďábelské ódy", {}},
      {"a doubled letter is the whole text", u"ss", u"ss", {}},
  });
}

TEST(Alignment, SingleMistakes) {
  expectRows({
      {"two neighbours swapped: both typed characters",
       u"Příliš žluťoučký kůň",
       u"Přílši žluťoučký kůň",
       {{5, u"š"}, {6, u"i"}}},
      {"one character too many: its position and character",
       u"Příliš žluťoučký kůň úpěl",
       u"Příliš žluťoXučký kůň",
       {{13, u"X"}}},
      {"one character left out: a blank where the gap is",
       u"Příliš žluťoučký kůň úpěl",
       u"Příliš žluťučký kůň",
       {{12, u" "}}},
      {"a gap that three right characters cannot confirm: each typed character",
       u"Příliš žluťoučký kůň",
       u"Příliš žluťučk",
       {{12, u"u"}, {13, u"č"}, {14, u"k"}}},
  });
}

TEST(Alignment, ShortMatchDependsOnTypedPosition) {
  // After the swap a single right character ("c") is followed by a wrong one.
  // Beginning at typed position 4 the match moves both texts past the "c";
  // beginning at typed position 5 only the target moves on, so the "c" is
  // searched for again and given up.
  expectRows({
      {"short match at typed position 4",
       u"Rabcdefghijklmn",
       u"RbacXefghijklmn",
       {{2, u"b"}, {3, u"a"}, {5, u"X"}, {6, u" "}}},
      {"short match at typed position 5",
       u"RSabcdefghijklmn",
       u"RSbacXefghijklmn",
       {{3, u"b"}, {4, u"a"}, {5, u"c"}, {6, u"X"}, {7, u" "}}},
      // "efg" after the extra "Q" is a short match of two; the search for the
      // "e" goes on counting from two and confirms after one more letter.
      {"the run of a short match counts on in the search",
       u"abcdefghijklmnop",
       u"abcdQefgZijklmnop",
       {{5, u"Q"}, {9, u"Z"}, {10, u" "}}},
  });
}

TEST(Alignment, DoubledLetterTypedCorrectlyIsNeverASwap) {
  // After the extra "Q" the match over "ss" is too short to confirm, so the
  // swap test sees "ss" against "ss".
  expectRows(
      {{"a doubled letter after a character too many", u"Ahoj ss", u"Ahoj Qss", {{6, u"Q"}}}});
}

TEST(Alignment, LineBreaksKeepTheOffset) {
  expectRows({
      {"a character too many before a line break typed as a blank",
       u"ab cd\r\nefgh",
       u"ab cdX efgh",
       {{6, u"X"}}},
      {"a character too many before a blank typed as a line break, at the end of both texts",
       u"abcdef ghij",
       u"abcdefX\r\nghij",
       {{7, u"X"}}},
      {"a blank typed as a line break, then a letter left out",
       u"kůň úpěl ďábelské ódy",
       u"kůň úpěl\r\nďábelsk ódy",
       {{18, u" "}}},
      {"a line break typed as a blank, then a letter left out",
       u"kůň úpěl\r\nďábelské ódy dnes",
       u"kůň úpěl ďábelsk ódy dnes",
       {{17, u" "}}},
      {"a character too many after a line break typed as a blank, before another",
       u"ab\r\ncdef\r\nghij",
       u"ab cdefX ghij",
       {{8, u"X"}}},
      // The search stands past the CR of the typed line break when it enters
      // the gap.
      {"a letter left out before a blank typed as a line break",
       u"abcdef ghij",
       u"abcdf\r\nghij",
       {{6, u" "}}},
      {"the letter before a blank left out and the blank typed as a line break",
       u"abcdef ghij",
       u"abcde\r\nghij",
       {{7, u" "}}},
      {"a gap found again across a line break typed as a blank",
       u"kůň úpěl ďábelské\r\nódy dnes",
       u"kůň úpl ďábelské ódy dnes",
       {{7, u" "}}},
  });
}

TEST(Alignment, GiveUpsOnConsecutivePositionsGoOn) {
  // The check counts the entries since the last resynchronisation, and looks
  // at the latest 19 pairs of positions.
  const std::u16string twentyFiveQ(25, u'Q');
  expectRows({
      {"everything typed wrong", u"Příliš žluťoučký kůň", std::u16string(25, u'q'),
       typedFrom(1, std::u16string(25, u'q'))},
      {"wrong typing after a gap", u"Příliš žluťoučký kůň úpěl ďábelské ódy",
       u"Příliš žluťučký kůň " + twentyFiveQ,
       std::vector<Entry>{{12, u" "}} + typedFrom(21, twentyFiveQ)},
      // The earlier give-up makes the oldest pair the only one apart: the
      // alignment recovers, dropping it, and gives up from typed position 18.
      {"a give-up, then wrong typing", u"Příliš žluťoučký kůň úpěl ďábelské ódy",
       u"PřílXiš žluťoučký " + twentyFiveQ, typedFrom(18, u" " + twentyFiveQ)},
  });
}

// The alphabet `times` times, and the same typed with an "X", which the
// alphabet never has, after every four letters.
std::pair<std::u16string, std::u16string> alphabetWithX(int times) {
  std::u16string alphabet;
  for (int n = 0; n < times; ++n) alphabet += u"abcdefghijklmnopqrstuvwxyz";
  std::u16string typed;
  for (std::size_t x = 0; x < alphabet.size(); x += 4) typed += alphabet.substr(x, 4) + u"X";
  return {alphabet, typed};
}

TEST(Alignment, TwentyScatteredGiveUpsRecover) {
  // The twentieth "X" (typed position 100) makes the alignment recover: it
  // drops the entries so far and goes on from typed position 99 and target
  // position 282, 201 further than where the last search started.
  const auto [alphabet, typed] = alphabetWithX(4);
  const auto [longAlphabet, longTyped] = alphabetWithX(8);
  const std::u16string rest = u"bXcdefXghijXklmnXopqrXstuvXwxyzX";  // typed from 99 on
  const std::u16string filler(177, u'f');
  expectRows({
      {"the target used up", alphabet, typed, typedFrom(99, rest)},
      {"the rest of the typed text at target position 282", alphabet + filler + rest, typed, {}},
      // The search after the recovery looks for the typed "b" at 99.
      {"the rest of the typed text at target position 283",
       alphabet + filler + u"z" + rest,
       typed,
       {{99, u" "}}},
      // Entries are counted afresh after a recovery: the second one comes
      // with the twentieth entry after the first (typed position 199).
      {"twice, after a gap",
       u"0123456789" + longAlphabet.substr(0, 80) + std::u16string(201, u'f') +
           longAlphabet.substr(79),
       u"012346789" + longTyped, typedFrom(198, longTyped.substr(188))},
  });
}

TEST(Alignment, SearchLooksTwoHundredTargetCharactersAhead) {
  const std::u16string before = u"abcd";
  const std::u16string after = u"ghijklm";
  expectRows({
      {"200 target characters left out are found",
       before + std::u16string(200, u'f') + after,
       before + after,
       {{5, u" "}}},
      {"201 target characters left out are not", before + std::u16string(201, u'f') + after,
       before + after, typedFrom(5, after)},
  });
}

TEST(Alignment, LengthOfTheRunASearchFinds) {
  // Letters typed too many that the target has further on. A run of up to
  // six after the first found letter may be chance: the target position is
  // kept, and the text typed next, found there, marks the gap a second time.
  // A run of seven moves the target past it, and the rest cannot be found.
  const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyz";
  expectRows({
      {"a run of six", alphabet, u"abcdmnopqrsefghijkl", {{5, u" "}, {12, u" "}}},
      {"a run of seven", alphabet, u"abcdmnopqrstefghijkl",
       std::vector<Entry>{{5, u" "}} + typedFrom(13, u"efghijkl")},
  });
}

TEST(Alignment, BadInput) {
  expectRows({
      {"empty typed text", u"abc", u"", {}},
      {"both texts empty", u"", u"", {}},
      {"empty target", u"", u"abc", {{1, u"a"}, {2, u"b"}, {3, u"c"}}},
      {"typed text longer than the target",
       u"kůň",
       u"kůň kůň",
       {{4, u" "}, {5, u"k"}, {6, u"ů"}, {7, u"ň"}}},
      {"one-character target typed right", u"a", u"a", {}},
      {"one-character target, one more typed", u"a", u"ab", {{2, u"b"}}},
      {"one-character target typed wrong", u"a", u"b", {{1, u"b"}}},
      {"one-character target after a wrong one", u"a", u"ba", {{1, u"b"}}},
      {"characters outside the code page typed right", u"Ahoj ñ 中", u"Ahoj ñ 中", {}},
      {"a character outside the code page for a letter",
       u"Ahoj ž světe",
       u"Ahoj 中 světe",
       {{6, u"中"}, {7, u" "}}},
      {"a character beyond the basic plane is two typed characters",
       u"Ahoj ž světe",
       u"Ahoj \U0001F600 světe",
       {{6, u"\xD83D"}, {7, u"\xDE00"}, {8, u" "}}},
      {"a NUL typed beyond the end of the target",
       u"ab",
       std::u16string(u"ab\0", 3),
       {{3, std::u16string(1, u'\0')}}},
  });
}

TEST(Alignment, ProcessesEventsWhileAligning) {
  int calls = 0;
  const AlignmentErrors withEvents =
      alignTexts(u"Příliš žluťoučký kůň úpěl", u"Příliš žluťoXučký kůň", [&] { ++calls; });
  EXPECT_GT(calls, 0);
  EXPECT_EQ(describe(entriesOf(withEvents)), describe({{13, u"X"}}));
}

TEST(Alignment, OpravaFillsTheSharedErrorList) {
  SharedState state;
  Oprava(state, u"Příliš žluťoučký kůň", u"Přílši žluťučký kůň");
  EXPECT_EQ(state.PocetChyb, 3);
  EXPECT_EQ(state.PoziceChyb, (std::vector<int>{5, 6, 12}));
  EXPECT_EQ(state.ZnakyChyb, (std::vector<std::u16string>{u"š", u"i", u" "}));
}

TEST(Alignment, OpravaOfAnEmptyTypedTextLeavesTheListEmpty) {
  SharedState state;
  Oprava(state, kPangram, u"");
  EXPECT_EQ(state.PocetChyb, 0);
  EXPECT_TRUE(state.PoziceChyb.empty());
  EXPECT_TRUE(state.ZnakyChyb.empty());
}

}  // namespace
}  // namespace tymba
