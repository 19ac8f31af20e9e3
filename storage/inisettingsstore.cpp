#include "storage/inisettingsstore.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "storage/datafolders.h"

namespace tymba {

namespace fs = std::filesystem;

namespace {

constexpr auto kPrivateFileMode = fs::perms::owner_read | fs::perms::owner_write;
constexpr mode_t kPrivateFolderMode = S_IRWXU;
constexpr std::string_view kSetAsideSuffix = ".poskozeny";

std::string describeError(const std::string& action, const fs::path& file, int error) {
  return action + " \"" + file.string() + "\": " + std::generic_category().message(error);
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

// Renames from to to unless to exists; false with errno EEXIST when it does.
bool renameUnlessTaken(const fs::path& from, const fs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  // A file system that cannot rename without replacing: look first.
  if (errno != EINVAL && errno != ENOSYS) return false;
  std::error_code error;
  if (fs::exists(fs::symlink_status(to, error))) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

// A name that a rewrite of file gives its temporary file: ".<name>.tmp<digits>".
bool isTemporaryFileOf(const fs::path& file, const std::string& name) {
  const std::string prefix = "." + file.filename().string() + ".tmp";
  return name.size() > prefix.size() && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// Removes what killed rewrites of file left; a temporary file is written
// right after it is made, so its modification time is the age of the write.
void removeStaleTemporaryFiles(const fs::path& file) {
  std::error_code error;
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!isTemporaryFileOf(file, it->path().filename().string())) continue;
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    const auto modified = it->last_write_time(ignored);
    if (!ignored && now - modified >= kStaleTemporaryFileAge) fs::remove(it->path(), ignored);
  }
}

}  // namespace

IniSettingsStore::IniSettingsStore(fs::path file) : file_(std::move(file)) {
  removeStaleTemporaryFiles(file_);
}

fs::path IniSettingsStore::locationFor(std::string_view configHome, std::string_view home) {
  return xdgBaseFolder(configHome, home, ".config") / "Tymba" / "Tymba.ini";
}

fs::path IniSettingsStore::defaultLocation() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  return locationFor(configHome != nullptr ? configHome : "", homeFolder());
}

void IniSettingsStore::refresh() const {
  if (loaded_ && readError_.empty()) {
    const std::optional<FileStamp> now = currentStamp(file_);
    if (now ? now == stamp_ : !stamp_ && errno == ENOENT) return;
  }

  loaded_ = true;
  sections_ = {};
  stamp_.reset();
  readError_.clear();
  FileBytes contents;
  try {
    contents = readFileBytes(file_, kMaxSettingsFileBytes);
  } catch (const TextFileError& error) {
    if (error.code() != std::errc::no_such_file_or_directory) readError_ = error.what();
    return;
  }
  if (!isSettingsText(contents.bytes)) {
    moveAside(contents.stamp);
    return;
  }
  sections_ = SettingsSections::parse(contents.bytes);
  stamp_ = contents.stamp;
}

void IniSettingsStore::moveAside(const FileStamp& read) const {
  // Another copy of the program may have moved it already and started afresh.
  if (currentStamp(file_) != read) {
    loaded_ = false;
    return;
  }
  for (int number = 1; number < 1000; ++number) {
    fs::path target = file_;
    target += kSetAsideSuffix;
    if (number > 1) target += std::to_string(number);
    if (renameUnlessTaken(file_, target)) {
      setAside_ = std::move(target);
      return;
    }
    if (errno != EEXIST) break;
  }
  readError_ = describeError("cannot move aside", file_, errno);
}

const SettingsSections& IniSettingsStore::sectionsForChange() {
  refresh();
  if (!readError_.empty()) throw SettingsError(readError_);
  return sections_;
}

void IniSettingsStore::commit(SettingsSections sections) {
  const std::string bytes = formatSettingsText(sections.sections());
  makeFolders(file_.parent_path());
  makePrivate(file_);
  std::optional<FileStamp> stamp;
  try {
    stamp = replaceFileContents(file_, bytes, kPrivateFileMode);
  } catch (const TextFileError& error) {
    throw SettingsError(error.what());
  }
  // What was written is what the file holds, unless another store has
  // written in the meantime: then the file is read again next time.
  sections_ = std::move(sections);
  stamp_ = stamp;
  loaded_ = stamp.has_value();
}

std::string IniSettingsStore::read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  refresh();
  const SettingPair* pair = sections_.find(section, key);
  return pair != nullptr ? pair->value : std::string(defaultValue);
}

std::vector<SettingPair> IniSettingsStore::readSection(std::string_view section) const {
  refresh();
  const SettingsSection* found = sections_.find(section);
  return found != nullptr ? found->pairs : std::vector<SettingPair>();
}

bool IniSettingsStore::readable() const {
  refresh();
  return readError_.empty();
}

void IniSettingsStore::write(std::string_view section, std::string_view key,
                             std::string_view value) {
  SettingsSections sections = sectionsForChange();
  if (sections.set(section, key, value)) commit(std::move(sections));
}

void IniSettingsStore::writeAll(std::string_view section, const std::vector<SettingPair>& pairs) {
  SettingsSections sections = sectionsForChange();
  bool changed = false;
  for (const SettingPair& pair : pairs) changed |= sections.set(section, pair.key, pair.value);
  if (changed) commit(std::move(sections));
}

void IniSettingsStore::remove(std::string_view section, std::string_view key) {
  SettingsSections sections = sectionsForChange();
  if (sections.remove(section, key)) commit(std::move(sections));
}

}  // namespace tymba
