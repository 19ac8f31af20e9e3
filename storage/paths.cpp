#include "storage/paths.h"

#include "core/cp1250.h"
#include "core/filepattern.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

namespace tymba {

namespace fs = std::filesystem;

namespace {

// Compares many names against one, folding that one only once.
class NameMatcher {
 public:
  explicit NameMatcher(std::string_view name) : key_(foldedName(name)) {}
  bool matches(std::string_view other) const { return foldedName(other) == key_; }

 private:
  std::string key_;
};

std::vector<std::string_view> components(std::string_view windowsStyle) {
  std::vector<std::string_view> parts;
  while (!windowsStyle.empty()) {
    const auto end = windowsStyle.find_first_of("\\/");
    const auto part = windowsStyle.substr(0, end);
    if (!part.empty()) parts.push_back(part);
    if (end == std::string_view::npos) break;
    windowsStyle.remove_prefix(end + 1);
  }
  return parts;
}

// The entry of folder called name, spelt as it is on disk, or nothing.
std::optional<fs::path> findEntry(const fs::path& folder, std::string_view name) {
  const fs::path scanned = folder.empty() ? fs::path(".") : folder;
  std::error_code error;
  if (fs::exists(fs::symlink_status(scanned / name, error))) return fs::path(name);

  const NameMatcher wanted(name);
  std::optional<fs::path> best;
  for (fs::directory_iterator it(scanned, error), end; !error && it != end; it.increment(error)) {
    fs::path entry = it->path().filename();
    if (wanted.matches(entry.native()) && (!best || entry.native() < best->native())) {
      best = std::move(entry);
    }
  }
  return best;
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  return foldedName(a) == foldedName(b);
}

// The upper case of valid UTF-8 is valid UTF-8 again, so it never equals the
// bytes of a name that is not.
std::string foldedName(std::string_view name) {
  const bool ascii = std::all_of(name.begin(), name.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(toUpperCp1250(static_cast<char16_t>(c)));
    return folded;
  }
  // Decoding a name that is not valid UTF-8 would turn different bytes into
  // the same replacement character.
  std::u16string text = fromUtf8(name);
  if (toUtf8(text) != name) return std::string(name);
  for (char16_t& c : text) c = toUpperCp1250(c);
  return toUtf8(text);
}

fs::path resolvePath(const fs::path& base, std::string_view windowsStyleRelative) {
  fs::path result = base;
  bool folderExists = true;  // below a missing component nothing can be found
  for (const std::string_view component : components(windowsStyleRelative)) {
    if (folderExists) {
      if (auto entry = findEntry(result, component)) {
        result /= *entry;
        continue;
      }
      folderExists = false;
    }
    result /= component;
  }
  return result;
}

namespace {

// The regular files of folder whose names pass the test, sorted by name
// ignoring case. A name starting with "." is a hidden file here and is never
// listed. Names equal but for case fall back to byte order, so the
// order never depends on the order of the directory.
template <typename NameTest>
std::vector<fs::path> sortedFiles(const fs::path& folder, const NameTest& accepts) {
  struct Listed {
    std::string key;
    fs::path path;
  };
  std::vector<Listed> listed;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError)) continue;
    const fs::path name = it->path().filename();
    if (name.native().starts_with('.') || !accepts(name)) continue;
    listed.push_back({foldedName(name.native()), it->path()});
  }
  std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
    if (a.key != b.key) return a.key < b.key;
    return a.path.filename().native() < b.path.filename().native();
  });
  std::vector<fs::path> paths;
  paths.reserve(listed.size());
  for (Listed& entry : listed) paths.push_back(std::move(entry.path));
  return paths;
}

}  // namespace

std::vector<fs::path> listFiles(const fs::path& folder, std::string_view extension) {
  const NameMatcher wanted(extension);
  return sortedFiles(
      folder, [&](const fs::path& name) { return wanted.matches(name.extension().native()); });
}

std::vector<fs::path> listFilesMatching(const fs::path& folder, std::u16string_view pattern) {
  return sortedFiles(folder, [&](const fs::path& name) {
    return matchesFilePattern(fromUtf8(name.native()), pattern);
  });
}

}  // namespace tymba
