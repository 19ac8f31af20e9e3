#pragma once
// The settings store as one UTF-8 INI file per user (the format is described
// in docs/formats.md). The parsed file is kept in memory, with what it has
// written, and read again whenever the file on disk has changed, so that
// several stores on the same file see each other's writes. Every write
// replaces the whole file through a temporary file and a rename; the file
// stays private because it holds the identities' passwords.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/settingsstore.h"
#include "storage/settingstext.h"
#include "storage/textfile.h"

namespace tymba {

// A settings file larger than this is not read (nor ever written over).
inline constexpr std::uintmax_t kMaxSettingsFileBytes = std::uintmax_t{16} << 20;
// A temporary file of a rewrite this old belongs to a write that was killed:
// a write in progress finishes within a fraction of a second.
inline constexpr std::chrono::seconds kStaleTemporaryFileAge{60};

class IniSettingsStore final : public SettingsStore {
 public:
  // Reads nothing and creates nothing yet: the file is read on first use and
  // created, with its missing folders, by the first write. Removes the
  // temporary files that killed rewrites of the file left beside it, once they
  // are kStaleTemporaryFileAge old.
  explicit IniSettingsStore(std::filesystem::path file);

  // $XDG_CONFIG_HOME/Tymba/Tymba.ini, or ~/.config/Tymba/Tymba.ini.
  static std::filesystem::path defaultLocation();
  // The same for given values of XDG_CONFIG_HOME and HOME: a configHome that
  // is empty or not absolute counts as unset.
  static std::filesystem::path locationFor(std::string_view configHome, std::string_view home);

  const std::filesystem::path& file() const noexcept { return file_; }

  std::string read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const override;
  void write(std::string_view section, std::string_view key, std::string_view value) override;
  // One replacement of the file for all the pairs: on the first run every
  // option is written, and a replacement is flushed to the disk each time.
  void writeAll(std::string_view section, const std::vector<SettingPair>& pairs) override;
  std::vector<SettingPair> readSection(std::string_view section) const override;
  void remove(std::string_view section, std::string_view key) override;
  bool readable() const override;
  // A file that is not text (a NUL byte, bytes that are not UTF-8) is moved to
  // "<file>.poskozeny" (then ".poskozeny2", ... while that exists) when it is
  // read, and the store starts afresh.
  std::filesystem::path setAside() const override { return setAside_; }

 private:
  // Reads the file again unless its stamp shows it unchanged since the last
  // reading. A file that cannot be read leaves no sections and is tried again
  // next time.
  void refresh() const;
  // Moves the file that was read as bytes aside, unless it has changed since.
  void moveAside(const FileStamp& read) const;
  // refresh(), and throws SettingsError when the file could not be read, so
  // that a write never replaces content it has not seen.
  const SettingsSections& sectionsForChange();
  // Writes sections as the whole file and keeps them. Throws SettingsError,
  // leaving the file and the store as they were.
  void commit(SettingsSections sections);

  std::filesystem::path file_;
  mutable SettingsSections sections_;
  mutable std::optional<FileStamp> stamp_;  // nothing while there is no file
  mutable bool loaded_ = false;
  mutable std::string readError_;  // empty when the last reading succeeded
  mutable std::filesystem::path setAside_;
};

}  // namespace tymba
