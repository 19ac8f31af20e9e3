// media/dictationplayer.h  (layer media/: Qt Multimedia allowed; links core, storage)
#pragma once
// The player of the dictation test: one recording at a time, driven by the
// commands the dictation panel gives; positions are milliseconds from the
// start of the recording. Windows use this interface; tests use a fake that
// records the commands.

#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/dictationcontrol.h"

namespace tymba {

class DictationPlayer {
 public:
  virtual ~DictationPlayer() = default;

  // The length in milliseconds of the recording in `file`, which is left
  // closed; nothing when it cannot be opened or decoded.
  virtual std::optional<std::int64_t> probe(const std::filesystem::path& file) = 0;

  // Opens the recording in place of the one open, at position 0, stopped;
  // returns its length in milliseconds. When it cannot be opened or decoded,
  // returns nothing and the player is as it was.
  virtual std::optional<std::int64_t> open(const std::filesystem::path& file) = 0;

  // Play: plays on from the position (from the start position when one was
  // set since). Stop: pauses and keeps the position. Prev: back to the
  // start, stopped. Close: stops and gives up the recording and the sound
  // device. Each becomes the last command.
  virtual void command(PlayerCommand command) = 0;
  virtual PlayerCommand lastCommand() const = 0;

  // The playback position in milliseconds.
  virtual std::int64_t position() const = 0;

  // Where the next Play starts, in milliseconds (the position moves there).
  virtual void setStartPosition(std::int64_t milliseconds) = 0;

  // How often, in milliseconds, the player reports its position while
  // playing; 0: only when asked.
  virtual void setStatusInterval(int milliseconds) = 0;
};

}  // namespace tymba
