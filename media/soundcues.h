// media/soundcues.h  (layer media/: Qt Multimedia allowed; links core, storage)
#pragma once
#include <filesystem>
namespace tymba {
enum class SoundBuffer { Click, Error, End, Test };
// The sound device and the four buffers. Windows use this interface; tests use a fake
// that records what was played.
class SoundCues {
 public:
  virtual ~SoundCues() = default;
  // Opens the default output (false when there is none; quick without a sound server).
  virtual bool setUp() = 0;
  // Decodes the WAV file into the buffer (false, buffer unchanged, when it cannot be read or
  // decoded: the callers treat that like a missing file).
  virtual bool load(SoundBuffer buffer, const std::filesystem::path& file) = 0;
  // Stops the buffer's sound if playing, rewinds, plays it once (click, error, test).
  virtual void playFromStart(SoundBuffer buffer) = 0;
  // Plays it once without stopping or rewinding a sound already under way (end).
  virtual void start(SoundBuffer buffer) = 0;
  // Gives the device up (dictation takes it); setUp() opens it again.
  virtual void release() = 0;
};
}  // namespace tymba
