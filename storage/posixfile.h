#pragma once
// The few system calls behind the storage's files, shared by the text files
// and the record files: descriptors that close themselves, whole writes, and
// errors that carry errno to TextFileError.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "storage/textfile.h"

namespace tymba {

// Throws TextFileError for the file with errno as the reason; captures errno
// before anything else can change it.
[[noreturn]] void failWithErrno(const char* action, const std::filesystem::path& file);

// open(2) with O_CLOEXEC, again after an interrupting signal.
int openFile(const std::filesystem::path& file, int flags, mode_t mode = 0);

// Owns an open file descriptor.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const noexcept { return fd_; }
  bool isOpen() const noexcept { return fd_ >= 0; }
  void reset(int fd) noexcept;
  // Closing can report a write that failed late, so writers close explicitly.
  bool close() noexcept;

 private:
  int fd_;
};

// The bytes of an open file from its current position, with the rules of
// readFileBytes (storage/textfile.h). Throws TextFileError.
FileBytes readOpenFile(int fd, const std::filesystem::path& file, std::uintmax_t maxBytes);

// Writes all bytes, going on after a short write or an interrupting signal.
bool writeAll(int fd, std::string_view bytes);

// Makes a finished rename or a new file's name survive a crash; a failure here
// loses nothing that is not lost anyway, so it is not reported.
void flushFolder(const std::filesystem::path& folder);

}  // namespace tymba
