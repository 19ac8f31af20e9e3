#pragma once
// Sound files: a WAV file's bytes are decoded into 16-bit samples, which are
// then converted to the rate and channel count of the sound output. Whatever
// the bytes, decoding returns a sound or says why it cannot: it throws nothing
// and allocates no more than the file's own size promises and holds. See
// docs/formats.md, "Sound files".

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace tymba {

// A larger sound file is refused unread: the program's sounds are short cues.
inline constexpr std::uintmax_t kMaxSoundFileBytes = 8 << 20;
// So is one that plays longer, whatever its size.
inline constexpr int kMaxSoundSeconds = 60;
// The sample rates accepted, in Hz.
inline constexpr int kMinSoundRate = 8000;
inline constexpr int kMaxSoundRate = 192000;

struct PcmSound {
  int sampleRate = 0;
  int channels = 0;                   // 1 or 2
  std::vector<std::int16_t> samples;  // the frames one after another, left before right
  bool operator==(const PcmSound&) const = default;
};

enum class WavError {
  None,
  Unreadable,         // the file cannot be read (missing, no permission, a folder)
  TooLarge,           // more than kMaxSoundFileBytes, or longer than kMaxSoundSeconds
  NotWave,            // no RIFF/WAVE header
  Truncated,          // a chunk, or the RIFF header's size, runs past the end of the file
  NoFormat,           // no "fmt " chunk, or one too short
  NoData,             // no "data" chunk
  UnsupportedFormat,  // not PCM of 8, 16, 24 or 32 bits or 32-bit float, or an unusual rate
  BadLayout,          // no channels or more than two, or a frame size that does not fit
};

struct WavResult {
  PcmSound sound;  // empty unless ok()
  WavError error = WavError::None;
  bool ok() const { return error == WavError::None; }
};

// The samples of a WAV file at its own rate and channel count.
WavResult decodeWav(std::string_view bytes);

// The sound at sampleRate (by linear interpolation) with channels (1 or 2;
// stereo to mono averages, mono to stereo doubles each sample). Any other
// channel count, or a rate outside the accepted ones, gives no samples.
PcmSound convertSound(const PcmSound& sound, int sampleRate, int channels);

// The file read (through storage's file reading), decoded and converted.
WavResult readWavFile(const std::filesystem::path& file, int sampleRate, int channels);

}  // namespace tymba
