#include "core/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/lessonengine.h"

namespace tymba {
namespace {

struct Mark {
  int position;
  std::u16string character;
};

SharedState stateWith(TestKind kind, const std::vector<Mark>& marks) {
  SharedState state;
  state.DruhTestu = kind;
  for (const Mark& mark : marks) appendError(state, mark.position, mark.character);
  return state;
}

using Slots = std::vector<std::pair<std::u16string, int>>;

void expectTable(const SharedState& state, const Slots& expected) {
  for (int s = 0; s < kLessonTableSize; ++s) {
    SCOPED_TRACE(s);
    if (s < static_cast<int>(expected.size())) {
      EXPECT_EQ(state.ChybneZnaky[s], expected[s].first);
      EXPECT_EQ(state.CetnostChyb[s], expected[s].second);
    } else {
      EXPECT_EQ(state.ChybneZnaky[s], u"");
      EXPECT_EQ(state.CetnostChyb[s], 0);
    }
  }
}

TEST(GrossKeystrokes, CountsShiftAndDeadKeys) {
  const struct {
    const char* name;
    std::u16string typed;
    int expected;
  } rows[] = {
      {"empty text", u"", 0},
      {"capital counted once", u"Abc", 4},
      {"lower case finds its capital later", u"aA", 3},
      {"capital before its lower case is not looked back for", u"Aa", 3},
      {"every character of a mixed text", u"ab AB", 10},
      {"two lower case letters point at one capital", u"aaA", 4},
      {"capital counted again after another one", u"aBaA", 7},
      {"digits, blanks, punctuation and the line break", u"1 ,\r\n", 10},
      {"č adds nothing", u"č", 1},
      {"š adds nothing", u"š", 1},
      {"ť adds one", u"ť", 2},
      {"ó adds one", u"ó", 2},
      {"á adds nothing", u"á", 1},
      {"Š adds two", u"Š", 3},
      {"Č adds two", u"Č", 3},
      {"ť before Ť", u"ťŤ", 5},
      {"letter without a capital form counts its Shift", u"ß", 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(grossKeystrokes(row.typed), row.expected);
  }
}

TEST(MergedErrorCount, MergesAdjacentMarksAndSplitsEveryTen) {
  auto range = [](int first, int last) {
    std::vector<int> positions;
    for (int p = first; p <= last; ++p) positions.push_back(p);
    return positions;
  };
  const struct {
    const char* name;
    std::vector<int> positions;
    int expected;
  } rows[] = {
      {"no marks", {}, 0},
      {"one mark", {5}, 1},
      {"a run of three and one apart", {5, 6, 7, 20}, 2},
      {"ten in a row", range(1, 10), 1},
      {"eleven in a row", range(1, 11), 2},
      // After the first ten, every nine more start a new error.
      {"nineteen in a row", range(1, 19), 2},
      {"twenty in a row", range(1, 20), 3},
      {"two runs of two", {1, 2, 4, 5}, 2},
      {"order found, not sorted", {3, 2}, 2},
      {"same position twice", {7, 7}, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(mergedErrorCount(row.positions), row.expected);
  }
}

TEST(DurationText, MinutesAndSeconds) {
  const struct {
    int seconds;
    std::u16string expected;
  } rows[] = {
      {0, u"00 : 00"},   {7, u"00 : 07"},   {10, u"00 : 10"},   {45, u"00 : 45"},
      {59, u"00 : 59"},  {60, u"1 : 00"},   {65, u"1 : 05"},    {119, u"1 : 59"},
      {605, u"10 : 05"}, {750, u"12 : 30"}, {3600, u"60 : 00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.seconds);
    EXPECT_EQ(durationText(row.seconds), row.expected);
  }
}

TEST(ScoreRun, ExactlyTypedExerciseText) {
  SharedState state = stateWith(TestKind::Cviceni, {});
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
  EXPECT_EQ(state.ProtokolNapsany, u"Abc");
  EXPECT_EQ(state.ProtokolOznaceny, u"Abc");
  EXPECT_EQ(texts.markedCopy, u"Abc");
  EXPECT_EQ(texts.typedWithGaps, u"Abc");
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

TEST(ScoreRun, NetPerMinuteIsKeptInSixteenBits) {
  const struct {
    const char* name;
    TestKind kind;
    int length;
    int pocetChyb;
    int ztrataUhozu;
    std::int32_t start;
    std::int32_t end;
    int expected;
  } rows[] = {
      {"one minute", TestKind::Cviceni, 300, 0, 20, 36000, 36060, 300},
      {"floors a fraction", TestKind::Cviceni, 100, 0, 20, 36000, 36007, 857},
      {"negative net floors down", TestKind::Cviceni, 10, 1, 20, 36000, 36007, -86},
      {"largest 16-bit value", TestKind::Cviceni, 32767, 0, 20, 0, 60, 32767},
      {"one above the 16-bit range", TestKind::Cviceni, 32768, 0, 20, 0, 60, 0},
      {"smallest 16-bit value", TestKind::Cviceni, 0, 1, 32768, 0, 60, -32768},
      {"one below the 16-bit range", TestKind::Cviceni, 0, 1, 32769, 0, 60, 0},
      {"huge value", TestKind::Cviceni, 15000, 0, 20, 500, 501, 0},
      {"no time", TestKind::Cviceni, 100, 0, 20, 500, 500, 0},
      {"lesson run with no time", TestKind::Vyuka, 100, 0, 20, 500, 500, 0},
      {"lesson run", TestKind::Vyuka, 100, 0, 20, 500, 530, 200},
      {"across midnight", TestKind::Cviceni, 100, 0, 20, 86390, 20, 200},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(row.kind, {});
    state.PocetChyb = row.pocetChyb;
    state.ZtrataUhozu = row.ztrataUhozu;
    state.CasZahajeni = row.start;
    state.CasUkonceni = row.end;
    state.CisteUhozyMin = 55;  // left from before: must not survive
    scoreRun(state, std::u16string(static_cast<std::size_t>(row.length), u'a'));
    EXPECT_EQ(state.CisteUhozyMin, row.expected);
  }
}

TEST(ScoreRun, ErrorPercentageHasFourDecimals) {
  const struct {
    const char* name;
    int length;
    int pocetChyb;
    Fixed4 expected;
  } rows[] = {
      {"no errors", 50, 0, 0},
      {"two on thirty", 30, 2, 66667},
      {"one on thirty-nine", 39, 1, 25641},
      {"one on three", 3, 1, 333333},
      {"two on three rounds up", 3, 2, 666667},
      {"more marks than characters", 2, 3, 1500000},
      {"empty text", 0, 0, 0},
      {"empty text with marks", 0, 3, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(TestKind::Cviceni, {});
    state.PocetChyb = row.pocetChyb;
    scoreRun(state, std::u16string(static_cast<std::size_t>(row.length), u'a'));
    EXPECT_EQ(state.ProcentoChyb, row.expected);
  }
}

TEST(ScoreRun, RunAcrossMidnightLastsFromStartToEnd) {
  SharedState state = stateWith(TestKind::Cviceni, {});
  state.CasZahajeni = 86340;  // 23:59:00
  state.CasUkonceni = 45;     // 00:00:45
  scoreRun(state, std::u16string(210, u'a'));
  EXPECT_EQ(state.DobaVysledku, u"1 : 45");
  EXPECT_EQ(state.CisteUhozyMin, 120);
}

TEST(ScoreRun, WrongCharacterTableOfAnExerciseRun) {
  const struct {
    const char* name;
    Slots before;
    std::vector<std::u16string> characters;
    Slots expected;
  } rows[] = {
      {"blank kept as underscore, repeats counted, underscores skipped",
       {},
       {u"x", u" ", u"x", u"_", u"y", u" ", u"X"},
       {{u"x", 2}, {u"_", 2}, {u"y", 1}, {u"X", 1}}},
      {"underscore slot takes a blank", {{u"_", 1}}, {u" "}, {{u"_", 2}}},
      {"slot with trailing blanks matches", {{u"q  ", 4}}, {u"q", u"r"}, {{u"q  ", 5}, {u"r", 1}}},
      {"only underscores", {}, {u"_", u"_"}, {}},
      {"Czech letters", {}, {u"ř", u"Ř", u"ř"}, {{u"ř", 2}, {u"Ř", 1}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Mark> marks;
    for (std::size_t k = 0; k < row.characters.size(); ++k)
      marks.push_back({static_cast<int>(2 * k + 1), row.characters[k]});
    SharedState state = stateWith(TestKind::Cviceni, marks);
    for (std::size_t s = 0; s < row.before.size(); ++s) {
      state.ChybneZnaky[s] = row.before[s].first;
      state.CetnostChyb[s] = row.before[s].second;
    }
    scoreRun(state, std::u16string(20, u'a'));
    expectTable(state, row.expected);
  }
}

TEST(ScoreRun, WrongCharacterTableHoldsSeventyCharacters) {
  std::vector<Mark> marks;
  auto character = [](int n) { return std::u16string(1, static_cast<char16_t>(u'\u0100' + n)); };
  for (int n = 0; n <= kLessonTableSize; ++n) marks.push_back({2 * n + 1, character(n)});
  marks.push_back({2 * kLessonTableSize + 3, character(kLessonTableSize)});
  marks.push_back({2 * kLessonTableSize + 5, character(0)});
  SharedState state = stateWith(TestKind::Cviceni, marks);
  scoreRun(state, std::u16string(200, u'a'));

  Slots expected;
  for (int n = 0; n < kLessonTableSize; ++n) expected.push_back({character(n), n == 0 ? 2 : 1});
  expectTable(state, expected);
  // The character that found no slot is still an error of the run.
  EXPECT_EQ(state.ChybyVysledku, kLessonTableSize + 3);
  EXPECT_EQ(state.ProcentoChyb, 365000);  // 73 marks on 200 characters
}

TEST(ScoreRun, LessonRunCountsEveryMarkAndKeepsItsTable) {
  SharedState state = stateWith(TestKind::Vyuka, {{2, u"x"}, {3, u"y"}, {4, u" "}});
  state.ChybneZnaky[0] = std::u16string(u"x");
  state.CetnostChyb[0] = 3;
  const ScoredTexts texts = scoreRun(state, u"abcdef");
  EXPECT_EQ(state.ChybyVysledku, 3);
  expectTable(state, {{u"x", 3}});
  EXPECT_EQ(texts.markedCopy, u"a___ef");
  EXPECT_EQ(texts.typedWithGaps, u"abcdef");
}

TEST(ScoreRun, ExerciseProtocolTexts) {
  const std::u16string lines = u"ab\r\ncd\r\nef";
  const struct {
    const char* name;
    std::u16string typed;
    std::vector<Mark> marks;
    std::u16string markedCopy;
    std::u16string typedWithGaps;
    std::u16string protokolNapsany;
    std::u16string protokolOznaceny;
  } rows[] = {
      {"right line breaks, a wrong letter and a gap",
       lines,
       {{2, u"x"}, {6, u" "}},
       u"a_\r\nc_\r\nef",
       u"ab\r\nc_\r\nef",
       u"ab\r\nc_\r\nef",
       u"a_\r\nc_\r\nef"},
      {"line break typed wrongly",
       lines,
       {{4, u"\n"}},
       u"ab\r_cd\r\nef",
       lines,
       u"ab cd\r\nef",
       u"ab cd\r\nef"},
      {"two line breaks typed wrongly",
       lines,
       {{4, u"\n"}, {8, u"\n"}, {9, u"e"}},
       u"ab\r_cd\r__f",
       lines,
       u"ab cd ef",
       u"ab cd _f"},
      {"wrong line break with its CR marked",
       lines,
       {{3, u"\r"}, {4, u"\n"}},
       u"ab__cd\r\nef",
       lines,
       u"ab cd\r\nef",
       u"ab cd\r\nef"},
      {"left-out text at a line break",
       lines,
       {{4, u" "}},
       u"ab\r_cd\r\nef",
       u"ab\r_cd\r\nef",
       u"ab\r_cd\r\nef",
       u"ab\r_cd\r\nef"},
      {"wrong line break at the end", u"ab\r\n", {{4, u"\n"}}, u"ab\r_", u"ab\r\n", u"ab ", u"ab "},
      {"marks outside the text are ignored",
       lines,
       {{0, u"x"}, {11, u" "}, {-3, u" "}},
       lines,
       lines,
       lines,
       lines},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(TestKind::Cviceni, row.marks);
    const ScoredTexts texts = scoreRun(state, row.typed);
    EXPECT_EQ(texts.markedCopy, row.markedCopy);
    EXPECT_EQ(texts.typedWithGaps, row.typedWithGaps);
    EXPECT_EQ(state.ProtokolNapsany, row.protokolNapsany);
    EXPECT_EQ(state.ProtokolOznaceny, row.protokolOznaceny);
  }
}

TEST(ScoreRun, LessonProtocolTexts) {
  // The marked copy gets a blank after every line feed up to the text's
  // original length; the typed copy only where a blank follows.
  const struct {
    const char* name;
    std::u16string typed;
    std::vector<Mark> marks;
    std::u16string markedCopy;
    std::u16string protokolNapsany;
    std::u16string protokolOznaceny;
  } rows[] = {
      {"second line starts with a blank",
       u"ab \r\n x \r\n",
       {{7, u"x"}},
       u"ab \r\n _ \r\n",
       u"ab \r\n  x \r\n",
       u"ab \r\n  _ \r\n"},
      {"lines start with letters",
       u"ab \r\ncx \r\n",
       {{7, u"x"}},
       u"ab \r\nc_ \r\n",
       u"ab \r\ncx \r\n",
       u"ab \r\n c_ \r\n"},
      {"three lines",
       u"a \r\nb \r\nc \r\n",
       {},
       u"a \r\nb \r\nc \r\n",
       u"a \r\nb \r\nc \r\n",
       u"a \r\n b \r\n c \r\n"},
      {"last line without a line break",
       u"ab \r\ncd",
       {},
       u"ab \r\ncd",
       u"ab \r\ncd",
       u"ab \r\n cd"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SharedState state = stateWith(TestKind::Vyuka, row.marks);
    const ScoredTexts texts = scoreRun(state, row.typed);
    EXPECT_EQ(texts.markedCopy, row.markedCopy);
    EXPECT_EQ(texts.typedWithGaps, row.typed);
    EXPECT_EQ(state.ProtokolNapsany, row.protokolNapsany);
    EXPECT_EQ(state.ProtokolOznaceny, row.protokolOznaceny);
  }
}

TEST(ScoreRun, TwoLineLessonTypedThroughTheEngine) {
  SharedState state;
  state.DruhTestu = TestKind::Vyuka;
  state.RadkyVyuky = {u"", u"ab ", u"cd "};
  LessonDisplay display;
  showLessonStart(display, state.RadkyVyuky, 1);
  bool clockRunning = false;
  double now = 10.0;
  for (const char16_t c : std::u16string(u"ab xd ")) {
    const LessonKeystroke result =
        lessonKeystroke(state, display, {std::u16string_view(&c, 1), now, true, clockRunning});
    clockRunning = clockRunning || result.timing.startClock;
    now += 2.0;
  }
  ASSERT_EQ(state.NapsanyText, u"ab \r\nxd \r\n");
  ASSERT_EQ(state.PocetChyb, 1);
  ASSERT_EQ(state.CasUkonceni - state.CasZahajeni, 10);

  const ScoredTexts texts = scoreRun(state, state.NapsanyText);
  EXPECT_EQ(state.HrubeUhozy, 16);  // ten characters, six of them not lower case
  EXPECT_EQ(state.ChybyVysledku, 1);
  EXPECT_EQ(state.DobaVysledku, u"00 : 10");
  EXPECT_EQ(state.CisteUhozy, 0);
  EXPECT_EQ(state.CisteUhozyMin, -60);
  EXPECT_EQ(state.ProcentoChyb, 100000);
  expectTable(state, {{u"x", 1}});
  EXPECT_EQ(texts.markedCopy, u"ab \r\n_d \r\n");
  EXPECT_EQ(texts.typedWithGaps, u"ab \r\nxd \r\n");
  EXPECT_EQ(state.ProtokolNapsany, u"ab \r\nxd \r\n");
  EXPECT_EQ(state.ProtokolOznaceny, u"ab \r\n _d \r\n");
}

}  // namespace
}  // namespace tymba
