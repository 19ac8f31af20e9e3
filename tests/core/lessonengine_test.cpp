#include "core/lessonengine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/clockmath.h"
#include "core/lessonlines.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

using Texts = std::vector<std::u16string>;

// A lesson run as the window drives it: the timers the first keystroke asks
// for are started.
struct LessonRun {
  SharedState state;
  LessonDisplay display;
  bool dictationVisible = false;

  explicit LessonRun(Texts lines, int pismo = 1) {
    state.DruhTestu = TestKind::Vyuka;
    state.nastaveni.Pismo = pismo;
    lines.insert(lines.begin(), std::u16string());
    state.RadkyVyuky = std::move(lines);
    showLessonStart(display, state.RadkyVyuky, pismo);
  }

  LessonKeystroke type(std::u16string_view text, double now) {
    const bool running = state.TestBezi;
    return lessonKeystroke(state, display, {text, now, running, running, dictationVisible});
  }

  // One keystroke per character, `step` seconds apart from `start`, across
  // midnight if need be; what the last one did.
  LessonKeystroke typeEach(std::u16string_view text, double start, double step = 0.25) {
    LessonKeystroke last;
    for (const char16_t c : text) {
      last = type(std::u16string_view(&c, 1), std::fmod(start, kSecondsPerDay));
      start += step;
    }
    return last;
  }

  const std::u16string& marks() const { return display.lblRadek[1]; }
};

// Each text is cut into lines, and the lesson panel starts with the first.
TEST(LessonLines, CutAtLineBreaksAndBlanksAndShownFromTheFirst) {
  forEachRow("lessonlines.tsv", 4, [&](const GoldenRow& row) {
    const Texts lines = cutLessonLines(u16(row[1]));
    std::u16string cut, shown;
    for (std::size_t n = 1; n < lines.size(); ++n) cut += lines[n] + u"|";
    EXPECT_EQ(lines.at(0), u"");
    EXPECT_EQ(cut, u16(row[2]));
    if (row[3] == "-") return;
    LessonDisplay display;
    showLessonStart(display, lines, 1);
    for (const std::u16string& caption : display.lblRadek) shown += caption + u"|";
    EXPECT_EQ(shown, u16(row[3]));
  });
}

TEST(LessonEngine, TypedKeys) {
  forEachRow("lesson.tsv", 14, [&](const GoldenRow& row) {
    Texts lines(1);
    for (const char16_t c : u16(row[1])) c == u'|' ? lines.emplace_back() : lines.back() += c;
    LessonRun run(lines, std::stoi(row[2]));
    const LessonKeystroke last = run.typeEach(u16(row[5]), std::stod(row[3]), std::stod(row[4]));
    std::u16string characters;
    for (const std::u16string& c : run.state.ZnakyChyb) characters += c;
    std::vector<int> positions;
    for (const auto& entry : entriesOf(row[9], u"")) positions.push_back(entry.first);
    EXPECT_EQ((Texts{run.display.lblRadek[0], run.marks(), run.state.NapsanyText, characters}),
              (Texts{u16(row[6]), u16(row[7]), u16(row[8]), u16(row[10])}));
    EXPECT_EQ(run.state.PoziceChyb, positions);
    EXPECT_EQ(run.state.PocetChyb, static_cast<int>(positions.size()));
    EXPECT_EQ(run.state.BlokVstupu, row[11] == "yes");
    EXPECT_EQ(last.runFinished, row[12] == "yes");
    EXPECT_EQ(run.display.shape1Left, std::stoi(row[13]));
  });
}

TEST(LessonEngine, WrongCharacterAndTimingTables) {
  // Each wrong key sets a row of lstSeznamChyb, adding it for a new character.
  LessonRun run({u"abcdefghij "});
  const std::u16string keys = u"xbxd fy ";
  const std::string rows[] = {"0 added", "right", "0", "right", "1 added", "right", "2 added", "1"};
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const LessonKeystroke result = run.type(keys.substr(k, 1), 50.0 + 1.5 * k);
    EXPECT_EQ(result.right ? "right"
                           : std::to_string(result.errorRow.value_or(-1)) +
                                 (result.errorRowAdded ? " added" : ""),
              rows[k]);
  }
  Texts shown;
  for (int slot = 0; slot < 3; ++slot) shown.push_back(errorRowText(run.state, slot));
  EXPECT_EQ(shown, (Texts{u"x         2", u"_         2", u"y         1"}));
  // The timing table holds every typed character once, the blank as "_".
  const Texts typed(run.state.NapsaneZnaky.begin(), run.state.NapsaneZnaky.begin() + 7);
  EXPECT_EQ(typed, (Texts{u"x", u"b", u"d", u"_", u"f", u"y", u""}));
  const std::vector<int> counts(run.state.CetnostZnaku.begin(), run.state.CetnostZnaku.begin() + 6);
  EXPECT_EQ(counts, (std::vector<int>{2, 1, 1, 2, 1, 1}));
}

TEST(LessonEngine, TheThirdErrorInARowSoundsWithSoundAndTheOptionOn) {
  for (const auto& [ready, option, sound] :
       {std::tuple(true, " 1", true), std::tuple(true, "0", false),
        std::tuple(false, "1", false)}) {
    SCOPED_TRACE(option);
    LessonRun run({u"abcdef "});
    run.state.ZvukPripraven = ready;
    run.state.nastaveni.ZvukChybaB = option;
    EXPECT_FALSE(run.typeEach(u"xy", 998.0, 1.0).playErrorSound);
    EXPECT_EQ(run.type(u"z", 1000.0).playErrorSound, sound);
  }
}

TEST(LessonEngine, KeysAreTimedExceptDroppedOnes) {
  LessonRun run({u"abab cdefgh "});
  run.typeEach(u"ab", 3600.0);           // the first keystroke has no pause
  run.typeEach(u"axyz", 3600.75, 0.25);  // wrong keystrokes are timed too
  const std::vector<Fixed4> pauses(run.state.ProdlevyZnaku.begin(),
                                   run.state.ProdlevyZnaku.begin() + 3);
  EXPECT_EQ(pauses, (std::vector<Fixed4>{toFixed4(0.5), toFixed4(0.25), toFixed4(0.25)}));
  const LessonKeystroke dropped = run.type(u" ", 3601.75);  // after three wrong keys
  EXPECT_TRUE(dropped.discarded && !dropped.timing.restartInactivity);
  EXPECT_EQ(run.state.CasUhozu, toFixed4(3601.5));
  EXPECT_EQ(run.state.NapsaneZnaky[5], u"");
  // The kept time is rounded to four decimals and may lie above the reading;
  // a real step back is a pass over midnight.
  const double readings[][3] = {{100.00006, 100.00006, 0}, {86399.75, 0.25, 0.5}};
  for (const auto& [first, second, pause] : readings) {
    SCOPED_TRACE(first);
    LessonRun twice({u"aa "});
    twice.typeEach(u"aa", first, second - first);
    EXPECT_EQ(twice.state.ProdlevyZnaku[0], toFixed4(pause));
  }
}

TEST(LessonEngine, TheLinesBelowAreRefilledAndEnterCompletesOnlyAtTheEnd) {
  Texts lines;
  for (char16_t n = 1; n <= 12; ++n) lines.push_back({u'l', char16_t(u'a' + n), u' '});
  LessonRun run(lines);
  for (int n = 2; n <= 10; ++n) EXPECT_EQ(run.display.lblRadek[n], lines[n - 1]) << n;
  run.type(u"l", 1.0);
  EXPECT_FALSE(enterCompletesLine(run.display));
  run.type(u"b", 2.0);
  EXPECT_TRUE(enterCompletesLine(run.display));
  run.type(u" ", 3.0);
  run.typeEach(lines[1], 5.0);
  EXPECT_EQ(run.display.lblRadek[10], lines[11]);
  LessonDisplay empty;
  empty.lblRadek[9] = u"old line";
  showLessonStart(empty, {u""}, 1);
  EXPECT_EQ(empty.lblRadek, LessonDisplay().lblRadek);
}

TEST(LessonEngine, TheSeventyFirstCharacterDoesNotStopTheRun) {
  LessonRun run({std::u16string(80, u'a') + u" "});
  const auto character = [](int n) { return std::u16string(1, char16_t(u'\u0100' + n)); };
  double now = 10.0;
  LessonKeystroke last;
  for (int n = 0; n <= kLessonTableSize; ++n) last = run.type(character(n), now += 1.5);
  EXPECT_TRUE(last.wrong && !last.errorRow.has_value());
  EXPECT_EQ(run.state.PocetChyb, kLessonTableSize + 1);
  EXPECT_EQ(run.state.ChybneZnaky.back(), character(kLessonTableSize - 1));
  EXPECT_EQ(run.state.NapsaneZnaky.back(), character(kLessonTableSize - 1));
  // A known character still counts in its slot; a right keystroke goes on.
  EXPECT_EQ(run.type(character(0), now += 1.5).errorRow, 0);
  EXPECT_EQ(run.state.CetnostChyb[0], 2);
  EXPECT_TRUE(run.type(u"a", now += 1.5).right);
}

TEST(LessonEngine, KeystrokesThatStartOrChangeNothing) {
  LessonRun run({u"abc "});
  EXPECT_TRUE(run.type(u"", 1.0).emptyBox);
  EXPECT_FALSE(run.state.TestBezi);
  const LessonKeystroke first = run.type(u"xa", 4000.5);  // a leftover in the box
  EXPECT_TRUE(first.right && first.startLimitTimer && first.timing.startClock);
  EXPECT_FALSE(run.type(u"b", 4001.7).startLimitTimer);
  run.state.TestUkoncen = true;
  EXPECT_TRUE(run.type(u"c", 4002.0).ignored);
  EXPECT_EQ(run.state.NapsanyText, u"ab");

  LessonRun dictation({u"abc "});
  dictation.dictationVisible = true;
  const LessonKeystroke dictated = dictation.type(u"a", 1.0);
  EXPECT_TRUE(dictated.timing.firstKeystroke && dictated.timing.restartInactivity);
  EXPECT_FALSE(dictated.timing.startClock || dictated.right);
  EXPECT_EQ(dictation.state.NapsanyText, u"");
}

}  // namespace
}  // namespace tymba
