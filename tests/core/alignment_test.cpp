#include "core/alignment.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/sharedstate.h"
#include "tests/core/alignmentguard.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

Entries listed(const std::vector<int>& positions, const std::vector<std::u16string>& texts) {
  Entries entries;
  for (std::size_t n = 0; n < positions.size() && n < texts.size(); ++n)
    entries.emplace_back(positions[n], texts[n]);
  return entries;
}

void expectAligned(const std::string& name, const std::u16string& target,
                   const std::u16string& typed, const std::string& expected) {
  SCOPED_TRACE(name);
  const AlignmentErrors errors = alignGuarded(target, typed);
  EXPECT_EQ(brokenListRule(errors, typed), "");
  EXPECT_EQ(listed(errors.PoziceChyb, errors.ZnakyChyb), entriesOf(expected, typed));
}

TEST(Alignment, GoldenRows) {
  forEachRow("alignment.tsv", 4, [&](const GoldenRow& row) {
    expectAligned(row[0], u16(row[1]), u16(row[2]), row[3]);
  });
}

TEST(Alignment, FarTargetsAndScatteredGiveUps) {
  // The alphabet `times` times, and the same typed with an "X", which the
  // alphabet never has, after every four letters.
  const auto alphabetWithX = [](int times) {
    std::u16string alphabet;
    std::u16string typed;
    for (int n = 0; n < times; ++n) alphabet += u"abcdefghijklmnopqrstuvwxyz";
    for (std::size_t x = 0; x < alphabet.size(); x += 4) typed += alphabet.substr(x, 4) + u"X";
    return std::pair(alphabet, typed);
  };
  const auto [alphabet, typed] = alphabetWithX(4);
  const auto [longAlphabet, longTyped] = alphabetWithX(8);
  const std::u16string f177(177, u'f');
  const std::u16string f200(200, u'f');
  const std::u16string rest = u"bXcdefXghijXklmnXopqrXstuvXwxyzX";  // typed from 99 on
  expectAligned("200 target characters left out are found", u"abcd" + f200 + u"ghijklm",
                u"abcdghijklm", "5_");
  expectAligned("201 target characters left out are not", u"abcdf" + f200 + u"ghijklm",
                u"abcdghijklm", "5-11");
  // The twentieth "X" (typed position 100) makes the alignment recover: it
  // drops the entries so far and goes on from typed position 99 and target
  // position 282, 201 further than where the last search started.
  expectAligned("the target used up", alphabet, typed, "99-130");
  expectAligned("the rest at target position 282", alphabet + f177 + rest, typed, "none");
  expectAligned("the rest at target position 283", alphabet + f177 + u"z" + rest, typed, "99_");
  // Entries are counted afresh after a recovery: the second one comes with
  // the twentieth entry after the first (typed position 199).
  expectAligned("twice, after a gap",
                u"0123456789" + longAlphabet.substr(0, 80) + u"f" + f200 + longAlphabet.substr(79),
                u"012346789" + longTyped, "198-269");
}

TEST(Alignment, OpravaFillsTheSharedErrorListAndProcessesEvents) {
  SharedState state;
  int passes = 0;
  const std::u16string target = u"Příliš žluťoučký kůň";
  const std::u16string typed = u"Přílši žluťučký kůň";
  Oprava(state, target, typed, alignmentPassGuard(target, typed, [&] { ++passes; }));
  EXPECT_GT(passes, 0);
  EXPECT_EQ(state.PocetChyb, 3);
  EXPECT_EQ(listed(state.PoziceChyb, state.ZnakyChyb), entriesOf("5 6 12_", typed));
}

}  // namespace
}  // namespace tymba
