#include "storage/textfile.h"

#include "core/cp1250.h"
#include "core/textdecoding.h"
#include "storage/posixfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>

namespace tymba {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBlock = 16384;

std::string describe(const std::string& action, const fs::path& file, std::error_code code) {
  return action + " \"" + file.string() + "\": " + code.message();
}

std::int64_t nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp stampOf(const struct stat& info) {
  return FileStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                   static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
                   nanoseconds(info.st_ctim)};
}

std::string readAllBytes(const fs::path& file) { return readFileBytes(file).bytes; }

// A new file beside the target, removed again unless it was renamed over it.
class TemporaryFile {
 public:
  TemporaryFile(const fs::path& target, mode_t mode) : fd_(-1) {
    std::random_device random;
    for (int attempt = 0; attempt < 16 && !fd_.isOpen(); ++attempt) {
      const auto suffix = std::to_string(std::uniform_int_distribution<std::uint32_t>()(random));
      path_ = target.parent_path() / ("." + target.filename().string() + ".tmp" + suffix);
      fd_.reset(openFile(path_, O_WRONLY | O_CREAT | O_EXCL, mode));
      if (!fd_.isOpen() && errno != EEXIST) break;
    }
    if (!fd_.isOpen()) failWithErrno("cannot create a temporary file to replace", target);
  }
  ~TemporaryFile() {
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  Descriptor& descriptor() noexcept { return fd_; }
  const fs::path& path() const noexcept { return path_; }
  void markRenamed() noexcept { renamed_ = true; }

 private:
  fs::path path_;
  Descriptor fd_;
  bool renamed_ = false;
};

}  // namespace

TextFileError::TextFileError(const std::string& action, fs::path file, std::error_code code)
    : std::runtime_error(describe(action, file, code)), path_(std::move(file)), code_(code) {}

std::optional<FileStamp> currentStamp(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return std::nullopt;
  return stampOf(info);
}

// Opened without blocking, so that a FIFO without a writer cannot hang the
// program; only a regular file (or a link to one) is read, and only up to
// maxBytes, so that a device or a huge file is refused instead of read for ever.
FileBytes readFileBytes(const fs::path& file, std::uintmax_t maxBytes) {
  Descriptor fd(openFile(file, O_RDONLY | O_NONBLOCK));
  if (!fd.isOpen()) failWithErrno("cannot open for reading", file);
  return readOpenFile(fd.get(), file, maxBytes);
}

FileBytes readOpenFile(int fd, const fs::path& file, std::uintmax_t maxBytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) failWithErrno("cannot look at", file);
  if (!S_ISREG(info.st_mode)) {
    throw TextFileError("cannot read", file,
                        std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                                   : std::errc::invalid_argument));
  }
  const auto tooLarge = [&] {
    return TextFileError("cannot read", file, std::make_error_code(std::errc::file_too_large));
  };
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) throw tooLarge();
  FileBytes result{{}, stampOf(info)};
  // Read straight into the text, one block more than the size said, which
  // tells the end without another call for small files.
  std::size_t length = 0;
  for (;;) {
    if (result.bytes.size() < length + kReadBlock) {
      result.bytes.resize(
          std::max(length + kReadBlock, static_cast<std::size_t>(info.st_size) + 1));
    }
    const ssize_t count = ::read(fd, result.bytes.data() + length, result.bytes.size() - length);
    if (count < 0) {
      if (errno == EINTR) continue;
      failWithErrno("cannot read", file);
    }
    if (count == 0) {
      result.bytes.resize(length);
      return result;
    }
    length += static_cast<std::size_t>(count);
    // The file may have grown since it was looked at.
    if (length > maxBytes) throw tooLarge();
  }
}

std::u16string readWholeText(const fs::path& file) { return decodeCp1250(readAllBytes(file)); }

std::u16string readForeignText(const fs::path& file) {
  std::optional<std::u16string> text = decodeText(readAllBytes(file), Encoding::Detect);
  if (!text) {
    throw TextFileError("cannot decode", file,
                        std::make_error_code(std::errc::illegal_byte_sequence));
  }
  return std::move(*text);
}

std::vector<std::u16string> readLines(const fs::path& file) {
  std::vector<std::u16string> lines;
  TextReader reader(file);
  while (auto line = reader.readLine()) lines.push_back(std::move(*line));
  return lines;
}

void TextReader::open(const fs::path& file) {
  text_.clear();
  position_ = 0;
  text_ = readWholeText(file);
}

std::optional<std::u16string> TextReader::readLine() {
  if (atEnd()) return std::nullopt;
  const std::size_t end = std::min(text_.find_first_of(u"\r\n", position_), text_.size());
  std::u16string line = text_.substr(position_, end - position_);
  position_ = end;
  if (position_ < text_.size()) {
    const bool crLf =
        text_[position_] == u'\r' && position_ + 1 < text_.size() && text_[position_ + 1] == u'\n';
    position_ += crLf ? 2 : 1;
  }
  return line;
}

void writeText(const fs::path& file, std::u16string_view text) {
  replaceFileContents(file, encodeCp1250(text));
}

void appendText(const fs::path& file, std::u16string_view text) {
  Descriptor fd(openFile(file, O_WRONLY | O_APPEND | O_CREAT, static_cast<mode_t>(kNewFileMode)));
  if (!fd.isOpen()) failWithErrno("cannot open for appending", file);
  if (!writeAll(fd.get(), encodeCp1250(text)) || !fd.close()) {
    failWithErrno("cannot append to", file);
  }
}

std::optional<FileStamp> replaceFileContents(const fs::path& file, std::string_view bytes,
                                             fs::perms newFileMode) {
  fs::path target = file;
  std::error_code linkError;
  if (fs::is_symlink(fs::symlink_status(file, linkError))) {
    fs::path resolved = fs::weakly_canonical(file, linkError);
    if (!linkError) target = std::move(resolved);
  }

  // The temporary file starts private and takes an existing file's mode
  // before anything is written into it.
  struct stat existing {};
  const bool targetExists = ::stat(target.c_str(), &existing) == 0;
  // A read-only file stays as it is, as it would when opened for writing.
  if (targetExists && !S_ISDIR(existing.st_mode) && ::access(target.c_str(), W_OK) != 0) {
    failWithErrno("cannot write", target);
  }
  TemporaryFile temporary(target,
                          targetExists ? S_IRUSR | S_IWUSR : static_cast<mode_t>(newFileMode));
  Descriptor& fd = temporary.descriptor();
  if (targetExists && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
    failWithErrno("cannot give the temporary file the mode of", target);
  }
  struct stat written {};
  if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || ::fstat(fd.get(), &written) != 0 ||
      !fd.close()) {
    failWithErrno("cannot write the temporary file to replace", target);
  }
  if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
    failWithErrno("cannot replace", target);
  }
  temporary.markRenamed();
  flushFolder(target.parent_path());
  // Taken after the rename, which may move the change time.
  std::optional<FileStamp> stamp = currentStamp(target);
  if (stamp && (stamp->device != static_cast<std::uint64_t>(written.st_dev) ||
                stamp->inode != static_cast<std::uint64_t>(written.st_ino))) {
    stamp.reset();
  }
  return stamp;
}

}  // namespace tymba
