#include "storage/programfolder.h"

#include <system_error>

namespace tymba {

std::filesystem::path programFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return executable.parent_path();
}

}  // namespace tymba
