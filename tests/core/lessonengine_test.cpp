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
    double now = start;
    for (const char16_t c : text) {
      type(std::u16string_view(&c, 1), now);
      now += step;
    }
  }

  const std::u16string& marks() const { return display.lblRadek[1]; }
};

std::vector<std::u16string> chars(std::initializer_list<const char16_t*> list) {
  return std::vector<std::u16string>(list.begin(), list.end());
}

TEST(LessonEngine, KeystrokesAreMarkedAndCounted) {
  struct Row {
    const char* name;
    std::u16string line;
    std::u16string typed;
    std::u16string marks;
    std::u16string napsanyText;
    std::vector<int> positions;
    std::vector<std::u16string> characters;
  };
  const Row rows[] = {
      {"all right", u"abc d ", u"abc", u"   ", u"abc", {}, {}},
      {"one wrong letter", u"abc d ", u"axc", u" x ", u"axc", {2}, chars({u"x"})},
      {"blank where a letter belongs", u"ab cd ", u"a ", u" _", u"a_", {2}, chars({u" "})},
      {"letter where a blank belongs", u"ab cd ", u"abx", u"  x", u"abx", {3}, chars({u"_"})},
      {"right blank", u"ab cd ", u"ab c", u"    ", u"ab c", {}, {}},
      {"czech letters", u"čřž ", u"čzž", u" z ", u"čzž", {2}, chars({u"z"})},
      {"errors apart", u"abcdef ", u"xbcdxf", u"x   x ", u"xbcdxf", {1, 5}, chars({u"x", u"x"})},
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
    EXPECT_FALSE(run.state.BlokVstupu);
  }
}

TEST(LessonEngine, ResultSaysRightOrWrongAndEmptiesTheBox) {
  LessonRun run({u"ab "});
  const LessonKeystroke right = run.type(u"a", 10.0);
  EXPECT_TRUE(right.right);
  EXPECT_FALSE(right.wrong);
  EXPECT_FALSE(right.errorRow.has_value());
  EXPECT_TRUE(right.clearBox);
  EXPECT_TRUE(right.updateNextKey);
  const LessonKeystroke wrong = run.type(u"x", 11.0);
  EXPECT_FALSE(wrong.right);
  EXPECT_TRUE(wrong.wrong);
  EXPECT_TRUE(wrong.clearBox);
  EXPECT_TRUE(wrong.updateNextKey);
}

TEST(LessonEngine, WrongCharacterTableAndRows) {
  // Wrong: x at a, x at c, blank at e, y at g, blank at h.
  LessonRun run({u"abcdefghij "});
  struct Step {
    const char16_t* typed;
    std::optional<int> row;
    bool added;
  };
  const Step steps[] = {
      {u"x", 0, true}, {u"b", std::nullopt, false}, {u"x", 0, false}, {u"d", std::nullopt, false},
      {u" ", 1, true}, {u"f", std::nullopt, false}, {u"y", 2, true},  {u" ", 1, false}};
  double now = 50.0;
  int index = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(index++);
    const LessonKeystroke result = run.type(step.typed, now += 0.5);
    EXPECT_EQ(result.errorRow, step.row);
    EXPECT_EQ(result.errorRowAdded, step.added);
  }
  EXPECT_EQ(run.state.ChybneZnaky[0], u"x");
  EXPECT_EQ(run.state.ChybneZnaky[1], u"_");
  EXPECT_EQ(run.state.ChybneZnaky[2], u"y");
  EXPECT_EQ(run.state.ChybneZnaky[3], u"");
  EXPECT_EQ(run.state.CetnostChyb[0], 2);
  EXPECT_EQ(run.state.CetnostChyb[1], 2);
  EXPECT_EQ(errorRowText(run.state, 0), u"x         2");
  EXPECT_EQ(errorRowText(run.state, 1), u"_         2");
  EXPECT_EQ(errorRowText(run.state, 2), u"y         1");
  EXPECT_EQ(run.marks(), u"x x _ y_");
  EXPECT_EQ(run.state.NapsanyText, u"xbxd_fy_");
  EXPECT_EQ(run.state.PoziceChyb, (std::vector<int>{1, 3, 5, 7, 8}));
  EXPECT_EQ(run.state.ZnakyChyb, chars({u"x", u"x", u" ", u"y", u" "}));

  // The timing table holds every typed character once, the blank as "_".
  const std::u16string expected[] = {u"x", u"b", u"d", u"_", u"f", u"y"};
  const int counts[] = {2, 1, 1, 2, 1, 1};
  for (int n = 0; n < 6; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(run.state.NapsaneZnaky[n], expected[n]);
    EXPECT_EQ(run.state.CetnostZnaku[n], counts[n]);
  }
  EXPECT_EQ(run.state.NapsaneZnaky[6], u"");
}

TEST(LessonEngine, TypedBlanksShareOneTimingSlot) {
  LessonRun run({u"a b c d "});
  run.typeEach(u"a b c", 10.0, 0.5);
  EXPECT_EQ(run.state.NapsaneZnaky[0], u"a");
  EXPECT_EQ(run.state.NapsaneZnaky[1], u"_");
  EXPECT_EQ(run.state.CetnostZnaku[1], 2);
  EXPECT_EQ(run.state.NapsaneZnaky[2], u"b");
  EXPECT_EQ(run.state.NapsaneZnaky[3], u"c");
  EXPECT_EQ(run.state.CetnostZnaku[3], 1);
  // The second blank followed the b by half a second, the first the a.
  EXPECT_EQ(run.state.ProdlevyZnaku[1], toFixed4(1.0));
}

TEST(LessonEngine, ThreeInARowBlocksForOneSecond) {
  struct Row {
    const char* name;
    double delay;  // after the third error
    bool accepted;
  };
  const Row rows[] = {
      {"0.99 s later is discarded", 0.99, false},
      {"1.0 s later is accepted", 1.0, true},
      {"much later is accepted", 30.0, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LessonRun run({u"abcdef "});
    run.type(u"x", 998.0);
    run.type(u"y", 999.0);
    const LessonKeystroke third = run.type(u"z", 1000.0);
    EXPECT_TRUE(third.blockStarted);
    EXPECT_TRUE(run.state.BlokVstupu);
    EXPECT_EQ(run.state.CasBloku, 1000.0);
    run.state.NecinnostTiku = 4;

    const LessonKeystroke next = run.type(u"d", 1000.0 + row.delay);
    EXPECT_EQ(next.discarded, !row.accepted);
    EXPECT_TRUE(next.clearBox);
    EXPECT_EQ(next.right, row.accepted);
    EXPECT_EQ(run.state.BlokVstupu, !row.accepted);
    if (row.accepted) {
      EXPECT_EQ(run.state.CasBloku, 0.0);
      EXPECT_EQ(run.marks(), u"xyz ");
      EXPECT_EQ(run.state.NapsanyText, u"xyzd");
      EXPECT_EQ(run.state.NecinnostTiku, 0);
      EXPECT_EQ(run.state.CasUhozu, toFixed4(1000.0 + row.delay));
    } else {
      // Without trace: no mark, no text, no count, no time.
      EXPECT_FALSE(next.timing.restartInactivity);
      EXPECT_FALSE(next.updateNextKey);
      EXPECT_EQ(run.state.CasBloku, 1000.0);
      EXPECT_EQ(run.marks(), u"xyz");
      EXPECT_EQ(run.state.NapsanyText, u"xyz");
      EXPECT_EQ(run.state.PocetChyb, 3);
      EXPECT_EQ(run.state.NecinnostTiku, 4);
      EXPECT_EQ(run.state.CasUhozu, toFixed4(1000.0));
      EXPECT_EQ(run.state.NapsaneZnaky[3], u"");
      EXPECT_EQ(run.display.shape1Left, 1080 + 3 * 120);
    }
  }
}

TEST(LessonEngine, ErrorSoundOnlyWhenSwitchedOnAndSoundReady) {
  struct Row {
    const char* name;
    bool zvukPripraven;
    std::string zvukChybaB;
    bool sound;
  };
  const Row rows[] = {
      {"switched on", true, "1", true},
      {"switched off", true, "0", false},
      {"no sound output", false, "1", false},
      {"numeric value of one", true, " 1", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LessonRun run({u"abcdef "});
    run.state.ZvukPripraven = row.zvukPripraven;
    run.state.nastaveni.ZvukChybaB = row.zvukChybaB;
    EXPECT_FALSE(run.type(u"x", 1.0).playErrorSound);
    EXPECT_FALSE(run.type(u"y", 2.0).playErrorSound);
    const LessonKeystroke third = run.type(u"z", 3.0);
    EXPECT_TRUE(third.blockStarted);  // the block does not depend on the sound
    EXPECT_EQ(third.playErrorSound, row.sound);
  }
}

TEST(LessonEngine, RightKeystrokeBreaksTheRow) {
  LessonRun run({u"abcdefg "});
  run.typeEach(u"xycz", 10.0, 0.1);  // wrong, wrong, right, wrong
  EXPECT_EQ(run.state.PocetChyb, 3);
  EXPECT_FALSE(run.state.BlokVstupu);
  // Keystrokes straight after are not discarded.
  EXPECT_TRUE(run.type(u"e", 10.45).right);
  EXPECT_EQ(run.marks(), u"xy z ");
}

TEST(LessonEngine, FourthErrorInARowBlocksAgain) {
  LessonRun run({u"abcdefg "});
  run.typeEach(u"xyz", 10.0, 0.1);
  const LessonKeystroke fourth = run.type(u"q", 11.5);
  EXPECT_TRUE(fourth.wrong);
  EXPECT_TRUE(fourth.blockStarted);
  EXPECT_EQ(run.state.CasBloku, 11.5);
}

TEST(LessonEngine, WrongCharacterAtTheEndOfALineCountsAndMovesOn) {
  LessonRun run({u"ab ", u"cd "});
  run.typeEach(u"ab", 10.0);
  const LessonKeystroke last = run.type(u"x", 11.0);
  EXPECT_TRUE(last.wrong);
  EXPECT_TRUE(last.lineFinished);
  EXPECT_FALSE(last.runFinished);
  EXPECT_EQ(last.errorRow, 0);
  EXPECT_TRUE(last.errorRowAdded);
  EXPECT_EQ(run.state.PocetChyb, 1);
  EXPECT_EQ(run.state.PoziceChyb, std::vector<int>{3});
  EXPECT_EQ(run.state.ZnakyChyb, chars({u"x"}));
  EXPECT_EQ(run.state.ChybneZnaky[0], u"x");
  EXPECT_EQ(run.state.NapsanyText, u"abx\r\n");
  EXPECT_EQ(run.state.RadekVyuky, 1);
  EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  EXPECT_EQ(run.marks(), u"");
  EXPECT_EQ(run.display.shape1Left, 1080);
  // The closing keystroke is not timed.
  EXPECT_EQ(run.state.NapsaneZnaky[2], u"");
  EXPECT_EQ(run.state.CasUhozu, toFixed4(10.25));
}

TEST(LessonEngine, WrongLineEndCountsTowardsThreeInARow) {
  LessonRun run({u"ab ", u"cd "});
  run.typeEach(u"xy", 10.0);
  const LessonKeystroke last = run.type(u"z", 10.5);
  EXPECT_TRUE(last.lineFinished);
  EXPECT_TRUE(last.blockStarted);
  EXPECT_EQ(run.state.PoziceChyb, (std::vector<int>{1, 2, 3}));
}

TEST(LessonEngine, EnterAtTheEndOfALineIsTheRightBlank) {
  struct Row {
    const char* name;
    std::u16string line;
  };
  const Row rows[] = {{"line cut at a blank", u"ab "}, {"line cut at a line break", u"ab\r"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LessonRun run({row.line, u"cd "});
    EXPECT_FALSE(enterCompletesLine(run.display));
    run.type(u"a", 10.0);
    EXPECT_FALSE(enterCompletesLine(run.display));
    run.type(u"b", 10.5);
    ASSERT_TRUE(enterCompletesLine(run.display));
    const LessonKeystroke enter = run.type(u" ", 11.0);
    EXPECT_TRUE(enter.right);
    EXPECT_TRUE(enter.lineFinished);
    EXPECT_EQ(run.state.PocetChyb, 0);
    EXPECT_EQ(run.state.NapsanyText, u"ab \r\n");
    EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  }
}

TEST(LessonEngine, LinesMoveUpAndTheLastLineIsTyped) {
  LessonRun run({u"ab ", u"cd ", u"ef"});
  EXPECT_EQ(run.display.lblRadek[2], u"cd ");
  EXPECT_EQ(run.display.lblRadek[3], u"ef");

  run.typeEach(u"ab ", 10.0);
  EXPECT_EQ(run.display.lblRadek[0], u"cd ");
  EXPECT_EQ(run.display.lblRadek[2], u"ef");
  EXPECT_EQ(run.display.lblRadek[3], u"");

  run.typeEach(u"cd", 20.0);
  const LessonKeystroke second = run.type(u" ", 21.0);
  EXPECT_TRUE(second.lineFinished);
  EXPECT_FALSE(second.runFinished);
  EXPECT_TRUE(second.updateNextKey);
  EXPECT_EQ(run.display.lblRadek[0], u"ef");
  EXPECT_EQ(run.display.lblRadek[2], u"");

  run.type(u"e", 30.0);
  const LessonKeystroke last = run.type(u"f", 30.6);
  EXPECT_TRUE(last.right);
  EXPECT_TRUE(last.lineFinished);
  EXPECT_TRUE(last.runFinished);
  EXPECT_TRUE(last.clearBox);
  EXPECT_FALSE(last.updateNextKey);
  EXPECT_EQ(run.state.RadekVyuky, 3);
  EXPECT_EQ(run.state.CasUkonceni, 31);
  EXPECT_EQ(run.state.PocetChyb, 0);
  EXPECT_EQ(run.state.NapsanyText, u"ab \r\ncd \r\nef\r\n");
  EXPECT_EQ(run.display.lblRadek[0], u"");
}

TEST(LessonEngine, LastLineWithoutLineBreakClosesWith) {
  struct Row {
    const char* name;
    const char16_t* typed;
    bool right;
  };
  const Row rows[] = {
      {"its own last character", u"f", true},
      {"a blank", u" ", true},
      {"another character", u"g", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LessonRun run({u"ef"});
    run.type(u"e", 1.0);
    const LessonKeystroke last = run.type(row.typed, 2.0);
    EXPECT_TRUE(last.runFinished);
    EXPECT_EQ(last.right, row.right);
    EXPECT_EQ(run.state.PocetChyb, row.right ? 0 : 1);
  }
}

TEST(LessonEngine, RefillShowsTheLinesAfterTheCurrentOne) {
  std::vector<std::u16string> lines;
  for (int n = 1; n <= 12; ++n) lines.push_back(u"l" + std::u16string(1, u'a' + n) + u" ");
  LessonRun run(lines);
  EXPECT_EQ(run.display.lblRadek[0], lines[0]);
  EXPECT_EQ(run.display.lblRadek[10], lines[9]);
  run.typeEach(lines[0], 1.0);
  EXPECT_EQ(run.display.lblRadek[0], lines[1]);
  for (int n = 2; n <= 10; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(run.display.lblRadek[n], lines[n]);  // line n + 1 of the text
  }
  run.typeEach(lines[1], 5.0);
  EXPECT_EQ(run.display.lblRadek[10], lines[11]);
}

TEST(LessonEngine, ShowLessonStart) {
  struct Row {
    const char* name;
    int lines;
    int pismo;
    int shownUpTo;  // last item showing a line
    int shape1Left;
  };
  const Row rows[] = {
      {"no text", 0, 1, -1, 1080},
      {"one line", 1, 2, 0, 1080},
      {"three lines", 3, 3, 3, 1065},
      {"fourteen lines", 14, 1, 10, 1080},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::u16string> radky{u""};
    for (int n = 1; n <= row.lines; ++n) radky.push_back(u"r" + std::u16string(1, u'a' + n));
    LessonDisplay display;
    display.lblRadek[1] = u"old marks";
    display.lblRadek[9] = u"old line";
    display.shape1Left = 2000;
    showLessonStart(display, radky, row.pismo);
    for (int n = 0; n <= 10; ++n) {
      SCOPED_TRACE(n);
      const int entry = n == 0 ? 1 : n;
      const bool shown = n != 1 && n <= row.shownUpTo;
      EXPECT_EQ(display.lblRadek[n], shown ? radky[entry] : u"");
    }
    EXPECT_EQ(display.shape1Left, row.shape1Left);
  }
}

TEST(LessonEngine, Shape1MovesOneCellPerKeystrokeAndReturnsAtTheLineEnd) {
  struct Row {
    const char* name;
    int pismo;
    int step;
    int start;
  };
  const Row rows[] = {{"font 1", 1, 120, 1080}, {"font 2", 2, 135, 1080}, {"font 3", 3, 150, 1065}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
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
  EXPECT_EQ(run.state.CetnostZnaku[0], 1);
  run.type(u"b", 3600.25);
  run.type(u"a", 3600.75);
  run.type(u"x", 3601.0);  // wrong keystrokes are timed too
  EXPECT_EQ(run.state.NapsaneZnaky[0], u"a");
  EXPECT_EQ(run.state.ProdlevyZnaku[0], toFixed4(0.5));
  EXPECT_EQ(run.state.CetnostZnaku[0], 2);
  EXPECT_EQ(run.state.NapsaneZnaky[1], u"b");
  EXPECT_EQ(run.state.ProdlevyZnaku[1], toFixed4(0.25));
  EXPECT_EQ(run.state.NapsaneZnaky[2], u"x");
  EXPECT_EQ(run.state.ProdlevyZnaku[2], toFixed4(0.25));
  EXPECT_EQ(run.state.CasUhozu, toFixed4(3601.0));
}

TEST(LessonEngine, SameReadingTwiceGivesNoPause) {
  // The kept time is rounded to four decimals and may lie above the reading.
  LessonRun run({u"aa "});
  run.type(u"a", 100.00006);
  run.type(u"a", 100.00006);
  EXPECT_EQ(run.state.ProdlevyZnaku[0], 0);
}

TEST(LessonEngine, PauseAcrossMidnight) {
  LessonRun run({u"abcdef "});
  run.type(u"a", 86399.75);
  run.type(u"b", 0.25);
  EXPECT_EQ(run.state.ProdlevyZnaku[1], toFixed4(0.5));
}

TEST(LessonEngine, BlockAcrossMidnightLastsOneSecond) {
  LessonRun run({u"abcdef "});
  run.type(u"x", 86399.3);
  run.type(u"y", 86399.4);
  run.type(u"z", 86399.5);
  ASSERT_TRUE(run.state.BlokVstupu);
  EXPECT_TRUE(run.type(u"d", 0.2).discarded);
  const LessonKeystroke accepted = run.type(u"d", 0.5);
  EXPECT_FALSE(accepted.discarded);
  EXPECT_TRUE(accepted.right);
  EXPECT_FALSE(run.state.BlokVstupu);
}

TEST(LessonEngine, TheSeventyFirstCharacterDoesNotStopTheRun) {
  const std::u16string line = std::u16string(80, u'a') + u" ";
  LessonRun run({line});
  double now = 10.0;
  LessonKeystroke last;
  for (int n = 0; n < kLessonTableSize + 1; ++n) {
    now += 1.5;  // each keystroke clears the block of the one before
    last = run.type(std::u16string(1, static_cast<char16_t>(u'\u0100' + n)), now);
  }
  EXPECT_TRUE(last.wrong);
  EXPECT_FALSE(last.errorRow.has_value());
  EXPECT_TRUE(last.blockStarted);
  EXPECT_EQ(run.state.PocetChyb, kLessonTableSize + 1);
  EXPECT_EQ(run.state.PoziceChyb.back(), kLessonTableSize + 1);
  EXPECT_EQ(run.state.NapsanyText.size(), static_cast<std::size_t>(kLessonTableSize + 1));
  EXPECT_EQ(run.marks().size(), static_cast<std::size_t>(kLessonTableSize + 1));
  EXPECT_EQ(run.state.ChybneZnaky.back(), std::u16string(1, u'\u0100' + kLessonTableSize - 1));
  EXPECT_EQ(run.state.NapsaneZnaky.back(), std::u16string(1, u'\u0100' + kLessonTableSize - 1));
  EXPECT_EQ(run.state.CasUhozu, toFixed4(now));

  // A known character still counts in its slot; a right keystroke goes on.
  const LessonKeystroke known = run.type(u"\u0100", now += 1.5);
  EXPECT_EQ(known.errorRow, 0);
  EXPECT_EQ(run.state.CetnostChyb[0], 2);
  EXPECT_TRUE(run.type(u"a", now += 1.5).right);
}

TEST(LessonEngine, KeystrokesAfterTheEvaluationAreIgnored) {
  LessonRun run({u"abc "});
  run.type(u"a", 10.0);
  run.state.TestUkoncen = true;
  const LessonKeystroke after = run.type(u"b", 11.0);
  EXPECT_TRUE(after.ignored);
  EXPECT_FALSE(after.right);
  EXPECT_FALSE(after.timing.restartInactivity);
  EXPECT_FALSE(after.updateNextKey);
  EXPECT_EQ(run.state.NapsanyText, u"a");
  EXPECT_EQ(run.marks(), u" ");
  EXPECT_EQ(run.state.CetnostZnaku[1], 0);
}

TEST(LessonEngine, FirstKeystrokeStartsTheRunAndTheClock) {
  LessonRun run({u"abc "});
  run.state.NecinnostTiku = 3;
  const LessonKeystroke first = run.type(u"a", 4000.5);
  EXPECT_TRUE(first.timing.firstKeystroke);
  EXPECT_TRUE(first.startLimitTimer);
  EXPECT_TRUE(first.timing.startClock);
  EXPECT_TRUE(first.timing.restartInactivity);
  EXPECT_TRUE(run.state.TestBezi);
  EXPECT_TRUE(run.state.JeNapsano);
  EXPECT_EQ(run.state.CasZahajeni, 4000);  // halves go to the even second
  EXPECT_EQ(run.state.CasStartu, 4000);
  EXPECT_EQ(run.state.CasTiku, 4000.5);
  EXPECT_EQ(run.state.CasVzorku, 4000.5);
  EXPECT_EQ(run.state.NecinnostTiku, 0);

  run.state.NecinnostTiku = 2;
  const LessonKeystroke second = run.type(u"b", 4001.7);
  EXPECT_FALSE(second.timing.firstKeystroke);
  EXPECT_FALSE(second.startLimitTimer);
  EXPECT_FALSE(second.timing.startClock);
  EXPECT_TRUE(second.timing.restartInactivity);
  EXPECT_EQ(run.state.CasZahajeni, 4000);
  EXPECT_EQ(run.state.CasTiku, 4000.5);
  EXPECT_EQ(run.state.NecinnostTiku, 0);
}

TEST(LessonEngine, ClickOnlyWithSound) {
  LessonRun quiet({u"abc "});
  EXPECT_FALSE(quiet.type(u"a", 1.0).timing.playClick);
  LessonRun loud({u"abc "});
  loud.state.ZvukPripraven = true;
  EXPECT_TRUE(loud.type(u"a", 1.0).timing.playClick);
}

TEST(LessonEngine, EmptyBoxDoesNothing) {
  LessonRun run({u"abc "});
  const LessonKeystroke result = run.type(u"", 1.0);
  EXPECT_TRUE(result.emptyBox);
  EXPECT_FALSE(result.startLimitTimer);
  EXPECT_FALSE(result.clearBox);
  EXPECT_FALSE(run.state.TestBezi);
  EXPECT_EQ(run.display.shape1Left, 1080);
}

TEST(LessonEngine, DictationStopsAfterTheInactivityRestart) {
  LessonRun run({u"abc "});
  run.dictationVisible = true;
  const LessonKeystroke result = run.type(u"a", 1.0);
  EXPECT_TRUE(result.timing.firstKeystroke);
  EXPECT_TRUE(result.timing.restartInactivity);
  EXPECT_FALSE(result.timing.startClock);
  EXPECT_FALSE(result.right);
  EXPECT_EQ(run.marks(), u"");
  EXPECT_EQ(run.state.NapsanyText, u"");
}

TEST(LessonEngine, LeftoverInTheBoxIsNotTheKeystroke) {
  LessonRun run({u"abc "});
  EXPECT_TRUE(run.type(u"xa", 1.0).right);
  EXPECT_EQ(run.state.NapsanyText, u"a");
}

}  // namespace
}  // namespace tymba
