#pragma once
// The dictations offered by the dictation test: in the folder "Diktaty" of
// the shipped data and of the user's folder, each a transcript "NAME.txt"
// beside its recording "NAME.ogg" (or .oga, .wav, .flac, .mp3), names matched
// without regard to case. The user's dictation of a name stands in for the
// shipped one; a recording without its transcript, or the reverse, is not
// offered.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/datafolders.h"

namespace tymba {

struct Dictation {
  std::u16string title;  // NAME, as the file names it
  std::filesystem::path transcript;
  std::filesystem::path recording;
  // Known without playing it for an Ogg Vorbis recording; else nothing.
  std::optional<std::int64_t> lengthMs;
};

// Sorted by title as the other lists of texts sort.
std::vector<Dictation> listDictations(const DataFolders& folders);

// The length in milliseconds of an Ogg Vorbis stream (the last page's
// granule position over the sample rate of its identification header);
// nothing when the bytes are not one.
std::optional<std::int64_t> oggVorbisLengthMs(std::string_view bytes);

}  // namespace tymba
