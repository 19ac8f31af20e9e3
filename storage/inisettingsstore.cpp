#include "storage/inisettingsstore.h"

#include "storage/paths.h"
#include "storage/textfile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace tymba {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr auto kPrivateFileMode = fs::perms::owner_read | fs::perms::owner_write;
constexpr mode_t kPrivateFolderMode = S_IRWXU;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The position of c outside escape sequences, from position from on.
std::size_t findUnescaped(std::string_view text, char c, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == c) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Characters that escape as themselves.
constexpr std::string_view kEscapedAsThemselves = "\\=[];#";

// Every character that would end a line, start a header or a comment, split
// a pair or start an escape is escaped anywhere in a name or value; a space
// only at either end, where reading trims unescaped blanks.
std::string escape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (kEscapedAsThemselves.find(c) != std::string_view::npos) {
      result += {'\\', c};
    } else if (c == '\n') {
      result += "\\n";
    } else if (c == '\r') {
      result += "\\r";
    } else if (c == '\t') {
      result += "\\t";
    } else if (c == ' ' && (i == 0 || i + 1 == text.size())) {
      result += "\\s";
    } else {
      result += c;
    }
  }
  return result;
}

// The character the escape "\c" stands for; nothing for an unknown escape.
std::optional<char> escapedCharacter(char c) {
  if (kEscapedAsThemselves.find(c) != std::string_view::npos) return c;
  if (c == 'n') return '\n';
  if (c == 'r') return '\r';
  if (c == 't') return '\t';
  if (c == 's') return ' ';
  return std::nullopt;
}

// A backslash before any other character, or at the end, is kept as it is,
// so that a hand-written path such as C:\Zvuk2 reads as written.
std::string unescape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto meant =
        text[i] == '\\' && i + 1 < text.size() ? escapedCharacter(text[i + 1]) : std::nullopt;
    if (meant) {
      result += *meant;
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

template <typename Named>
auto findNamed(Named& items, std::string_view name, auto nameOf) {
  return std::find_if(items.begin(), items.end(),
                      [&](const auto& item) { return sameNameIgnoringCase(nameOf(item), name); });
}

auto findSection(auto& sections, std::string_view name) {
  return findNamed(sections, name,
                   [](const SettingsSection& s) -> const std::string& { return s.name; });
}

auto findPair(auto& pairs, std::string_view key) {
  return findNamed(pairs, key, [](const SettingPair& p) -> const std::string& { return p.key; });
}

std::string describeError(const std::string& action, const fs::path& file, int error) {
  return action + " \"" + file.string() + "\": " + std::generic_category().message(error);
}

std::int64_t nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// The folder and the missing folders above it, each private to its owner.
void makeFolders(const fs::path& folder) {
  if (folder.empty()) return;
  std::vector<fs::path> missing;
  struct stat info {};
  for (fs::path p = folder; !p.empty() && ::stat(p.c_str(), &info) != 0; p = p.parent_path()) {
    if (errno != ENOENT) throw SettingsError(describeError("cannot look at folder", p, errno));
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (::mkdir(it->c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
      throw SettingsError(describeError("cannot create folder", *it, errno));
    }
  }
}

// Takes group and other access away from a file that is already there; the
// owner's bits stay, so a file made read-only still refuses the write.
void makePrivate(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) == 0) return;
  if (::chmod(file.c_str(), info.st_mode & S_IRWXU) != 0) {
    throw SettingsError(describeError("cannot make private", file, errno));
  }
}

}  // namespace

std::vector<SettingsSection> parseSettingsText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<SettingsSection> sections;
  // Pairs go to this section; none before the first header and after a
  // broken one, so that they never land in a section they were not meant for.
  std::optional<std::size_t> current;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string_view line = trimBlanks(bytes.substr(0, end));
    const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    bytes.remove_prefix(std::min(bytes.size(), end + (crLf ? 2 : 1)));

    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = findUnescaped(line, ']', 1);
      if (close == std::string_view::npos) {
        current.reset();
        continue;
      }
      std::string name = unescape(trimBlanks(line.substr(1, close - 1)));
      const auto found = findSection(sections, name);
      current = static_cast<std::size_t>(found - sections.begin());
      if (found == sections.end()) sections.push_back({std::move(name), {}});
      continue;
    }
    const std::size_t equals = findUnescaped(line, '=', 0);
    if (equals == std::string_view::npos || !current) continue;
    std::vector<SettingPair>& pairs = sections[*current].pairs;
    std::string key = unescape(trimBlanks(line.substr(0, equals)));
    if (findPair(pairs, key) != pairs.end()) continue;
    pairs.push_back({std::move(key), unescape(trimBlanks(line.substr(equals + 1)))});
  }
  return sections;
}

std::string formatSettingsText(const std::vector<SettingsSection>& sections) {
  std::string text;
  for (const SettingsSection& section : sections) {
    if (!text.empty()) text += '\n';
    text += '[' + escape(section.name) + "]\n";
    for (const SettingPair& pair : section.pairs) {
      text += escape(pair.key) + '=' + escape(pair.value) + '\n';
    }
  }
  return text;
}

IniSettingsStore::IniSettingsStore(fs::path file) : file_(std::move(file)) {}

fs::path IniSettingsStore::locationFor(std::string_view configHome, std::string_view home) {
  const fs::path configFolder(configHome);
  const fs::path base =
      !configHome.empty() && configFolder.is_absolute() ? configFolder : fs::path(home) / ".config";
  return base / "Tymba" / "Tymba.ini";
}

fs::path IniSettingsStore::defaultLocation() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
  }
  return locationFor(configHome != nullptr ? configHome : "", home);
}

void IniSettingsStore::refresh() const {
  const auto stampOf = [](const struct stat& info) {
    return FileStamp{true,
                     static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::int64_t>(info.st_size),
                     nanoseconds(info.st_mtim),
                     nanoseconds(info.st_ctim)};
  };
  struct stat info {};
  if (loaded_ && readError_.empty()) {
    if (::stat(file_.c_str(), &info) == 0) {
      if (stampOf(info) == stamp_) return;
    } else if (errno == ENOENT && !stamp_.exists) {
      return;
    }
  }

  loaded_ = true;
  sections_.clear();
  stamp_ = {};
  readError_.clear();
  const int fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) readError_ = describeError("cannot open", file_, errno);
    return;
  }
  // The stamp is taken from the open file: a rename by another store replaces
  // the file but not what this descriptor reads.
  std::string bytes;
  if (::fstat(fd, &info) != 0) {
    readError_ = describeError("cannot look at", file_, errno);
  } else if (!S_ISREG(info.st_mode)) {
    readError_ = describeError("cannot read", file_, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  } else {
    char buffer[16384];
    for (;;) {
      const ssize_t count = ::read(fd, buffer, sizeof buffer);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) readError_ = describeError("cannot read", file_, errno);
      if (count <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(count));
    }
  }
  ::close(fd);
  if (!readError_.empty()) return;
  sections_ = parseSettingsText(bytes);
  stamp_ = stampOf(info);
}

const std::vector<SettingsSection>& IniSettingsStore::sectionsForChange() {
  refresh();
  if (!readError_.empty()) throw SettingsError(readError_);
  return sections_;
}

void IniSettingsStore::commit(const std::vector<SettingsSection>& sections) {
  const std::string bytes = formatSettingsText(sections);
  makeFolders(file_.parent_path());
  makePrivate(file_);
  try {
    replaceFileContents(file_, bytes, kPrivateFileMode);
  } catch (const TextFileError& error) {
    throw SettingsError(error.what());
  }
  // Read back what is now on disk, which also takes the new stamp: what was
  // just written, unless another store has written in the meantime.
  loaded_ = false;
  refresh();
}

std::string IniSettingsStore::read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  refresh();
  const auto found = findSection(sections_, section);
  if (found == sections_.end()) return std::string(defaultValue);
  const auto pair = findPair(found->pairs, key);
  return pair != found->pairs.end() ? pair->value : std::string(defaultValue);
}

std::vector<SettingPair> IniSettingsStore::readSection(std::string_view section) const {
  refresh();
  const auto found = findSection(sections_, section);
  return found != sections_.end() ? found->pairs : std::vector<SettingPair>();
}

namespace {

// Sets the value in sections; false when it was there already.
bool setPair(std::vector<SettingsSection>& sections, std::string_view section, std::string_view key,
             std::string_view value) {
  auto found = findSection(sections, section);
  if (found == sections.end()) {
    sections.push_back({std::string(section), {{std::string(key), std::string(value)}}});
  } else if (auto pair = findPair(found->pairs, key); pair == found->pairs.end()) {
    found->pairs.push_back({std::string(key), std::string(value)});
  } else if (pair->value != value) {
    pair->value = value;
  } else {
    return false;
  }
  return true;
}

}  // namespace

void IniSettingsStore::write(std::string_view section, std::string_view key,
                             std::string_view value) {
  std::vector<SettingsSection> sections = sectionsForChange();
  if (setPair(sections, section, key, value)) commit(sections);
}

void IniSettingsStore::writeAll(std::string_view section, const std::vector<SettingPair>& pairs) {
  std::vector<SettingsSection> sections = sectionsForChange();
  bool changed = false;
  for (const SettingPair& pair : pairs) changed |= setPair(sections, section, pair.key, pair.value);
  if (changed) commit(sections);
}

void IniSettingsStore::remove(std::string_view section, std::string_view key) {
  std::vector<SettingsSection> sections = sectionsForChange();
  const auto found = findSection(sections, section);
  if (found == sections.end()) return;
  const auto pair = findPair(found->pairs, key);
  if (pair == found->pairs.end()) return;
  found->pairs.erase(pair);
  commit(sections);
}

}  // namespace tymba
