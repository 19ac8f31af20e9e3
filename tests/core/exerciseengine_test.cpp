#include "core/exerciseengine.h"

#include <gtest/gtest.h>

#include <vector>

namespace tymba {
namespace {

TEST(ExerciseKeystroke, FirstKeystrokeStartsRunAndClock) {
  SharedState state;
  state.NecinnostTiku = 4;
  const auto first = exerciseKeystroke(state, {.textLength = 1, .now = 36000.5});
  EXPECT_TRUE(first.timing.firstKeystroke && first.timing.startClock);
  EXPECT_TRUE(first.timing.restartInactivity);
  EXPECT_FALSE(first.timing.playClick);
  EXPECT_TRUE(state.TestBezi && state.JeNapsano);
  EXPECT_EQ(state.CasZahajeni, 36000);  // halves go to the even neighbour
  EXPECT_EQ(state.CasStartu, 36000);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36000.5);
  EXPECT_DOUBLE_EQ(state.CasVzorku, 36000.5);
  EXPECT_EQ(state.NecinnostTiku, 0);

  state.NecinnostTiku = 4;
  state.ZvukPripraven = true;
  const auto second =
      exerciseKeystroke(state, {.textLength = 2, .now = 36003.7, .clockRunning = true});
  EXPECT_FALSE(second.timing.firstKeystroke || second.timing.startClock);
  EXPECT_TRUE(second.timing.playClick);
  EXPECT_EQ(state.NecinnostTiku, 0);
  EXPECT_EQ(state.CasZahajeni, 36000);
  EXPECT_DOUBLE_EQ(state.CasTiku, 36000.5);

  SharedState odd;
  exerciseKeystroke(odd, {.textLength = 1, .now = 36001.5});
  EXPECT_EQ(odd.CasZahajeni, 36002);
  EXPECT_EQ(odd.CasStartu, 36002);
}

TEST(ExerciseKeystroke, EvaluatedRunIgnoresTypingButTracksText) {
  SharedState state;
  state.TestUkoncen = true;
  EXPECT_TRUE(exerciseKeystroke(state, {.textLength = 3, .now = 100}).ignored);
  EXPECT_FALSE(state.TestBezi);
  EXPECT_TRUE(state.JeNapsano);
  exerciseKeystroke(state, {.textLength = 0, .now = 101});
  EXPECT_FALSE(state.JeNapsano);
}

TEST(ExerciseKeystroke, OnlyTextsTallerThan2400TwipsScrollAndNotUnderDictation) {
  SharedState state;
  state.ZvukPripraven = true;
  EXPECT_FALSE(exerciseKeystroke(state, {.textLength = 1, .firstLabelHeight = 2400}).scrolls);
  EXPECT_TRUE(exerciseKeystroke(state, {.textLength = 2, .firstLabelHeight = 2415}).scrolls);

  SharedState dictated;
  dictated.ZvukPripraven = true;
  const auto result = exerciseKeystroke(
      dictated, {.textLength = 1, .now = 100, .dictationVisible = true, .firstLabelHeight = 9000});
  EXPECT_TRUE(result.timing.firstKeystroke);
  EXPECT_FALSE(result.timing.startClock || result.timing.playClick || result.scrolls);
}

TEST(RestackTargetLabels, MovesTheCopyThatLeftTheTop) {
  struct Row {
    const char* name;
    int pismo;
    int tops[3];  // each label is 3000 twips high
    std::optional<LabelMove> expected;
  };
  const Row rows[] = {
      {"first still one line in", 1, {-2760, 240, 3240}, std::nullopt},
      {"first gone goes below third", 1, {-2770, 230, 3230}, LabelMove{0, 6230}},
      {"second gone goes below first", 1, {3230, -2770, 230}, LabelMove{1, 6230}},
      {"third gone goes below second", 1, {230, 3230, -2770}, LabelMove{2, 6230}},
      {"large font has a larger margin", 3, {-2731, 269, 3269}, LabelMove{0, 6269}},
      {"only one moves per keystroke", 1, {-9000, -6000, -3000}, LabelMove{0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto move = restackTargetLabels(
        {{{row.tops[0], 3000}, {row.tops[1], 3000}, {row.tops[2], 3000}}}, row.pismo);
    ASSERT_EQ(move.has_value(), row.expected.has_value());
    if (move) {
      EXPECT_EQ(move->label, row.expected->label);
      EXPECT_EQ(move->newTop, row.expected->newTop);
    }
  }
}

// A view of 20 rows of 80 characters: a third of it is 533 characters.
constexpr ScrollGeometry kView{
    .viewHeight = 20 * 240, .labelWidth = 80 * 120, .cellWidth = 120, .cellHeight = 240};

// The lengths at which a scroll started and at which the labels were restacked.
std::pair<std::vector<int>, std::vector<int>> typeUpTo(SharedState& state, int from, int to) {
  std::pair<std::vector<int>, std::vector<int>> log;
  for (int length = from; length <= to; ++length) {
    const auto decision = exerciseScroll(state, length, kView);
    if (decision.startScroll) log.first.push_back(length);
    if (decision.restackShift != 0) log.second.push_back(length);
  }
  return log;
}

TEST(ExerciseScroll, StartsAtAThirdLessFiveThenOncePerLine) {
  SharedState state;
  const auto [starts, restacks] = typeUpTo(state, 1, 850);
  EXPECT_EQ(state.TretinaOkna, 533);
  EXPECT_EQ(state.ZnakuNaRadek, 80);
  EXPECT_EQ(state.PosledniSloupec, 79);
  EXPECT_EQ(starts, (std::vector<int>{528, 608, 688, 768, 848}));
  // Every third scroll first puts the panel back and the labels two lines up.
  EXPECT_EQ(restacks, (std::vector<int>{688, 848}));
  EXPECT_EQ(state.PosunuteRadky, 4);  // counted at 607, 687, 767, 847
}

TEST(ExerciseScroll, DeletingAndRetypingNeverScrollsTwice) {
  SharedState state;
  EXPECT_EQ(typeUpTo(state, 1, 528).first, std::vector<int>{528});
  // Back to 520 and forward again, around the line count at 607 as well.
  EXPECT_TRUE(typeUpTo(state, 520, 528).first.empty());
  typeUpTo(state, 529, 607);
  typeUpTo(state, 600, 607);
  EXPECT_EQ(state.PosunuteRadky, 1);
}

TEST(ExerciseScroll, ALineBreakStepOverAMarkStillCounts) {
  SharedState state;
  typeUpTo(state, 1, 527);
  EXPECT_TRUE(exerciseScroll(state, 529, kView).startScroll);  // CR LF: 527 -> 529
  typeUpTo(state, 530, 606);
  exerciseScroll(state, 608, kView);  // passes the line count at 607 and the next start
  EXPECT_EQ(state.PosunuteRadky, 1);
  EXPECT_EQ(typeUpTo(state, 609, 690).first, std::vector<int>{688});
}

TEST(ExerciseScroll, DegenerateGeometryDoesNothing) {
  SharedState state;
  EXPECT_FALSE(exerciseScroll(state, 10, {.viewHeight = 100, .cellWidth = 120, .cellHeight = 240})
                   .startScroll);
  EXPECT_FALSE(exerciseScroll(state, 10, {}).startScroll);
}

TEST(ExerciseScroll, RestackShiftAndScrollStepsFollowTheFont) {
  for (const int pismo : {1, 3}) {
    SCOPED_TRACE(pismo);
    SharedState state;
    state.nastaveni.Pismo = pismo;
    state.PocetPosunu = 2;
    state.NejdelsiText = 527;
    EXPECT_EQ(exerciseScroll(state, 528, kView).restackShift, 480 + 30 * (pismo - 1));
    EXPECT_EQ(state.PocetPosunu, 0);
    // A one-line scroll takes Pismo + 14 steps.
    int steps = 1;
    while (!scrollStep(state)) ++steps;
    EXPECT_EQ(steps, pismo + 14);
    EXPECT_EQ(state.KrokPosunu, 0);
  }
}

}  // namespace
}  // namespace tymba
