#include "storage/dictations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <map>

#include "core/cp1250.h"
#include "storage/littleendian.h"
#include "storage/paths.h"
#include "storage/posixfile.h"

namespace tymba {

namespace fs = std::filesystem;

namespace {

// The recordings a dictation may have, the one taken first when a name has
// several.
constexpr std::array<std::string_view, 5> kRecordingExtensions = {".ogg", ".oga", ".wav", ".flac",
                                                                  ".mp3"};
constexpr std::size_t kOggHeaderSize = 27;
// The largest page Ogg allows: the header, 255 lacing values, 255 segments of 255 bytes.
constexpr std::size_t kMaxOggPage = kOggHeaderSize + 255 + 255 * 255;
constexpr unsigned kFirstPage = 0x02;
constexpr unsigned kLastPage = 0x04;

struct OggPage {
  unsigned flags = 0;
  std::uint64_t granule = 0;
  std::uint64_t serial = 0;
  std::string_view body;
  std::size_t end = 0;  // where the next page would start
};

// The whole page that starts at at, or nothing when none does there.
std::optional<OggPage> pageAt(std::string_view bytes, std::size_t at) {
  if (at > bytes.size() || bytes.size() - at < kOggHeaderSize) return std::nullopt;
  if (bytes.substr(at, 4) != "OggS" || bytes[at + 4] != 0) return std::nullopt;
  const std::size_t segments = static_cast<unsigned char>(bytes[at + 26]);
  const std::size_t bodyAt = at + kOggHeaderSize + segments;
  if (bodyAt > bytes.size()) return std::nullopt;
  std::size_t bodySize = 0;
  for (std::size_t i = at + kOggHeaderSize; i < bodyAt; ++i)
    bodySize += static_cast<unsigned char>(bytes[i]);
  if (bytes.size() - bodyAt < bodySize) return std::nullopt;
  return OggPage{static_cast<unsigned char>(bytes[at + 5]), littleEndian(bytes, at + 6, 8),
                 littleEndian(bytes, at + 14, 4), bytes.substr(bodyAt, bodySize),
                 bodyAt + bodySize};
}

// The sample rate in the Vorbis identification header, which a stream's
// first page holds alone; 0 when the page holds none.
std::uint64_t vorbisRate(const OggPage& first) {
  const std::string_view header = first.body;
  if ((first.flags & kFirstPage) == 0 || header.size() < 30) return 0;
  if (header.substr(0, 7) != "\x01vorbis" || littleEndian(header, 7, 4) != 0 || header[11] == 0)
    return 0;
  return littleEndian(header, 12, 4);
}

bool readAt(int fd, char* into, std::size_t size, off_t at) {
  while (size > 0) {
    const ssize_t got = ::pread(fd, into, size, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    into += got;
    size -= static_cast<std::size_t>(got);
    at += got;
  }
  return true;
}

// The bytes oggVorbisLengthMs looks at: the first and the last page's worth
// of the file one after the other (the whole file when it is no longer), so
// that a long recording is not read whole; empty when it cannot be read.
std::string firstAndLastPages(const fs::path& file) {
  const Descriptor fd(openFile(file, O_RDONLY | O_NONBLOCK));
  struct stat info {};
  if (!fd.isOpen() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  const auto size = static_cast<std::size_t>(info.st_size);
  const std::size_t head = std::min(size, kMaxOggPage);
  const std::size_t tail = std::min(size - head, kMaxOggPage);
  std::string bytes(head + tail, '\0');
  if (!readAt(fd.get(), bytes.data(), head, 0) ||
      !readAt(fd.get(), bytes.data() + head, tail, static_cast<off_t>(size - tail)))
    return {};
  return bytes;
}

bool isOggRecording(const fs::path& file) {
  const std::string extension = file.extension();
  return sameNameIgnoringCase(extension, ".ogg") || sameNameIgnoringCase(extension, ".oga");
}

// The complete dictations of one folder by their names folded, sorted.
std::map<std::string, Dictation> dictationsIn(const fs::path& folder) {
  std::map<std::string, fs::path> recordings;
  for (const std::string_view extension : kRecordingExtensions)
    for (fs::path& file : listFiles(folder, extension))
      recordings.try_emplace(foldedName(file.stem().native()), std::move(file));
  std::map<std::string, Dictation> dictations;
  for (fs::path& transcript : listFiles(folder, ".txt")) {
    std::string name = foldedName(transcript.stem().native());
    const auto recording = recordings.find(name);
    if (recording == recordings.end()) continue;
    std::u16string title = fromUtf8(transcript.stem().native());
    dictations.try_emplace(std::move(name), Dictation{std::move(title), std::move(transcript),
                                                      recording->second, std::nullopt});
  }
  return dictations;
}

}  // namespace

std::vector<Dictation> listDictations(const DataFolders& folders) {
  std::map<std::string, Dictation> merged;
  for (const fs::path& folder : folders.existingFolders("\\Diktaty"))
    merged.merge(dictationsIn(folder));  // the user's folder comes first and keeps its own
  std::vector<Dictation> list;
  for (auto& [name, dictation] : merged) {
    if (isOggRecording(dictation.recording))
      dictation.lengthMs = oggVorbisLengthMs(firstAndLastPages(dictation.recording));
    list.push_back(std::move(dictation));
  }
  // As the lists of texts sort: by file name, whatever its case.
  std::stable_sort(list.begin(), list.end(), [](const Dictation& a, const Dictation& b) {
    return foldedName(a.transcript.filename().native()) <
           foldedName(b.transcript.filename().native());
  });
  return list;
}

// Only the first page and the last are read, so whatever lies between them
// does not matter. The last page must end the bytes, belong to the first
// page's stream and close it: a recording cut short has no length yet.
std::optional<std::int64_t> oggVorbisLengthMs(std::string_view bytes) {
  const std::optional<OggPage> first = pageAt(bytes, 0);
  if (!first) return std::nullopt;
  const std::uint64_t rate = vorbisRate(*first);
  if (rate == 0 || bytes.size() < kOggHeaderSize) return std::nullopt;
  const std::size_t lowest = bytes.size() > kMaxOggPage ? bytes.size() - kMaxOggPage : 1;
  for (std::size_t at = bytes.size() - kOggHeaderSize; at >= lowest; --at) {
    const std::optional<OggPage> last = pageAt(bytes, at);
    if (!last || last->end != bytes.size() || last->serial != first->serial) continue;
    const std::uint64_t seconds = last->granule / rate;
    if ((last->flags & kLastPage) == 0 || seconds > std::numeric_limits<std::int32_t>::max())
      return std::nullopt;
    const std::uint64_t ms = seconds * 1000 + (last->granule % rate) * 1000 / rate;
    return static_cast<std::int64_t>(ms);
  }
  return std::nullopt;
}

}  // namespace tymba
