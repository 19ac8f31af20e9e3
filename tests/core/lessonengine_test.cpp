#include "core/lessonengine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tymba {
namespace {

// A lesson run as the window drives it: the timers the engine asks for are
// started, and the end of the text stops them.
struct LessonRun {
  SharedState state;
  LessonDisplay display;
  bool limitTimerRunning = false;
  bool clockRunning = false;
  bool dictationVisible = false;

  explicit LessonRun(std::vector<std::u16string> lines, int pismo = 1) {
    state.DruhTestu = TestKind::Vyuka;
    state.nastaveni.Pismo = pismo;
    lines.insert(lines.begin(), std::u16string());
    state.RadkyVyuky = std::move(lines);
    showLessonStart(display, state.RadkyVyuky, pismo);
  }

  LessonKeystroke type(std::u16string_view text, double now) {
    const LessonKeystroke result = lessonKeystroke(
        state, display, {text, now, limitTimerRunning, clockRunning, dictationVisible});
    if (result.startLimitTimer) limitTimerRunning = true;
    if (result.timing.startClock) clockRunning = true;
    if (result.runFinished) limitTimerRunning = clockRunning = false;
    return result;
  }

  // One keystroke per character, `step` seconds apart, starting at `start`.
  void typeEach(std::u16string_view text, double start, double step = 0.25) {
    for (const char16_t c : text) {
      type(std::u16string_view(&c, 1), start);
      start += step;
    }
  }

  const std::u16string& marks() const { return display.lblRadek[1]; }
};

using Texts = std::vector<std::u16string>;

TEST(LessonEngine, KeystrokesAreMarkedAndCounted) {
  struct Row {
    const char* name;
    std::u16string line;
    std::u16string typed;
    std::u16string marks;
    std::u16string napsanyText;
    std::vector<int> positions;
    Texts characters;
  };
  const Row rows[] = {
      {"all right", u"abc d ", u"abc", u"   ", u"abc", {}, {}},
      {"one wrong letter", u"abc d ", u"axc", u" x ", u"axc", {2}, {u"x"}},
      {"blank where a letter belongs", u"ab cd ", u"a ", u" _", u"a_", {2}, {u" "}},
      {"letter where a blank belongs", u"ab cd ", u"abx", u"  x", u"abx", {3}, {u"_"}},
      {"right blank", u"ab cd ", u"ab c", u"    ", u"ab c", {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LessonRun run({row.line});
    run.typeEach(row.typed, 100.0, 2.0);  // far enough apart that no block interferes
    EXPECT_EQ(run.marks(), row.marks);
    EXPECT_EQ(run.display.lblRadek[0], row.line);
    EXPECT_EQ(run.state.NapsanyText, row.napsanyText);
    EXPECT_EQ(run.state.PocetChyb, static_cast<int>(row.positions.size()));
    EXPECT_EQ(run.state.PoziceChyb, row.positions);
    EXPECT_EQ(run.state.ZnakyChyb, row.characters);
  }
}

TEST(LessonEngine, WrongCharacterAndTimingTables) {
  // Wrong: x at a, x at c, blank at e, y at g, blank at h.
  LessonRun run({u"abcdefghij "});
  const struct {
    const char16_t* typed;
    std::optional<int> row;  // of lstSeznamChyb; empty for a right keystroke
    bool added;
  } steps[] = {{u"x", 0, true}, {u"b", {}, false}, {u"x", 0, false}, {u"d", {}, false},
               {u" ", 1, true}, {u"f", {}, false}, {u"y", 2, true},  {u" ", 1, false}};
  double now = 50.0;
  for (const auto& step : steps) {
    const LessonKeystroke result = run.type(step.typed, now += 1.5);
    SCOPED_TRACE(now);
    EXPECT_EQ(result.errorRow, step.row);
    EXPECT_EQ(result.errorRowAdded, step.added);
    EXPECT_EQ(result.wrong, step.row.has_value());
    EXPECT_NE(result.right, result.wrong);
    EXPECT_TRUE(result.clearBox && result.updateNextKey);
  }
  const Texts wrongCharacters(run.state.ChybneZnaky.begin(), run.state.ChybneZnaky.begin() + 4);
  EXPECT_EQ(wrongCharacters, (Texts{u"x", u"_", u"y", u""}));
  EXPECT_EQ(errorRowText(run.state, 0), u"x         2");
  EXPECT_EQ(errorRowText(run.state, 1), u"_         2");
  EXPECT_EQ(errorRowText(run.state, 2), u"y         1");
  EXPECT_EQ(run.marks(), u"x x _ y_");
  EXPECT_EQ(run.state.NapsanyText, u"xbxd_fy_");
  EXPECT_EQ(run.state.PoziceChyb, (std::vector<int>{1, 3, 5, 7, 8}));
  EXPECT_EQ(run.state.ZnakyChyb, (Texts{u"x", u"x", u" ", u"y", u" "}));

  // The timing table holds every typed character once, the blank as "_".
  const Texts typed(run.state.NapsaneZnaky.begin(), run.state.NapsaneZnaky.begin() + 7);
  EXPECT_EQ(typed, (Texts{u"x", u"b", u"d", u"_", u"f", u"y", u""}));
  const std::vector<int> counts(run.state.CetnostZnaku.begin(), run.state.CetnostZnaku.begin() + 6);
  EXPECT_EQ(counts, (std::vector<int>{2, 1, 1, 2, 1, 1}));
}

TEST(LessonEngine, ThreeInARowBlocksForOneSecondAndMaySound) {
  const struct {
    double delay;  // of the next keystroke after the third error
    bool zvukPripraven;
    std::string zvukChybaB;
    bool sound;
  } rows[] = {{0.99, true, " 1", true}, {1.0, true, "0", false}, {1.0, false, "1", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.delay);
    const bool accepted = row.delay >= 1.0;
    LessonRun run({u"abcdef "});
    run.state.ZvukPripraven = row.zvukPripraven;
    run.state.nastaveni.ZvukChybaB = row.zvukChybaB;
    EXPECT_FALSE(run.type(u"x", 998.0).playErrorSound);
    EXPECT_FALSE(run.type(u"y", 999.0).playErrorSound);
    const LessonKeystroke third = run.type(u"z", 1000.0);
    EXPECT_TRUE(third.blockStarted && run.state.BlokVstupu);  // with or without the sound
    EXPECT_EQ(third.playErrorSound, row.sound);
    run.state.NecinnostTiku = 4;

    const LessonKeystroke next = run.type(u"d", 1000.0 + row.delay);
    EXPECT_EQ(next.discarded, !accepted);
    EXPECT_TRUE(next.clearBox);
    EXPECT_EQ(next.right, accepted);
    EXPECT_EQ(run.state.BlokVstupu, !accepted);
    EXPECT_EQ(run.state.CasBloku, accepted ? 0.0 : 1000.0);
    if (accepted) {
      EXPECT_EQ(run.marks(), u"xyz ");
      EXPECT_EQ(run.state.CasUhozu, toFixed4(1001.0));
      continue;
    }
    // Without trace: no mark, no text, no count, no time.
    EXPECT_FALSE(next.timing.restartInactivity || next.updateNextKey);
    EXPECT_EQ(run.marks(), u"xyz");
    EXPECT_EQ(run.state.NapsanyText, u"xyz");
    EXPECT_EQ(run.state.NecinnostTiku, 4);
    EXPECT_EQ(run.state.CasUhozu, toFixed4(1000.0));
    EXPECT_EQ(run.state.NapsaneZnaky[3], u"");
    EXPECT_EQ(run.display.shape1Left, 1080 + 3 * 120);
  }
}

TEST(LessonEngine, RightKeystrokeBreaksTheRowAndAFourthErrorBlocksAgain) {
  for (const std::u16string typed : {u"xycz", u"xbyz"}) {  // a right keystroke among three wrong
    SCOPED_TRACE(testing::PrintToString(typed));
    LessonRun run({u"abcdefg "});
    run.typeEach(typed, 10.0, 0.1);
    EXPECT_EQ(run.state.PocetChyb, 3);
    EXPECT_FALSE(run.state.BlokVstupu);
    EXPECT_TRUE(run.type(u"e", 10.45).right);  // not discarded
  }

  LessonRun again({u"abcdefg "});
  again.typeEach(u"xyz", 10.0, 0.1);
  const LessonKeystroke fourth = again.type(u"q", 11.5);
  EXPECT_TRUE(fourth.wrong && fourth.blockStarted);
  EXPECT_EQ(again.state.CasBloku, 11.5);
}

TEST(LessonEngine, WrongCharacterAtTheEndOfALineCountsAndMovesOn) {
  LessonRun run({u"ab ", u"cd "});
  run.typeEach(u"ab", 10.0);
  const LessonKeystroke last = run.type(u"x", 11.0);
  EXPECT_TRUE(last.wrong && last.lineFinished);
  EXPECT_FALSE(last.runFinished);
  EXPECT_EQ(last.errorRow, 0);
  EXPECT_TRUE(last.errorRowAdded);
  EXPECT_EQ(run.state.PoziceChyb, std::vector<int>{3});
  EXPECT_EQ(run.state.ZnakyChyb, Texts{u"x"});
  EXPECT_EQ(run.state.NapsanyText, u"abx\r\n");
  EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  EXPECT_EQ(run.marks(), u"");
  EXPECT_EQ(run.display.shape1Left, 1080);
  // The closing keystroke is not timed.
  EXPECT_EQ(run.state.NapsaneZnaky[2], u"");
  EXPECT_EQ(run.state.CasUhozu, toFixed4(10.25));

  // It counts towards three in a row.
  LessonRun row({u"ab ", u"cd "});
  row.typeEach(u"xyz", 10.0);
  EXPECT_TRUE(row.state.BlokVstupu);
  EXPECT_EQ(row.state.PoziceChyb, (std::vector<int>{1, 2, 3}));
}

TEST(LessonEngine, EnterAtTheEndOfALineIsTheRightBlank) {
  for (const std::u16string line : {u"ab ", u"ab\r"}) {  // cut at a blank, at a line break
    SCOPED_TRACE(line.size());
    LessonRun run({line, u"cd "});
    run.type(u"a", 10.0);
    EXPECT_FALSE(enterCompletesLine(run.display));
    run.type(u"b", 10.5);
    ASSERT_TRUE(enterCompletesLine(run.display));
    const LessonKeystroke enter = run.type(u" ", 11.0);
    EXPECT_TRUE(enter.right && enter.lineFinished);
    EXPECT_EQ(run.state.NapsanyText, u"ab \r\n");
    EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  }
}

TEST(LessonEngine, LastLineWithoutLineBreakClosesWith) {
  const std::pair<const char16_t*, bool> rows[] = {{u"f", true}, {u" ", true}, {u"g", false}};
  for (const auto& [typed, right] : rows) {
    SCOPED_TRACE(static_cast<int>(typed[0]));
    LessonRun run({u"ef"});
    run.type(u"e", 1.0);
    const LessonKeystroke last = run.type(typed, 2.0);
    EXPECT_TRUE(last.runFinished);
    EXPECT_EQ(last.right, right);
    EXPECT_EQ(run.state.PocetChyb, right ? 0 : 1);
  }
}

TEST(LessonEngine, LinesMoveUpAndTheLastLineIsTyped) {
  LessonRun run({u"ab ", u"cd ", u"ef"});
  run.typeEach(u"ab ", 10.0);
  EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  EXPECT_EQ(run.display.lblRadek[2], u"ef");
  EXPECT_EQ(run.display.lblRadek[3], u"");

  run.typeEach(u"cd", 20.0);
  const LessonKeystroke second = run.type(u" ", 21.0);
  EXPECT_TRUE(second.lineFinished && second.updateNextKey);
  EXPECT_FALSE(second.runFinished);
  EXPECT_EQ(run.display.lblRadek[0], u"ef");

  run.type(u"e", 30.0);
  const LessonKeystroke last = run.type(u"f", 30.6);
  EXPECT_TRUE(last.right && last.lineFinished && last.runFinished && last.clearBox);
  EXPECT_FALSE(last.updateNextKey);
  EXPECT_EQ(run.state.CasUkonceni, 31);
  EXPECT_EQ(run.state.NapsanyText, u"ab \r\ncd \r\nef\r\n");
  EXPECT_EQ(run.display.lblRadek[0], u"");
}

TEST(LessonEngine, StartAndRefillShowTheLinesFromTheCurrentOne) {
  Texts lines;
  for (char16_t n = 1; n <= 12; ++n)
    lines.push_back(std::u16string{u'l', char16_t(u'a' + n), u' '});
  LessonRun run(lines);
  run.display.lblRadek[1] = u"old marks";
  run.display.shape1Left = 2000;
  showLessonStart(run.display, run.state.RadkyVyuky, 3);
  EXPECT_EQ(run.display.shape1Left, 1065);
  for (int n = 0; n <= 10; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(run.display.lblRadek[n], n == 0 ? lines[0] : n == 1 ? u"" : lines[n - 1]);
  }
  run.typeEach(lines[0], 1.0);
  for (int n = 2; n <= 10; ++n) EXPECT_EQ(run.display.lblRadek[n], lines[n]);
  run.typeEach(lines[1], 5.0);
  EXPECT_EQ(run.display.lblRadek[10], lines[11]);

  LessonDisplay empty;
  empty.lblRadek[9] = u"old line";
  showLessonStart(empty, {u""}, 1);
  EXPECT_EQ(empty.lblRadek, LessonDisplay().lblRadek);
  EXPECT_EQ(empty.shape1Left, 1080);
}

TEST(LessonEngine, Shape1MovesOneCellPerKeystrokeAndReturnsAtTheLineEnd) {
  const struct {
    int pismo;
    int step;
    int start;
  } rows[] = {{1, 120, 1080}, {2, 135, 1080}, {3, 150, 1065}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.pismo);
    LessonRun run({u"abc ", u"de "}, row.pismo);
    EXPECT_EQ(run.display.shape1Left, row.start);
    run.typeEach(u"ax", 1.0);  // right or wrong, it moves
    EXPECT_EQ(run.display.shape1Left, row.start + 2 * row.step);
    run.typeEach(u"c ", 2.0);
    EXPECT_EQ(run.display.shape1Left, row.start);
  }
}

TEST(LessonEngine, PausesAreSummedPerCharacter) {
  LessonRun run({u"abab "});
  run.type(u"a", 3600.0);
  EXPECT_EQ(run.state.ProdlevyZnaku[0], 0);  // the first keystroke has no pause
  run.type(u"b", 3600.25);
  run.type(u"a", 3600.75);
  run.type(u"x", 3601.0);  // wrong keystrokes are timed too
  const std::vector<Fixed4> pauses(run.state.ProdlevyZnaku.begin(),
                                   run.state.ProdlevyZnaku.begin() + 3);
  EXPECT_EQ(pauses, (std::vector<Fixed4>{toFixed4(0.5), toFixed4(0.25), toFixed4(0.25)}));
  EXPECT_EQ(run.state.CasUhozu, toFixed4(3601.0));

  // The kept time is rounded to four decimals and may lie above the reading;
  // a real step back is a pass over midnight.
  const double readings[][3] = {{100.00006, 100.00006, 0}, {86399.75, 0.25, 0.5}};
  for (const auto& [first, second, pause] : readings) {
    SCOPED_TRACE(first);
    LessonRun twice({u"aa "});
    twice.type(u"a", first);
    twice.type(u"a", second);
    EXPECT_EQ(twice.state.ProdlevyZnaku[0], toFixed4(pause));
  }
}

TEST(LessonEngine, BlockAcrossMidnightLastsOneSecond) {
  LessonRun run({u"abcdef "});
  run.typeEach(u"xyz", 86399.25, 0.125);
  ASSERT_TRUE(run.state.BlokVstupu);
  EXPECT_TRUE(run.type(u"d", 0.2).discarded);
  EXPECT_TRUE(run.type(u"d", 0.5).right);
}

TEST(LessonEngine, TheSeventyFirstCharacterDoesNotStopTheRun) {
  LessonRun run({std::u16string(80, u'a') + u" "});
  const auto character = [](int n) { return std::u16string(1, char16_t(u'\u0100' + n)); };
  double now = 10.0;
  LessonKeystroke last;
  for (int n = 0; n <= kLessonTableSize; ++n) {
    last = run.type(character(n), now += 1.5);  // each clears the block of the one before
  }
  EXPECT_TRUE(last.wrong && last.blockStarted);
  EXPECT_FALSE(last.errorRow.has_value());
  EXPECT_EQ(run.state.PocetChyb, kLessonTableSize + 1);
  EXPECT_EQ(run.marks().size(), static_cast<std::size_t>(kLessonTableSize + 1));
  EXPECT_EQ(run.state.ChybneZnaky.back(), character(kLessonTableSize - 1));
  EXPECT_EQ(run.state.NapsaneZnaky.back(), character(kLessonTableSize - 1));
  EXPECT_EQ(run.state.CasUhozu, toFixed4(now));

  // A known character still counts in its slot; a right keystroke goes on.
  EXPECT_EQ(run.type(character(0), now += 1.5).errorRow, 0);
  EXPECT_EQ(run.state.CetnostChyb[0], 2);
  EXPECT_TRUE(run.type(u"a", now += 1.5).right);
}

TEST(LessonEngine, FirstKeystrokeStartsTheLimitsOnce) {
  LessonRun run({u"abc "});
  const LessonKeystroke first = run.type(u"xa", 4000.5);  // a leftover in the box
  EXPECT_TRUE(first.right && first.startLimitTimer && first.timing.startClock);
  EXPECT_TRUE(run.state.TestBezi && run.state.JeNapsano);
  EXPECT_EQ(run.state.NapsanyText, u"a");
  EXPECT_FALSE(run.type(u"b", 4001.7).startLimitTimer);
}

TEST(LessonEngine, KeystrokesThatChangeNothing) {
  LessonRun run({u"abc "});
  const LessonKeystroke empty = run.type(u"", 1.0);
  EXPECT_TRUE(empty.emptyBox);
  EXPECT_FALSE(empty.startLimitTimer || empty.clearBox || run.state.TestBezi);

  run.type(u"a", 10.0);
  run.state.TestUkoncen = true;
  const LessonKeystroke after = run.type(u"b", 11.0);
  EXPECT_TRUE(after.ignored);
  EXPECT_FALSE(after.right || after.timing.restartInactivity || after.updateNextKey);
  EXPECT_EQ(run.state.NapsanyText, u"a");
  EXPECT_EQ(run.state.CetnostZnaku[1], 0);

  LessonRun dictation({u"abc "});
  dictation.dictationVisible = true;
  const LessonKeystroke dictated = dictation.type(u"a", 1.0);
  EXPECT_TRUE(dictated.timing.firstKeystroke && dictated.timing.restartInactivity);
  EXPECT_FALSE(dictated.timing.startClock || dictated.right);
  EXPECT_EQ(dictation.marks(), u"");
  EXPECT_EQ(dictation.state.NapsanyText, u"");
  EXPECT_EQ(dictation.display.shape1Left, 1080);
}

}  // namespace
}  // namespace tymba
