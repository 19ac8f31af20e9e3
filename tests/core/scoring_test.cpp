#include "core/scoring.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/goldentable.h"

namespace tymba {
namespace {

SharedState stateWith(const std::string& kind, const Entries& marks) {
  SharedState state;
  state.DruhTestu = kind == "lesson" ? TestKind::Vyuka : TestKind::Cviceni;
  for (const auto& [position, character] : marks) appendError(state, position, character);
  return state;
}

TEST(GrossKeystrokes, CountsShiftAndDeadKeys) {
  forEachRow("grosskeystrokes.tsv", 3, [&](const GoldenRow& row) {
    EXPECT_EQ(grossKeystrokes(u16(row[1])), std::stoi(row[2]));
  });
}

TEST(MergedErrorCount, MergesAdjacentMarksAndSplitsEveryTen) {
  forEachRow("mergederrors.tsv", 3, [&](const GoldenRow& row) {
    const SharedState state = stateWith("exercise", entriesOf(row[1], u""));
    EXPECT_EQ(mergedErrorCount(state.PoziceChyb), std::stoi(row[2]));
  });
}

TEST(DurationText, MinutesAndSeconds) {
  forEachRow("duration.tsv", 3, [&](const GoldenRow& row) {
    EXPECT_EQ(durationText(std::stoi(row[1])), u16(row[2]));
  });
}

TEST(ScoreRun, ErrorsNetKeystrokesAndDuration) {
  forEachRow("scorerun.tsv", 9, [&](const GoldenRow& row) {
    SharedState state = stateWith(row[1], entriesOf(row[3], u""));
    state.ZtrataUhozu = std::stoi(row[4]);
    state.CasZahajeni = std::stoi(row[5]);
    state.CasUkonceni = std::stoi(row[6]);
    state.CisteUhozyMin = 55;  // left from before: must not survive
    scoreRun(state, std::u16string(std::stoul(row[2]), u'a'));
    std::ostringstream shown;
    shown << state.ChybyVysledku << ' ' << state.CisteUhozy << ' ' << state.CisteUhozyMin << ' '
          << state.ProcentoChyb;
    EXPECT_EQ(shown.str(), row[7]);
    EXPECT_EQ(state.DobaVysledku, u16(row[8]));
  });
}

TEST(ScoreRun, ProtocolTexts) {
  forEachRow("protocol.tsv", 8, [&](const GoldenRow& row) {
    const std::u16string typed = u16(row[2]);
    SharedState state = stateWith(row[1], entriesOf(row[3], typed));
    const ScoredTexts texts = scoreRun(state, typed);
    EXPECT_EQ(texts.markedCopy, u16(row[4]));
    EXPECT_EQ(texts.typedWithGaps, u16(row[5]));
    EXPECT_EQ(state.ProtokolNapsany, u16(row[6]));
    EXPECT_EQ(state.ProtokolOznaceny, u16(row[7]));
  });
}

TEST(ReplaceWrongLineBreaks, TextsOfAnyLengths) {
  forEachRow("linebreaks.tsv", 5, [&](const GoldenRow& row) {
    std::u16string typed = u16(row[1]), marked = u16(row[2]);
    replaceWrongLineBreaks(typed, marked);
    EXPECT_EQ(typed, u16(row[3]));
    EXPECT_EQ(marked, u16(row[4]));
  });
}

TEST(ScoreRun, WrongCharacterTableOfAnExerciseRun) {
  // A blank is kept as "_" and matches an "_" slot, marks "_" are skipped, a
  // slot matches without its trailing blanks, case counts.
  const auto character = [](int n) { return std::u16string(1, char16_t(u'\u0100' + n)); };
  Entries marks;
  for (const char16_t* c : {u"x", u" ", u"x", u"_", u"q", u"y", u" ", u"X"})
    marks.emplace_back(static_cast<int>(2 * marks.size() + 1), c);
  // 70 slots: a 71st character finds none, but still counts as an error.
  for (int n = 0; n <= kLessonTableSize - 4; ++n)
    marks.emplace_back(static_cast<int>(2 * marks.size() + 1), character(n));
  SharedState state = stateWith("exercise", marks);
  state.ChybneZnaky[0] = u"q  ";
  state.CetnostChyb[0] = 4;
  scoreRun(state, std::u16string(200, u'a'));
  const std::pair<std::u16string, int> expected[] = {{u"q  ", 5}, {u"x", 2}, {u"_", 2},
                                                     {u"y", 1},   {u"X", 1}, {character(0), 1}};
  for (std::size_t s = 0; s < std::size(expected); ++s)
    EXPECT_EQ(std::pair(state.ChybneZnaky[s], state.CetnostChyb[s]), expected[s]) << s;
  EXPECT_EQ(state.ChybneZnaky.back(), character(kLessonTableSize - 6));
  EXPECT_EQ(state.ChybyVysledku, static_cast<int>(marks.size()));

  SharedState lesson = stateWith("lesson", {{1, u"x"}});  // a lesson run keeps its own table
  scoreRun(lesson, u"ab");
  EXPECT_EQ(lesson.ChybneZnaky[0], u"");
}

}  // namespace
}  // namespace tymba
