#include "core/alignment.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/sharedstate.h"
#include "tests/core/alignmentguard.h"

namespace tymba {
namespace {

using Entry = std::pair<int, std::u16string>;  // typed position and character

std::vector<Entry> entriesOf(const AlignmentErrors& errors) {
  EXPECT_EQ(errors.PoziceChyb.size(), errors.ZnakyChyb.size());
  std::vector<Entry> entries;
  for (std::size_t n = 0; n < errors.PoziceChyb.size() && n < errors.ZnakyChyb.size(); ++n)
    entries.emplace_back(errors.PoziceChyb[n], errors.ZnakyChyb[n]);
  return entries;
}

// Entries at consecutive positions from `first`, one per typed character.
std::vector<Entry> typedFrom(int first, std::u16string_view characters,
                             std::vector<Entry> before = {}) {
  for (const char16_t c : characters) before.emplace_back(first++, std::u16string(1, c));
  return before;
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
    EXPECT_EQ(entriesOf(alignGuarded(row.target, row.typed)), row.expected);
  }
}

const std::u16string kPangram = u"Příliš žluťoučký kůň\r\núpěl ďábelské ódy.";

TEST(Alignment, TextsThatAgreeGiveNoEntry) {
  expectRows({
      // clang-format off
      {"the typed text stops inside the target", kPangram, kPangram.substr(0, 25), {}},
      {"a line break typed as a blank", u"kůň úpěl\r\nďábelské ódy", u"kůň úpěl ďábelské ódy", {}},
      {"a blank typed as a line break", u"kůň úpěl ďábelské ódy", u"kůň úpěl\r\nďábelské ódy", {}},
      {"a doubled letter is the whole text", u"ss", u"ss", {}},
      // clang-format on
  });
}

TEST(Alignment, SingleMistakes) {
  expectRows({
      // clang-format off
      {"two neighbours swapped: both typed characters",
       u"Příliš žluťoučký kůň", u"Přílši žluťoučký kůň", {{5, u"š"}, {6, u"i"}}},
      {"one character too many: its position and character",
       u"Příliš žluťoučký kůň úpěl", u"Příliš žluťoXučký kůň", {{13, u"X"}}},
      {"one character left out: a blank where the gap is",
       u"Příliš žluťoučký kůň úpěl", u"Příliš žluťučký kůň", {{12, u" "}}},
      {"a gap that three right characters cannot confirm: each typed character",
       u"Příliš žluťoučký kůň", u"Příliš žluťučk", {{12, u"u"}, {13, u"č"}, {14, u"k"}}},
      // After the extra "Q" the match over "ss" is too short to confirm, so the
      // swap test sees "ss" against "ss".
      {"a doubled letter after a character too many is no swap",
       u"Ahoj ss", u"Ahoj Qss", {{6, u"Q"}}},
      // clang-format on
  });
}

TEST(Alignment, ShortMatchDependsOnTypedPosition) {
  // After the swap a single right character ("c") is followed by a wrong one.
  // Beginning at typed position 4 the match moves both texts past the "c";
  // beginning at typed position 5 only the target moves on, so the "c" is
  // searched for again and given up.
  expectRows({
      // clang-format off
      {"short match at typed position 4",
       u"Rabcdefghijklmn", u"RbacXefghijklmn", {{2, u"b"}, {3, u"a"}, {5, u"X"}, {6, u" "}}},
      {"short match at typed position 5",
       u"RSabcdefghijklmn", u"RSbacXefghijklmn",
       {{3, u"b"}, {4, u"a"}, {5, u"c"}, {6, u"X"}, {7, u" "}}},
      // "efg" after the extra "Q" is a short match of two; the search for the
      // "e" goes on counting from two and confirms after one more letter.
      {"the run of a short match counts on in the search",
       u"abcdefghijklmnop", u"abcdQefgZijklmnop", {{5, u"Q"}, {9, u"Z"}, {10, u" "}}},
      // clang-format on
  });
}

TEST(Alignment, LineBreaksKeepTheOffset) {
  expectRows({
      // clang-format off
      {"a character too many before a line break typed as a blank",
       u"ab cd\r\nefgh", u"ab cdX efgh", {{6, u"X"}}},
      {"a character too many before a blank typed as a line break, at the end of both texts",
       u"abcdef ghij", u"abcdefX\r\nghij", {{7, u"X"}}},
      {"a blank typed as a line break, then a letter left out",
       u"kůň úpěl ďábelské ódy", u"kůň úpěl\r\nďábelsk ódy", {{18, u" "}}},
      {"a line break typed as a blank, then a letter left out",
       u"kůň úpěl\r\nďábelské ódy dnes", u"kůň úpěl ďábelsk ódy dnes", {{17, u" "}}},
      {"a character too many after a line break typed as a blank, before another",
       u"ab\r\ncdef\r\nghij", u"ab cdefX ghij", {{8, u"X"}}},
      // The search stands past the CR of the typed line break when it enters
      // the gap.
      {"a letter left out before a blank typed as a line break",
       u"abcdef ghij", u"abcdf\r\nghij", {{6, u" "}}},
      {"the letter before a blank left out and the blank typed as a line break",
       u"abcdef ghij", u"abcde\r\nghij", {{7, u" "}}},
      {"a gap found again across a line break typed as a blank",
       u"kůň úpěl ďábelské\r\nódy dnes", u"kůň úpl ďábelské ódy dnes", {{7, u" "}}},
      // clang-format on
  });
}

TEST(Alignment, GiveUpsOnConsecutivePositionsGoOn) {
  // The check counts the entries since the last resynchronisation, and looks
  // at the latest 19 pairs of positions.
  const std::u16string twentyFiveQ(25, u'Q');
  expectRows({
      // clang-format off
      {"everything typed wrong", u"Příliš žluťoučký kůň", std::u16string(25, u'q'),
       typedFrom(1, std::u16string(25, u'q'))},
      {"wrong typing after a gap", u"Příliš žluťoučký kůň úpěl ďábelské ódy",
       u"Příliš žluťučký kůň " + twentyFiveQ, typedFrom(21, twentyFiveQ, {{12, u" "}})},
      // The earlier give-up makes the oldest pair the only one apart: the
      // alignment recovers, dropping it, and gives up from typed position 18.
      {"a give-up, then wrong typing", u"Příliš žluťoučký kůň úpěl ďábelské ódy",
       u"PřílXiš žluťoučký " + twentyFiveQ, typedFrom(18, u" " + twentyFiveQ)},
      // clang-format on
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
      // clang-format off
      {"the target used up", alphabet, typed, typedFrom(99, rest)},
      {"the rest of the typed text at target position 282", alphabet + filler + rest, typed, {}},
      // The search after the recovery looks for the typed "b" at 99.
      {"the rest of the typed text at target position 283",
       alphabet + filler + u"z" + rest, typed, {{99, u" "}}},
      // Entries are counted afresh after a recovery: the second one comes
      // with the twentieth entry after the first (typed position 199).
      {"twice, after a gap",
       u"0123456789" + longAlphabet.substr(0, 80) + std::u16string(201, u'f') +
           longAlphabet.substr(79),
       u"012346789" + longTyped, typedFrom(198, longTyped.substr(188))},
      // clang-format on
  });
}

TEST(Alignment, SearchLooksTwoHundredTargetCharactersAhead) {
  const std::u16string before = u"abcd";
  const std::u16string after = u"ghijklm";
  expectRows({
      // clang-format off
      {"200 target characters left out are found",
       before + std::u16string(200, u'f') + after, before + after, {{5, u" "}}},
      {"201 target characters left out are not", before + std::u16string(201, u'f') + after,
       before + after, typedFrom(5, after)},
      // clang-format on
  });
}

TEST(Alignment, LengthOfTheRunASearchFinds) {
  // Letters typed too many that the target has further on. A run of up to
  // six after the first found letter may be chance: the target position is
  // kept, and the text typed next, found there, marks the gap a second time.
  // A run of seven moves the target past it, and the rest cannot be found.
  const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyz";
  expectRows({
      // clang-format off
      {"a run of six", alphabet, u"abcdmnopqrsefghijkl", {{5, u" "}, {12, u" "}}},
      {"a run of seven", alphabet, u"abcdmnopqrstefghijkl",
       typedFrom(13, u"efghijkl", {{5, u" "}})},
      // clang-format on
  });
}

TEST(Alignment, BadInput) {
  expectRows({
      // clang-format off
      {"empty typed text", u"abc", u"", {}},
      {"empty target", u"", u"abc", {{1, u"a"}, {2, u"b"}, {3, u"c"}}},
      {"typed text longer than the target",
       u"kůň", u"kůň kůň", {{4, u" "}, {5, u"k"}, {6, u"ů"}, {7, u"ň"}}},
      {"one-character target after a wrong one", u"a", u"ba", {{1, u"b"}}},
      {"a NUL typed beyond the end of the target",
       u"ab", std::u16string(u"ab\0", 3), {{3, std::u16string(1, u'\0')}}},
      // clang-format on
  });
}

TEST(Alignment, ProcessesEventsWhileAligning) {
  int calls = 0;
  const std::u16string target = u"Příliš žluťoučký kůň úpěl";
  const std::u16string typed = u"Příliš žluťoXučký kůň";
  const AlignmentErrors withEvents =
      alignTexts(target, typed, alignmentPassGuard(target, typed, [&] { ++calls; }));
  EXPECT_GT(calls, 0);
  EXPECT_EQ(entriesOf(withEvents), (std::vector<Entry>{{13, u"X"}}));
}

TEST(Alignment, OpravaFillsTheSharedErrorList) {
  SharedState state;
  Oprava(state, kPangram, u"", alignmentPassGuard(kPangram, u""));
  EXPECT_EQ(state.PocetChyb, 0);
  const std::u16string target = u"Příliš žluťoučký kůň";
  const std::u16string typed = u"Přílši žluťučký kůň";
  Oprava(state, target, typed, alignmentPassGuard(target, typed));
  EXPECT_EQ(state.PocetChyb, 3);
  EXPECT_EQ(state.PoziceChyb, (std::vector<int>{5, 6, 12}));
  EXPECT_EQ(state.ZnakyChyb, (std::vector<std::u16string>{u"š", u"i", u" "}));
}

}  // namespace
}  // namespace tymba
