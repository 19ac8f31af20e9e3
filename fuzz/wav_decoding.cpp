// The decoding of WAV files. Whatever the bytes: decoding throws nothing and
// either refuses them with no samples or gives a sound of an accepted rate,
// one or two channels and whole frames, never more samples than the file has
// bytes; converting it to the sound output's formats gives exactly the frames
// its length calls for, and converting to its own format changes nothing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzzinput.h"
#include "storage/wavfile.h"

namespace {

using tymba::PcmSound;
using tymba::fuzz::fail;

void expectConverted(const PcmSound& sound, int rate, int channels) {
  const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
  const PcmSound converted = tymba::convertSound(sound, rate, channels);
  const std::uint64_t expected = std::uint64_t{frames} * static_cast<std::uint64_t>(rate) /
                                 static_cast<std::uint64_t>(sound.sampleRate);
  if (converted.samples.size() != expected * static_cast<std::uint64_t>(channels))
    fail("a converted sound of the wrong length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tymba::WavResult result = tymba::decodeWav(bytes);
  const PcmSound& sound = result.sound;
  if (!result.ok()) {
    if (!sound.samples.empty()) fail("a refused file with samples");
    return 0;
  }
  if (sound.sampleRate < tymba::kMinSoundRate || sound.sampleRate > tymba::kMaxSoundRate)
    fail("a rate outside the accepted ones");
  if (sound.channels < 1 || sound.channels > 2) fail("neither mono nor stereo");
  if (sound.samples.size() % static_cast<std::size_t>(sound.channels) != 0) fail("a part frame");
  if (sound.samples.size() > size) fail("more samples than bytes");
  expectConverted(sound, 44100, 2);
  expectConverted(sound, 8000, 1);
  if (tymba::convertSound(sound, sound.sampleRate, sound.channels) != sound)
    fail("converting to its own format changed the sound");
  return 0;
}
