#pragma once
// What the dictation panel's buttons and the F1 key do to the player, as the
// steps to carry out in order. Stepping back ("Previň o 5 s", F1) moves by
// the "Posun" option's seconds, never before the start.

#include <cstdint>
#include <vector>

namespace tymba {

enum class PlayerCommand { None, Play, Stop, Prev, Close };

struct PlayerStep {
  enum class Kind { Command, StartAt, StatusInterval };
  Kind kind = Kind::Command;
  PlayerCommand command = PlayerCommand::None;  // Kind::Command
  std::int64_t value = 0;                       // milliseconds: StartAt, StatusInterval
  bool operator==(const PlayerStep&) const = default;
};
using PlayerSteps = std::vector<PlayerStep>;

// The default duration of a dictation test: the recording's length in whole
// minutes, rounded up, and one minute more to finish the last words; at most
// the 60 minutes a test may last.
int dictationMinutes(std::int64_t lengthMs);

// "Spusť": plays, with position reports every 50 ms.
PlayerSteps playButton();
// "Zastav".
PlayerSteps stopButton();
// "Na začátek": stopped at the start.
PlayerSteps toStartButton();
// "Previň o 5 s": plays when the last command was not Play; otherwise stops
// and sets the next play `posunSeconds` before the position it stopped at.
PlayerSteps rewindButton(PlayerCommand last, std::int64_t position, int posunSeconds);
// F1 in the input box: stops playback; when stopped, resumes `posunSeconds`
// before the position.
PlayerSteps f1Key(PlayerCommand last, std::int64_t position, int posunSeconds);
// "Zavřít": stopped, back at the start, the recording closed.
PlayerSteps closeButton();

}  // namespace tymba
