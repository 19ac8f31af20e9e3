#pragma once
// The program's sound output. One audio sink stays open from the set-up on
// and pulls its samples from a mixer of our own, which adds up the sounds
// under way and gives silence in between; so a click only has to enter the
// mix, and it is heard within a few milliseconds, however many other sounds
// play. Every buffer is decoded once, when it is loaded, into the sink's
// sample format.

#include <QIODevice>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "media/soundcues.h"

class QAudioSink;

namespace tymba {

using Samples = std::vector<std::int16_t>;

// The sounds under way, added up sample by sample with saturation. The sink
// reads it on its own schedule, possibly from another thread; the windows
// add and restart sounds, so both sides take the lock.
class SoundMixer final : public QIODevice {
  Q_OBJECT
 public:
  explicit SoundMixer(QObject* parent = nullptr);
  void setFrame(int channels);
  // Replaces whatever of that buffer is playing when restart is true.
  void play(SoundBuffer buffer, std::shared_ptr<const Samples> samples, bool restart);
  void stopAll();
  // Frames mixed so far, and the frame at which the last sound entered the mix.
  std::int64_t framesMixed() const;
  std::int64_t lastStartFrame() const;
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  struct Voice {
    SoundBuffer buffer;
    std::shared_ptr<const Samples> samples;
    std::size_t position = 0;
  };
  // Older sounds give way beyond this many, so a burst of keys cannot pile up.
  static constexpr std::size_t kMaxVoices = 16;
  mutable std::mutex mutex_;
  std::vector<Voice> voices_;
  std::vector<std::int32_t> sums_;
  int channels_ = 2;
  std::int64_t framesMixed_ = 0;
  std::int64_t lastStartFrame_ = -1;
};

class AudioSinkCues final : public SoundCues {
 public:
  AudioSinkCues();
  ~AudioSinkCues() override;
  bool setUp() override;
  bool load(SoundBuffer buffer, const std::filesystem::path& file) override;
  void playFromStart(SoundBuffer buffer) override;
  void start(SoundBuffer buffer) override;
  void release() override;

  // For measuring how soon a sound is heard: the sink's rate, the frames
  // mixed, the frame the last sound started at, and the bytes the sink holds
  // that have not been played yet.
  int sampleRate() const { return sampleRate_; }
  const SoundMixer& mixer() const { return *mixer_; }
  qint64 bufferedBytes() const;

 private:
  void play(SoundBuffer buffer, bool restart);
  void deviceStateChanged();

  std::unique_ptr<SoundMixer> mixer_;
  std::unique_ptr<QAudioSink> sink_;
  int sampleRate_ = 48000;
  int channels_ = 2;
  std::array<std::shared_ptr<const Samples>, 4> buffers_{};
};

}  // namespace tymba
