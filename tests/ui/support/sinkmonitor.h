#pragma once
// What the private sound server's null sink "tymba" (tools/nullsink.sh) plays,
// recorded from its monitor with parec: mono samples at 48 kHz, and for each
// sample an upper bound of the moment it left the sink (its block's arrival,
// less the samples after it in the block).

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "storage/wavfile.h"

namespace tymba::testing {

using SteadyTime = std::chrono::steady_clock::time_point;

class SinkMonitor {
 public:
  static constexpr int kRate = 48000;
  SinkMonitor() {
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { take(); });
    parec_.start(QStringLiteral("parec"),
                 {"-d", "tymba.monitor", "--raw", "--format=s16le", "--channels=1", "--rate=48000",
                  "--latency-msec=2", "--process-time-msec=2"});
    // Recording once the first block is in: what is played from now on is heard.
    QTest::qWaitFor([this] { return samples.size() > 0; }, 5000);
  }
  ~SinkMonitor() {
    parec_.kill();
    parec_.waitForFinished();
  }
  SteadyTime heardAt(std::size_t sample) const {
    std::size_t block = 0;
    while (blockEnds_[block] <= sample) ++block;
    return arrivals_[block] -
           std::chrono::microseconds((blockEnds_[block] - sample) * 1'000'000 / kRate);
  }
  // Where sounds start: a sample above 4000 with none in the 25 ms before (a
  // sound that falters for a moment on a busy machine is still one sound).
  std::vector<std::size_t> onsets(std::size_t from = 0) const {
    std::vector<std::size_t> found;
    for (std::size_t i = from, loud = 0; i < samples.size(); ++i) {
      if (std::abs(samples[i]) <= 4000) continue;
      if (found.empty() || i - loud > kRate / 40) found.push_back(i);
      loud = i;
    }
    return found;
  }
  std::vector<std::int16_t> samples;

 private:
  void take() {
    const QByteArray bytes = parec_.readAllStandardOutput();
    pending_.append(bytes);
    const auto* data = reinterpret_cast<const std::int16_t*>(pending_.constData());
    samples.insert(samples.end(), data, data + pending_.size() / 2);
    pending_.remove(0, pending_.size() / 2 * 2);
    blockEnds_.push_back(samples.size());
    arrivals_.push_back(std::chrono::steady_clock::now());
  }
  QProcess parec_;
  QByteArray pending_;
  std::vector<std::size_t> blockEnds_;
  std::vector<SteadyTime> arrivals_;
};

// Writes a 440 Hz tone of `ms` as a 16-bit mono WAV file at 48 kHz; its
// length in milliseconds as decoded, -1 when it cannot be written.
inline qint64 writeTone(const std::filesystem::path& path, int ms) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  const quint32 frames = 48 * ms;
  out.writeRawData("RIFF", 4);
  out << 36 + 2 * frames;
  out.writeRawData("WAVEfmt ", 8);
  out << 16u << quint16(1) << quint16(1) << 48000u << 96000u << quint16(2) << quint16(16);
  out.writeRawData("data", 4);
  out << 2 * frames;
  for (quint32 i = 0; i < frames; ++i) out << qint16(12000 * std::sin(i * 2 * M_PI * 440 / 48000));
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return -1;
  const PcmSound tone = decodeWav(bytes.toStdString()).sound;
  return qint64(tone.samples.size()) * 1000 / tone.sampleRate;
}

}  // namespace tymba::testing
