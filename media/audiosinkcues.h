#pragma once
// The program's sound output: one audio sink that stays open and mixes the
// buffers that are playing.

#include "media/soundcues.h"

namespace tymba {

class AudioSinkCues final : public SoundCues {
 public:
  AudioSinkCues();
  ~AudioSinkCues() override;
  bool setUp() override;
  bool load(SoundBuffer buffer, const std::filesystem::path& file) override;
  void playFromStart(SoundBuffer buffer) override;
  void start(SoundBuffer buffer) override;
  void release() override;
};

}  // namespace tymba
