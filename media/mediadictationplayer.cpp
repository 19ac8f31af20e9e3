#include "media/mediadictationplayer.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstring>

namespace tymba {
namespace {

// How long a recording may take to show its length and first sound before it
// counts as unplayable.
constexpr int kLoadMilliseconds = 5000;
// Speech: one channel of 16-bit samples at this rate (2.6 MB a minute).
constexpr int kRate = 22050;
// What the sound output is asked to hold ahead: enough to ride out a busy
// moment of the windows, whose thread feeds it. Stop does not wait for it to
// drain: a paused output stops at once.
constexpr int kBufferMilliseconds = 100;

QAudioFormat speech() {
  QAudioFormat format;
  format.setSampleRate(kRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

qint64 bytesAt(std::int64_t milliseconds) { return milliseconds * kRate / 1000 * 2; }
std::int64_t millisecondsAt(qint64 bytes) { return bytes / 2 * 1000 / kRate; }

// The samples decoded so far; the sound output reads them from the playback
// point on, and finds nothing more at the end of what is decoded.
class Tape final : public QIODevice {
 public:
  Tape() { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override {
    return samples_.size() - at_ + QIODevice::bytesAvailable();
  }
  void append(const QAudioBuffer& buffer) {
    samples_.append(buffer.constData<char>(), buffer.byteCount());
  }
  void reserve(std::int64_t milliseconds) { samples_.reserve(bytesAt(milliseconds) + 2); }
  qint64 decoded() const { return samples_.size(); }
  void moveTo(qint64 byte) { at_ = std::clamp<qint64>(byte, 0, samples_.size()) / 2 * 2; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 count = std::min(maxSize, samples_.size() - at_);
    std::memcpy(data, samples_.constData() + at_, static_cast<std::size_t>(count));
    at_ += count;
    return count;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray samples_;
  qint64 at_ = 0;
};

}  // namespace

struct MediaDictationPlayer::Recording {
  // The decoder's threads are stopped before anything they feed goes.
  ~Recording() { decoder.stop(); }
  QAudioDecoder decoder;
  Tape tape;
  bool failed = false;
  bool finished = false;
  std::int64_t length = 0;
  // Once opened: the output, and the playback position, counted by the clock
  // from where it last stood: the output reads far ahead and tells nothing
  // of what it has played, and a paused output stops at once.
  QAudioDevice output;
  std::unique_ptr<QAudioSink> sink;
  std::int64_t from = 0;
  QElapsedTimer playing;
  // While playing with a status interval: the position, read at each report.
  QTimer reporter;

  // A fresh output, stopped: Qt 6.4's sound output does not always play
  // again once stopped and started.
  void renewSink() {
    sink = std::make_unique<QAudioSink>(output, speech());
    sink->setBufferSize(bytesAt(kBufferMilliseconds));
  }
  std::int64_t position() const {
    return std::min<std::int64_t>(from + (playing.isValid() ? playing.elapsed() : 0), length);
  }
};

// The recording with its length and first sound decoded, or nullptr when it
// cannot be opened or decoded within kLoadMilliseconds.
std::unique_ptr<MediaDictationPlayer::Recording> MediaDictationPlayer::load(
    const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return nullptr;
  auto recording = std::make_unique<Recording>();
  Recording& r = *recording;
  QAudioDecoder& decoder = r.decoder;
  QObject::connect(&decoder, &QAudioDecoder::bufferReady, &decoder,
                   [&r] { r.tape.append(r.decoder.read()); });
  QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &decoder,
                   [&r] { r.failed = true; });
  QObject::connect(&decoder, &QAudioDecoder::durationChanged, &decoder,
                   [&r](qint64 duration) { r.tape.reserve(duration); });
  QObject::connect(&decoder, &QAudioDecoder::finished, &decoder, [&r] { r.finished = true; });
  const auto settled = [&r] {
    return r.failed || (r.tape.decoded() > 0 && (r.decoder.duration() > 0 || r.finished));
  };
  QEventLoop loop;
  const auto check = [&] {
    if (settled()) loop.quit();
  };
  QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, check);
  QObject::connect(&decoder, &QAudioDecoder::durationChanged, &loop, check);
  QObject::connect(&decoder, &QAudioDecoder::finished, &loop, check);
  QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop, check);
  QTimer::singleShot(kLoadMilliseconds, &loop, &QEventLoop::quit);
  decoder.setAudioFormat(speech());
  decoder.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  decoder.start();
  if (!settled()) loop.exec();
  if (!settled() || r.failed) return nullptr;
  r.length = decoder.duration() > 0 ? decoder.duration() : millisecondsAt(r.tape.decoded());
  return recording;
}

// Cheap on purpose: the program builds its player at start-up, and most runs
// never play a dictation.
MediaDictationPlayer::MediaDictationPlayer() = default;
MediaDictationPlayer::~MediaDictationPlayer() = default;

std::optional<std::int64_t> MediaDictationPlayer::probe(const std::filesystem::path& file) {
  const auto recording = load(file);
  if (!recording) return std::nullopt;
  return recording->length;
}

std::optional<std::int64_t> MediaDictationPlayer::open(const std::filesystem::path& file) {
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull()) return std::nullopt;
  auto recording = load(file);
  if (!recording) return std::nullopt;
  recording->output = output;
  recording->renewSink();
  QObject::connect(&recording->reporter, &QTimer::timeout, [this] { report(); });
  recording_ = std::move(recording);
  last_ = PlayerCommand::None;
  return recording_->length;
}

void MediaDictationPlayer::command(PlayerCommand command) {
  last_ = command;
  if (!recording_) return;
  QAudioSink& sink = *recording_->sink;
  recording_->reporter.stop();
  switch (command) {
    case PlayerCommand::Play:
      if (sink.state() == QAudio::SuspendedState)
        sink.resume();
      else if (sink.state() == QAudio::StoppedState)
        sink.start(&recording_->tape);
      if (!recording_->playing.isValid()) recording_->playing.start();
      setStatusInterval(statusInterval_);
      break;
    case PlayerCommand::Stop:
      if (sink.state() == QAudio::ActiveState || sink.state() == QAudio::IdleState) sink.suspend();
      recording_->from = recording_->position();
      recording_->playing.invalidate();
      break;
    case PlayerCommand::Prev:
      moveTo(0);
      break;
    case PlayerCommand::Close:
      sink.stop();
      recording_.reset();
      break;
    case PlayerCommand::None:
      break;
  }
}

std::int64_t MediaDictationPlayer::position() const {
  if (!recording_) return 0;
  if (recording_->reporter.isActive()) return reported_;
  return recording_->position();
}

void MediaDictationPlayer::setStartPosition(std::int64_t milliseconds) {
  if (recording_) moveTo(milliseconds);
}

// Drops what the output holds, and moves the tape.
void MediaDictationPlayer::moveTo(std::int64_t milliseconds) {
  recording_->renewSink();
  recording_->from = std::clamp<std::int64_t>(milliseconds, 0, recording_->length);
  recording_->playing.invalidate();
  recording_->tape.moveTo(bytesAt(recording_->from));
}

// While playing, the position is read at this interval and position() gives
// the last reading; stopped, or with 0, it is read when asked.
void MediaDictationPlayer::setStatusInterval(int milliseconds) {
  statusInterval_ = std::max(milliseconds, 0);
  if (!recording_) return;
  if (statusInterval_ > 0 && last_ == PlayerCommand::Play) {
    report();
    recording_->reporter.start(statusInterval_);
  } else {
    recording_->reporter.stop();
  }
}

void MediaDictationPlayer::report() { reported_ = recording_->position(); }

}  // namespace tymba
