#include "media/audiosinkcues.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtDebug>
#include <algorithm>
#include <cstring>
#include <limits>

#include "storage/wavfile.h"

namespace tymba {
namespace {

// About 15 ms at 48 kHz: short enough for a click to follow its key closely,
// long enough for the sound server to keep it fed.
constexpr int kBufferMilliseconds = 15;

std::size_t index(SoundBuffer buffer) { return static_cast<std::size_t>(buffer); }

}  // namespace

SoundMixer::SoundMixer(QObject* parent) : QIODevice(parent) {}

void SoundMixer::setFrame(int channels) {
  std::lock_guard lock(mutex_);
  channels_ = channels;
  voices_.clear();
}

void SoundMixer::play(SoundBuffer buffer, std::shared_ptr<const Samples> samples, bool restart) {
  std::lock_guard lock(mutex_);
  if (restart)
    std::erase_if(voices_, [buffer](const Voice& voice) { return voice.buffer == buffer; });
  if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());
  voices_.push_back({buffer, std::move(samples), 0});
  lastStartFrame_ = framesMixed_;
}

void SoundMixer::stopAll() {
  std::lock_guard lock(mutex_);
  voices_.clear();
}

std::int64_t SoundMixer::framesMixed() const {
  std::lock_guard lock(mutex_);
  return framesMixed_;
}

std::int64_t SoundMixer::lastStartFrame() const {
  std::lock_guard lock(mutex_);
  return lastStartFrame_;
}

// Always something to read: between sounds the sink plays silence, so it
// never runs dry and never has to start again.
qint64 SoundMixer::bytesAvailable() const {
  return std::numeric_limits<qint32>::max() + QIODevice::bytesAvailable();
}

qint64 SoundMixer::readData(char* data, qint64 maxSize) {
  std::lock_guard lock(mutex_);
  const qint64 frameBytes = qint64(sizeof(std::int16_t)) * channels_;
  const std::size_t count = static_cast<std::size_t>(maxSize / frameBytes) * channels_;
  sums_.assign(count, 0);
  for (Voice& voice : voices_) {
    const std::size_t n = std::min(count, voice.samples->size() - voice.position);
    for (std::size_t i = 0; i < n; ++i) sums_[i] += (*voice.samples)[voice.position + i];
    voice.position += n;
  }
  std::erase_if(voices_, [](const Voice& voice) { return voice.position >= voice.samples->size(); });
  auto* out = reinterpret_cast<std::int16_t*>(data);
  for (std::size_t i = 0; i < count; ++i)
    out[i] = static_cast<std::int16_t>(std::clamp<std::int32_t>(sums_[i], -32768, 32767));
  framesMixed_ += static_cast<std::int64_t>(count) / channels_;
  return static_cast<qint64>(count * sizeof(std::int16_t));
}

AudioSinkCues::AudioSinkCues() : mixer_(std::make_unique<SoundMixer>()) {}

AudioSinkCues::~AudioSinkCues() { release(); }

bool AudioSinkCues::setUp() {
  if (sink_) return true;
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;
  QAudioFormat format = device.preferredFormat();
  format.setSampleFormat(QAudioFormat::Int16);
  format.setChannelCount(std::clamp(format.channelCount(), 1, 2));
  format.setSampleRate(std::clamp(format.sampleRate(), kMinSoundRate, kMaxSoundRate));
  sampleRate_ = format.sampleRate();
  channels_ = format.channelCount();
  mixer_->setFrame(channels_);
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
  QObject::connect(sink_.get(), &QAudioSink::stateChanged, mixer_.get(),
                   [this] { deviceStateChanged(); });
  mixer_->open(QIODevice::ReadOnly);
  sink_->start(mixer_.get());
  if (sink_->error() != QAudio::NoError) {
    qWarning("The sound output cannot be opened (error %d).", int(sink_->error()));
    release();
    return false;
  }
  return true;
}

// A device that fails while the program runs (unplugged, the server gone)
// leaves the program silent, as if it had never had sound.
void AudioSinkCues::deviceStateChanged() {
  if (!sink_ || sink_->state() != QAudio::StoppedState || sink_->error() == QAudio::NoError)
    return;
  qWarning("The sound output stopped (error %d); the program goes on without sound.",
           int(sink_->error()));
  mixer_->stopAll();
}

bool AudioSinkCues::load(SoundBuffer buffer, const std::filesystem::path& file) {
  WavResult decoded = readWavFile(file, sampleRate_, channels_);
  if (!decoded.ok()) return false;
  buffers_[index(buffer)] = std::make_shared<const Samples>(std::move(decoded.sound.samples));
  return true;
}

void AudioSinkCues::play(SoundBuffer buffer, bool restart) {
  const std::shared_ptr<const Samples>& samples = buffers_[index(buffer)];
  if (!sink_ || !samples || samples->empty()) return;
  mixer_->play(buffer, samples, restart);
}

void AudioSinkCues::playFromStart(SoundBuffer buffer) { play(buffer, true); }

void AudioSinkCues::start(SoundBuffer buffer) { play(buffer, false); }

void AudioSinkCues::release() {
  if (!sink_) return;
  sink_->disconnect(mixer_.get());
  sink_->stop();
  sink_.reset();
  mixer_->close();
  mixer_->stopAll();
}

qint64 AudioSinkCues::bufferedBytes() const {
  return sink_ ? sink_->bufferSize() - sink_->bytesFree() : 0;
}

}  // namespace tymba
