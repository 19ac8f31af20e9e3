#include "fuzz/fuzzinput.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace tymba::fuzz {

std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> result;
  std::size_t start = 0;
  for (std::size_t end; (end = input.find('\0', start)) != std::string_view::npos;
       start = end + 1) {
    result.push_back(input.substr(start, end - start));
  }
  result.push_back(input.substr(start));
  return result;
}

std::string_view field(const std::vector<std::string_view>& all, std::size_t index,
                       std::string_view fallback) {
  return index < all.size() ? all[index] : fallback;
}

namespace {

class ScratchFolder {
 public:
  // In memory where the system has a folder there: every write of the
  // settings store is flushed to the disk, which would slow the fuzzer down
  // to a crawl and wear the disk.
  ScratchFolder() {
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tymba-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot make a scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& scratchFolder() {
  static const ScratchFolder folder;
  return folder.path();
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) fail("cannot write " + file.string());
}

void fail(const std::string& broken) {
  std::fprintf(stderr, "\n*** %s\n", broken.c_str());
  std::abort();
}

}  // namespace tymba::fuzz
