#include "core/dictationcontrol.h"

#include <algorithm>

namespace tymba {
namespace {

PlayerStep command(PlayerCommand which) { return {PlayerStep::Kind::Command, which, 0}; }
PlayerStep startAt(std::int64_t ms) { return {PlayerStep::Kind::StartAt, PlayerCommand::None, ms}; }
PlayerStep statusInterval(int ms) {
  return {PlayerStep::Kind::StatusInterval, PlayerCommand::None, ms};
}

// Where the next play starts after stopping at `position`.
std::int64_t steppedBack(std::int64_t position, int posunSeconds) {
  const std::int64_t step = std::int64_t{posunSeconds} * 1000;
  return position > step ? position - step : 0;
}

}  // namespace

int dictationMinutes(std::int64_t lengthMs) {
  const std::int64_t minutes = (std::max<std::int64_t>(lengthMs, 0) + 59999) / 60000 + 1;
  return static_cast<int>(std::min<std::int64_t>(minutes, 60));
}

PlayerSteps playButton() { return {command(PlayerCommand::Play), statusInterval(50)}; }

PlayerSteps stopButton() { return {command(PlayerCommand::Stop), statusInterval(0)}; }

PlayerSteps toStartButton() {
  return {command(PlayerCommand::Stop), command(PlayerCommand::Prev), statusInterval(0)};
}

PlayerSteps rewindButton(PlayerCommand last, std::int64_t position, int posunSeconds) {
  if (last != PlayerCommand::Play) return {command(PlayerCommand::Play)};
  return {command(PlayerCommand::Stop), startAt(steppedBack(position, posunSeconds)),
          statusInterval(0)};
}

PlayerSteps f1Key(PlayerCommand last, std::int64_t position, int posunSeconds) {
  if (last == PlayerCommand::Play) return {command(PlayerCommand::Stop)};
  return {command(PlayerCommand::Stop), startAt(steppedBack(position, posunSeconds)),
          statusInterval(0), command(PlayerCommand::Play)};
}

PlayerSteps closeButton() {
  return {command(PlayerCommand::Stop), command(PlayerCommand::Prev), command(PlayerCommand::Close),
          statusInterval(0)};
}

}  // namespace tymba
