#include "core/exerciseengine.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/goldentable.h"

namespace tymba {
namespace {

TEST(ExerciseKeystroke, FirstKeystrokeStartsRunAndClock) {
  SharedState state;
  state.NecinnostTiku = 4;
  const auto first = exerciseKeystroke(state, {.textLength = 1, .now = 36000.5});
  EXPECT_TRUE(first.timing.firstKeystroke && first.timing.startClock &&
              first.timing.restartInactivity && !first.timing.playClick);
  EXPECT_TRUE(state.TestBezi && state.JeNapsano);
  // The start is the reading rounded, halves to the even second.
  EXPECT_EQ(std::pair(state.CasZahajeni, state.CasStartu), std::pair(36000, 36000));
  state.ZvukPripraven = true;
  state.NecinnostTiku = 4;
  const auto second =
      exerciseKeystroke(state, {.textLength = 2, .now = 36003.5, .clockRunning = true});
  EXPECT_TRUE(second.timing.playClick && !second.timing.startClock);
  EXPECT_EQ(std::pair(state.NecinnostTiku, state.CasZahajeni), std::pair(0, 36000));
}

TEST(ExerciseKeystroke, EvaluatedRunsDictationsAndShortTexts) {
  SharedState state;
  state.TestUkoncen = true;
  EXPECT_TRUE(exerciseKeystroke(state, {.textLength = 3, .now = 100}).ignored);
  exerciseKeystroke(state, {.textLength = 0, .now = 101});
  EXPECT_FALSE(state.TestBezi || state.JeNapsano);
  SharedState dictated;
  dictated.ZvukPripraven = true;
  const auto result = exerciseKeystroke(
      dictated, {.textLength = 1, .now = 100, .dictationVisible = true, .firstLabelHeight = 9000});
  EXPECT_TRUE(result.timing.firstKeystroke);
  EXPECT_FALSE(result.timing.startClock || result.timing.playClick || result.scrolls);
  // Only a text taller than the view scrolls.
  SharedState shortText;
  EXPECT_FALSE(exerciseKeystroke(shortText, {.textLength = 1, .firstLabelHeight = 2400}).scrolls);
  EXPECT_TRUE(exerciseKeystroke(shortText, {.textLength = 2, .firstLabelHeight = 2415}).scrolls);
}

TEST(RestackTargetLabels, MovesTheCopyThatLeftTheTop) {
  forEachRow("restack.tsv", 4, [&](const GoldenRow& row) {
    std::array<LabelSpan, 3> labels;
    std::istringstream tops(row[2]);
    for (LabelSpan& label : labels) tops >> label.top, label.height = 3000;
    const auto move = restackTargetLabels(labels, std::stoi(row[1]));
    EXPECT_EQ(move ? std::to_string(move->label) + " " + std::to_string(move->newTop) : "-",
              row[3]);
  });
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
  EXPECT_EQ(starts, (std::vector<int>{528, 608, 688, 768, 848}));
  // Every third scroll first puts the panel back and the labels two lines up.
  EXPECT_EQ(restacks, (std::vector<int>{688, 848}));
  EXPECT_EQ(state.PosunuteRadky, 4);  // counted at 607, 687, 767, 847
  SharedState largeFont;
  largeFont.nastaveni.Pismo = 3;
  largeFont.PocetPosunu = 2;
  EXPECT_EQ(exerciseScroll(largeFont, 528, kView).restackShift, 2 * 270);

  // Deleting and typing again never scrolls twice; a line break steps over
  // a mark and it still counts.
  SharedState again;
  typeUpTo(again, 1, 527);
  EXPECT_TRUE(exerciseScroll(again, 529, kView).startScroll);  // CR LF: 527 -> 529
  EXPECT_TRUE(typeUpTo(again, 520, 528).first.empty());
  typeUpTo(again, 529, 606);
  exerciseScroll(again, 608, kView);  // passes the line count at 607 and the next start
  typeUpTo(again, 600, 607);
  EXPECT_EQ(again.PosunuteRadky, 1);
  EXPECT_EQ(typeUpTo(again, 609, 690).first, std::vector<int>{688});

  SharedState degenerate;
  const ScrollGeometry noRow{.viewHeight = 100, .cellWidth = 120, .cellHeight = 240};
  EXPECT_FALSE(exerciseScroll(degenerate, 10, noRow).startScroll ||
               exerciseScroll(degenerate, 10, {}).startScroll);
}

}  // namespace
}  // namespace tymba
