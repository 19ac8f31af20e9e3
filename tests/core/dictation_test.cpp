#include <gtest/gtest.h>

#include <string>

#include "core/dictationcontrol.h"

namespace tymba {
namespace {

std::string shown(const PlayerSteps& steps) {
  static const char* const kCommands[] = {"None", "Play", "Stop", "Prev", "Close"};
  std::string text;
  for (const PlayerStep& step : steps) {
    if (!text.empty()) text += ", ";
    if (step.kind == PlayerStep::Kind::Command) text += kCommands[int(step.command)];
    if (step.kind == PlayerStep::Kind::StartAt) text += "From " + std::to_string(step.value);
    if (step.kind == PlayerStep::Kind::StatusInterval)
      text += "Interval " + std::to_string(step.value);
  }
  return text;
}

TEST(DictationControl, ButtonsAndF1GiveThePlayerTheirSteps) {
  const auto Play = PlayerCommand::Play, Stop = PlayerCommand::Stop, Prev = PlayerCommand::Prev;
  const std::pair<PlayerSteps, std::string> rows[] = {
      {playButton(), "Play, Interval 50"},
      {stopButton(), "Stop, Interval 0"},
      {toStartButton(), "Stop, Prev, Interval 0"},
      {closeButton(), "Stop, Prev, Close, Interval 0"},
      // Stopped: the rewind button only plays; playing, it stops and steps back.
      {rewindButton(Stop, 9000, 2), "Play"},
      {rewindButton(PlayerCommand::None, 0, 2), "Play"},
      {rewindButton(Play, 9000, 2), "Stop, From 7000, Interval 0"},
      {rewindButton(Play, 2000, 2), "Stop, From 0, Interval 0"},
      {rewindButton(Play, 2001, 2), "Stop, From 1, Interval 0"},
      // F1 stops playback, and resumes a step before where it stood.
      {f1Key(Play, 12345, 5), "Stop"},
      {f1Key(Stop, 12345, 5), "Stop, From 7345, Interval 0, Play"},
      {f1Key(Prev, 4999, 5), "Stop, From 0, Interval 0, Play"},
      {f1Key(PlayerCommand::None, 1500, 1), "Stop, From 500, Interval 0, Play"},
  };
  for (const auto& [steps, expected] : rows) EXPECT_EQ(shown(steps), expected);
}

TEST(DictationControl, DurationIsTheRecordingRoundedUpAndAMinute) {
  const std::pair<std::int64_t, int> rows[] = {{0, 1},      {1, 2},        {60000, 2},   {60001, 3},
                                               {125000, 4}, {3540000, 60}, {3600001, 60}};
  for (const auto& [length, minutes] : rows) EXPECT_EQ(dictationMinutes(length), minutes) << length;
}

}  // namespace
}  // namespace tymba
