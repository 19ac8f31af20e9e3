#include "core/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace tymba {
namespace {

struct Mark {
  int position;
  std::u16string character;
};

SharedState stateWith(TestKind kind, const std::vector<Mark>& marks = {}) {
  SharedState state;
  state.DruhTestu = kind;
  for (const Mark& mark : marks) appendError(state, mark.position, mark.character);
  return state;
}

using Slots = std::vector<std::pair<std::u16string, int>>;

// The wrong-character table up to its last used slot.
Slots tableOf(const SharedState& state) {
  Slots slots;
  for (int s = 0; s < kLessonTableSize; ++s)
    slots.push_back({state.ChybneZnaky[s], state.CetnostChyb[s]});
  while (!slots.empty() && slots.back() == std::pair(std::u16string(), 0)) slots.pop_back();
  return slots;
}

TEST(GrossKeystrokes, CountsShiftAndDeadKeys) {
  const std::pair<std::u16string, int> rows[] = {
      {u"Abc", 4}, {u"aA", 3}, {u"ab AB", 10}, {u"č", 1}, {u"š", 1}, {u"ť", 2}, {u"Š", 3},
  };
  for (const auto& [typed, expected] : rows) {
    SCOPED_TRACE(testing::PrintToString(typed));
    EXPECT_EQ(grossKeystrokes(typed), expected);
  }
}

TEST(MergedErrorCount, MergesAdjacentMarksAndSplitsEveryTen) {
  auto range = [](int last) {
    std::vector<int> positions;
    for (int p = 1; p <= last; ++p) positions.push_back(p);
    return positions;
  };
  // After the first ten, every nine more start a new error.
  const std::pair<std::vector<int>, int> rows[] = {
      {{}, 0},        {{5, 6, 7, 20}, 2}, {range(10), 1}, {range(11), 2},
      {range(19), 2}, {range(20), 3},     {{3, 2}, 2},
  };
  for (const auto& [positions, expected] : rows) {
    SCOPED_TRACE(testing::PrintToString(positions));
    EXPECT_EQ(mergedErrorCount(positions), expected);
  }
}

TEST(DurationText, MinutesAndSeconds) {
  const std::pair<int, std::u16string> rows[] = {
      {7, u"00 : 07"}, {10, u"00 : 10"},  {59, u"00 : 59"},
      {60, u"1 : 00"}, {605, u"10 : 05"}, {610, u"10 : 10"},
  };
  for (const auto& [seconds, expected] : rows) {
    SCOPED_TRACE(seconds);
    EXPECT_EQ(durationText(seconds), expected);
  }
}

TEST(ScoreRun, ExactlyTypedExerciseText) {
  SharedState state = stateWith(TestKind::Cviceni);
  state.ZtrataUhozu = 20;
  state.CasZahajeni = 36000;
  state.CasUkonceni = 36010;
  const ScoredTexts texts = scoreRun(state, u"Abc");
  EXPECT_EQ(state.HrubeUhozy, 4);
  EXPECT_EQ(state.ChybyVysledku, 0);
  EXPECT_EQ(state.CisteUhozy, 3);
  EXPECT_EQ(state.CisteUhozyMin, 18);
  EXPECT_EQ(state.ProcentoChyb, 0);
  EXPECT_EQ(state.DobaVysledku, u"00 : 10");
  EXPECT_EQ(state.ProtokolNapsany + state.ProtokolOznaceny, u"AbcAbc");
  EXPECT_EQ(texts.markedCopy + texts.typedWithGaps, u"AbcAbc");
}

TEST(ScoreRun, NetKeystrokesAndPercentageUseTheEngineMarks) {
  // Two adjacent marks score as one error, but both cost keystrokes.
  SharedState state = stateWith(TestKind::Cviceni, {{3, u"x"}, {4, u"y"}});
  state.ZtrataUhozu = 20;
  state.CasZahajeni = 100;
  state.CasUkonceni = 160;
  scoreRun(state, std::u16string(30, u'a'));
  EXPECT_EQ(state.ChybyVysledku, 1);
  EXPECT_EQ(state.PocetChyb, 2);
  EXPECT_EQ(state.CisteUhozy, 0);
  EXPECT_EQ(state.CisteUhozyMin, -10);  // from the net before it is held at 0
  EXPECT_EQ(state.ProcentoChyb, 66667);
}

TEST(ScoreRun, NetPerMinuteIsKeptInSixteenBitsAndThePercentageInFourDecimals) {
  const struct {
    const char* name;
    int length;
    int pocetChyb;
    int ztrataUhozu;
    std::int32_t start;
    std::int32_t end;
    int netPerMinute;
    Fixed4 percent;
    std::u16string_view duration;
  } rows[] = {
      {"floors a fraction", 100, 0, 20, 36000, 36007, 857, 0, u"00 : 07"},
      {"floors, not rounds: 85.7 gives 85", 10, 0, 20, 36000, 36007, 85, 0, u"00 : 07"},
      {"negative net floors down", 10, 1, 20, 36000, 36007, -86, 100000, u"00 : 07"},
      {"largest 16-bit value", 32767, 0, 20, 0, 60, 32767, 0, u"1 : 00"},
      {"one above the 16-bit range", 32768, 0, 20, 0, 60, 0, 0, u"1 : 00"},
      {"smallest 16-bit value", 39, 1, 32807, 0, 60, -32768, 25641, u"1 : 00"},
      {"one below the 16-bit range", 0, 1, 32769, 0, 60, 0, 0, u"1 : 00"},
      // An end equal to the start is no time, not a whole day.
      {"no time", 100, 0, 20, 500, 500, 0, 0, u"00 : 00"},
      {"across midnight", 210, 0, 20, 86340, 45, 120, 0, u"1 : 45"},
      {"more marks than characters", 2, 3, 0, 0, 60, 2, 1500000, u"1 : 00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(TestKind::Cviceni);
    state.PocetChyb = row.pocetChyb;
    state.ZtrataUhozu = row.ztrataUhozu;
    state.CasZahajeni = row.start;
    state.CasUkonceni = row.end;
    state.CisteUhozyMin = 55;  // left from before: must not survive
    scoreRun(state, std::u16string(static_cast<std::size_t>(row.length), u'a'));
    EXPECT_EQ(state.CisteUhozyMin, row.netPerMinute);
    EXPECT_EQ(state.ProcentoChyb, row.percent);
    EXPECT_EQ(state.DobaVysledku, row.duration);
  }
  SharedState lesson = stateWith(TestKind::Vyuka);
  lesson.CasZahajeni = 86340;
  lesson.CasUkonceni = 45;
  scoreRun(lesson, u"");
  EXPECT_EQ(lesson.DobaVysledku, u"1 : 45");
  EXPECT_EQ(lesson.ProcentoChyb, 0);
}

TEST(ScoreRun, WrongCharacterTableOfAnExerciseRun) {
  const struct {
    const char* name;
    Slots before;
    std::vector<std::u16string> characters;
    Slots expected;
  } rows[] = {
      {"blank kept as underscore, repeats and case counted, underscores skipped",
       {},
       {u"x", u" ", u"x", u"_", u"y", u" ", u"X"},
       {{u"x", 2}, {u"_", 2}, {u"y", 1}, {u"X", 1}}},
      {"underscore slot takes a blank", {{u"_", 1}}, {u" "}, {{u"_", 2}}},
      {"slot with trailing blanks matches", {{u"q  ", 4}}, {u"q", u"r"}, {{u"q  ", 5}, {u"r", 1}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Mark> marks;
    for (std::size_t k = 0; k < row.characters.size(); ++k)
      marks.push_back({static_cast<int>(2 * k + 1), row.characters[k]});
    SharedState state = stateWith(TestKind::Cviceni, marks);
    for (std::size_t s = 0; s < row.before.size(); ++s)
      std::tie(state.ChybneZnaky[s], state.CetnostChyb[s]) = row.before[s];
    scoreRun(state, std::u16string(20, u'a'));
    EXPECT_EQ(tableOf(state), row.expected);
  }
}

TEST(ScoreRun, WrongCharacterTableHoldsSeventyCharacters) {
  auto character = [](int n) { return std::u16string(1, static_cast<char16_t>(u'\u0100' + n)); };
  std::vector<Mark> marks;
  for (int n = 0; n <= kLessonTableSize; ++n) marks.push_back({2 * n + 1, character(n)});
  marks.push_back({2 * kLessonTableSize + 3, character(kLessonTableSize)});
  marks.push_back({2 * kLessonTableSize + 5, character(0)});
  SharedState state = stateWith(TestKind::Cviceni, marks);
  scoreRun(state, std::u16string(200, u'a'));

  Slots expected;
  for (int n = 0; n < kLessonTableSize; ++n) expected.push_back({character(n), n == 0 ? 2 : 1});
  EXPECT_EQ(tableOf(state), expected);
  // The character that found no slot is still an error of the run.
  EXPECT_EQ(state.ChybyVysledku, kLessonTableSize + 3);
}

TEST(ScoreRun, LessonRunCountsEveryMarkAndKeepsItsTable) {
  SharedState state = stateWith(TestKind::Vyuka, {{2, u"x"}, {3, u"y"}, {4, u" "}});
  state.ChybneZnaky[0] =
      std::u16string(u"x");  // not the literal: GCC 12 warns wrongly (-Wrestrict)
  state.CetnostChyb[0] = 3;
  const ScoredTexts texts = scoreRun(state, u"abcdef");
  EXPECT_EQ(state.ChybyVysledku, 3);
  EXPECT_EQ(tableOf(state), (Slots{{u"x", 3}}));
  EXPECT_EQ(texts.markedCopy, u"a___ef");
  EXPECT_EQ(texts.typedWithGaps, u"abcdef");
}

TEST(ScoreRun, ProtocolTexts) {
  const std::u16string lines = u"ab\r\ncd\r\nef";
  const struct {
    const char* name;
    TestKind kind;
    std::u16string typed;
    std::vector<Mark> marks;
    std::u16string markedCopy;
    std::u16string typedWithGaps;
    std::u16string protokolNapsany;
    std::u16string protokolOznaceny;
  } rows[] = {
      // clang-format off
      {"exercise: right line breaks, a wrong letter and a gap", TestKind::Cviceni, lines,
       {{2, u"x"}, {6, u" "}},
       u"a_\r\nc_\r\nef", u"ab\r\nc_\r\nef", u"ab\r\nc_\r\nef", u"a_\r\nc_\r\nef"},
      // Each wrong line break becomes one blank, replaced from the end.
      {"exercise: two line breaks typed wrongly", TestKind::Cviceni, lines,
       {{4, u"\n"}, {8, u"\n"}, {9, u"e"}},
       u"ab\r_cd\r__f", lines, u"ab cd ef", u"ab cd _f"},
      // Rows the in-place replacement from the end gave, kept byte for byte.
      {"exercise: wrong line feed at position 0", TestKind::Cviceni, u"\nab\r\ncd",
       {{1, u"\n"}, {5, u"\n"}},
       u"_ab\r_cd", u"\nab\r\ncd", u" ab cd", u" ab cd"},
      {"exercise: two wrong line breaks in a row", TestKind::Cviceni, u"a\r\n\r\nb",
       {{3, u"\n"}, {5, u"\n"}},
       u"a\r_\r_b", u"a\r\n\r\nb", u"a  b", u"a  b"},
      {"exercise: a right line break between wrong ones", TestKind::Cviceni,
       u"a\r\nb\r\nc\r\nd", {{3, u"\n"}, {9, u"\n"}},
       u"a\r_b\r\nc\r_d", u"a\r\nb\r\nc\r\nd", u"a b\r\nc d", u"a b\r\nc d"},
      {"exercise: wrong line break with its CR marked", TestKind::Cviceni, lines,
       {{3, u"\r"}, {4, u"\n"}},
       u"ab__cd\r\nef", lines, u"ab cd\r\nef", u"ab cd\r\nef"},
      {"exercise: left-out text at a line break", TestKind::Cviceni, lines, {{4, u" "}},
       u"ab\r_cd\r\nef", u"ab\r_cd\r\nef", u"ab\r_cd\r\nef", u"ab\r_cd\r\nef"},
      {"exercise: wrong line break at the end", TestKind::Cviceni, u"ab\r\n", {{4, u"\n"}},
       u"ab\r_", u"ab\r\n", u"ab ", u"ab "},
      {"exercise: marks outside the text are ignored", TestKind::Cviceni, lines,
       {{0, u"x"}, {11, u" "}, {-3, u" "}},
       lines, lines, lines, lines},
      // The marked copy gets a blank after every line feed up to the text's
      // original length; the typed copy only where a blank follows.
      {"lesson: second line starts with a blank", TestKind::Vyuka, u"ab \r\n x \r\n", {{7, u"x"}},
       u"ab \r\n _ \r\n", u"ab \r\n x \r\n", u"ab \r\n  x \r\n", u"ab \r\n  _ \r\n"},
      {"lesson: three lines", TestKind::Vyuka, u"a \r\nb \r\nc \r\n", {},
       u"a \r\nb \r\nc \r\n", u"a \r\nb \r\nc \r\n", u"a \r\nb \r\nc \r\n",
       u"a \r\n b \r\n c \r\n"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(row.kind, row.marks);
    const ScoredTexts texts = scoreRun(state, row.typed);
    EXPECT_EQ(texts.markedCopy, row.markedCopy);
    EXPECT_EQ(texts.typedWithGaps, row.typedWithGaps);
    EXPECT_EQ(state.ProtokolNapsany, row.protokolNapsany);
    EXPECT_EQ(state.ProtokolOznaceny, row.protokolOznaceny);
  }
}

}  // namespace
}  // namespace tymba
