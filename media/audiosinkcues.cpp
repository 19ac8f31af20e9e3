#include "media/audiosinkcues.h"

namespace tymba {

AudioSinkCues::AudioSinkCues() = default;
AudioSinkCues::~AudioSinkCues() = default;
bool AudioSinkCues::setUp() { return false; }
bool AudioSinkCues::load(SoundBuffer, const std::filesystem::path&) { return false; }
void AudioSinkCues::playFromStart(SoundBuffer) {}
void AudioSinkCues::start(SoundBuffer) {}
void AudioSinkCues::release() {}

}  // namespace tymba
