#include "storage/posixfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "storage/textfile.h"

namespace tymba {

void failWithErrno(const char* action, const std::filesystem::path& file) {
  const std::error_code code{errno, std::generic_category()};
  throw TextFileError(action, file, code);
}

int openFile(const std::filesystem::path& file, int flags, mode_t mode) {
  int fd;
  do {
    fd = ::open(file.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

void Descriptor::reset(int fd) noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

bool Descriptor::close() noexcept {
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void flushFolder(const std::filesystem::path& folder) {
  Descriptor fd(
      openFile(folder.empty() ? std::filesystem::path(".") : folder, O_RDONLY | O_DIRECTORY));
  if (fd.isOpen()) ::fsync(fd.get());
}

}  // namespace tymba
