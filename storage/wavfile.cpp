#include "storage/wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <optional>
#include <system_error>

#include "storage/littleendian.h"
#include "storage/textfile.h"

namespace tymba {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes,
// which hold the format tag proper.
constexpr std::string_view kSubFormatTail(
    "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);

struct Format {
  std::uint16_t tag = 0;
  int channels = 0;
  int rate = 0;
  int blockAlign = 0;
  int bits = 0;
};

// The format of an "fmt " chunk's body, or the error that refuses it.
WavError readFormat(std::string_view body, Format& format) {
  if (body.size() < 16) return WavError::NoFormat;
  format.tag = static_cast<std::uint16_t>(littleEndian(body, 0, 2));
  format.channels = static_cast<int>(littleEndian(body, 2, 2));
  format.rate = static_cast<int>(std::min<std::uint32_t>(littleEndian(body, 4, 4), 1u << 30));
  format.blockAlign = static_cast<int>(littleEndian(body, 12, 2));
  format.bits = static_cast<int>(littleEndian(body, 14, 2));
  if (format.tag == kFormatExtensible) {
    if (body.size() < 40 || body.substr(26, 14) != kSubFormatTail)
      return WavError::UnsupportedFormat;
    format.tag = static_cast<std::uint16_t>(littleEndian(body, 24, 2));
  }
  const bool pcm = format.tag == kFormatPcm && (format.bits == 8 || format.bits == 16 ||
                                                format.bits == 24 || format.bits == 32);
  const bool floating = format.tag == kFormatFloat && format.bits == 32;
  if (!pcm && !floating) return WavError::UnsupportedFormat;
  if (format.rate < kMinSoundRate || format.rate > kMaxSoundRate)
    return WavError::UnsupportedFormat;
  if (format.channels < 1 || format.channels > 2) return WavError::BadLayout;
  if (format.blockAlign != format.channels * format.bits / 8) return WavError::BadLayout;
  return WavError::None;
}

// One sample as 16 bits: the highest bits of integer samples, floats scaled
// from [-1, 1] and cut there.
std::int16_t sampleAt(std::string_view data, std::size_t at, const Format& format) {
  const auto raw = static_cast<std::uint32_t>(littleEndian(data, at, format.bits / 8));
  if (format.tag == kFormatFloat) {
    float value = 0;
    std::memcpy(&value, &raw, sizeof value);
    if (std::isnan(value)) return 0;
    const long scaled = std::lround(std::clamp(value, -1.0f, 1.0f) * 32768.0f);
    return static_cast<std::int16_t>(std::min(scaled, 32767L));
  }
  switch (format.bits) {
    case 8:
      return static_cast<std::int16_t>((static_cast<int>(raw) - 128) * 256);
    case 16:
      return static_cast<std::int16_t>(raw);
    case 24:
      return static_cast<std::int16_t>(raw >> 8);
    default:
      return static_cast<std::int16_t>(raw >> 16);
  }
}

WavResult refused(WavError error) { return {{}, error}; }

}  // namespace

WavResult decodeWav(std::string_view bytes) {
  if (bytes.size() > kMaxSoundFileBytes) return refused(WavError::TooLarge);
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return refused(WavError::NotWave);
  const std::uint64_t riffEnd = std::uint64_t{littleEndian(bytes, 4, 4)} + 8;
  if (riffEnd > bytes.size()) return refused(WavError::Truncated);
  // Bytes after the RIFF chunk are not part of the sound.
  bytes = bytes.substr(0, riffEnd);

  std::optional<Format> format;
  std::optional<std::string_view> data;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const auto size = static_cast<std::uint32_t>(littleEndian(bytes, at + 4, 4));
    if (size > bytes.size() - at - 8) return refused(WavError::Truncated);
    const std::string_view body = bytes.substr(at + 8, size);
    if (id == "fmt " && !format) {
      format.emplace();
      if (const WavError error = readFormat(body, *format); error != WavError::None)
        return refused(error);
    } else if (id == "data" && !data) {
      data = body;
    }
    at += 8 + std::size_t{size} + (size & 1);  // a chunk of odd size is padded to even
  }
  if (!format) return refused(WavError::NoFormat);
  if (!data) return refused(WavError::NoData);

  // A last frame cut short is left out.
  const std::size_t frames = data->size() / static_cast<std::size_t>(format->blockAlign);
  if (frames > std::size_t{kMaxSoundSeconds} * static_cast<std::size_t>(format->rate))
    return refused(WavError::TooLarge);
  WavResult result{{format->rate, format->channels, {}}, WavError::None};
  const std::size_t count = frames * static_cast<std::size_t>(format->channels);
  result.sound.samples.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    result.sound.samples.push_back(sampleAt(*data, i * (format->bits / 8), *format));
  return result;
}

PcmSound convertSound(const PcmSound& sound, int sampleRate, int channels) {
  PcmSound result{sampleRate, channels, {}};
  if (channels < 1 || channels > 2 || sampleRate < kMinSoundRate || sampleRate > kMaxSoundRate ||
      sound.channels < 1 || sound.channels > 2 || sound.sampleRate < kMinSoundRate ||
      sound.sampleRate > kMaxSoundRate)
    return result;
  const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
  // The value of channel c in source frame f, in the output's channels.
  const auto source = [&](std::size_t f, int c) -> int {
    f = std::min(f, frames - 1);
    const std::int16_t* frame = &sound.samples[f * static_cast<std::size_t>(sound.channels)];
    if (sound.channels == channels) return frame[c];
    if (sound.channels == 1) return frame[0];
    return (frame[0] + frame[1]) / 2;
  };
  if (frames == 0) return result;
  // Output frame k lies at source frame k * from / to: its whole part and its fraction in 1/to.
  const std::uint64_t from = static_cast<std::uint64_t>(sound.sampleRate);
  const std::uint64_t to = static_cast<std::uint64_t>(sampleRate);
  const std::uint64_t outFrames = frames * to / from;
  result.samples.reserve(outFrames * static_cast<std::uint64_t>(channels));
  for (std::uint64_t k = 0; k < outFrames; ++k) {
    const std::size_t whole = k * from / to;
    const double fraction = static_cast<double>(k * from % to) / static_cast<double>(to);
    for (int c = 0; c < channels; ++c) {
      const int a = source(whole, c), b = source(whole + 1, c);
      result.samples.push_back(static_cast<std::int16_t>(std::lround(a + (b - a) * fraction)));
    }
  }
  return result;
}

WavResult readWavFile(const std::filesystem::path& file, int sampleRate, int channels) {
  try {
    WavResult result = decodeWav(readFileBytes(file, kMaxSoundFileBytes).bytes);
    if (result.ok()) result.sound = convertSound(result.sound, sampleRate, channels);
    return result;
  } catch (const TextFileError& error) {
    const bool tooLarge = error.code() == std::errc::file_too_large;
    return refused(tooLarge ? WavError::TooLarge : WavError::Unreadable);
  } catch (const std::exception&) {
    return refused(WavError::Unreadable);
  }
}

}  // namespace tymba
