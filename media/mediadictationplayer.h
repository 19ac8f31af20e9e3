#pragma once
// The dictation player on Qt Multimedia: GStreamer decodes the recording (any
// format it can play) into memory as mono speech, and a sound output of the
// player's own plays it from there. Playing from memory is what makes the
// commands prompt and exact: Stop pauses the output where it is, a new start
// position is a place in memory, and no pipeline has to be sought and
// restarted (Qt 6.4's media player on GStreamer starts late and can play
// silence after a seek).
//
// Nothing of Qt Multimedia exists until a recording is probed or opened, and
// Close gives it all up again, so an idle program holds no decoder and no
// sound device. Opening waits, a few seconds at most, in a local event loop
// until the length and the first sound are known; the rest is decoded while
// the dictation runs, far faster than it plays. A recording that does not get
// that far is refused and the open one stays as it was.

#include <memory>

#include "media/dictationplayer.h"

namespace tymba {

class MediaDictationPlayer final : public DictationPlayer {
 public:
  MediaDictationPlayer();
  ~MediaDictationPlayer() override;
  std::optional<std::int64_t> probe(const std::filesystem::path& file) override;
  std::optional<std::int64_t> open(const std::filesystem::path& file) override;
  void command(PlayerCommand command) override;
  PlayerCommand lastCommand() const override { return last_; }
  std::int64_t position() const override;
  void setStartPosition(std::int64_t milliseconds) override;
  void setStatusInterval(int milliseconds) override;

 private:
  // A recording being decoded, with its sound output and its reports.
  struct Recording;
  static std::unique_ptr<Recording> load(const std::filesystem::path& file);
  void moveTo(std::int64_t milliseconds);
  void report();

  std::unique_ptr<Recording> recording_;
  PlayerCommand last_ = PlayerCommand::None;
  int statusInterval_ = 0;
  std::int64_t reported_ = 0;
};

}  // namespace tymba
