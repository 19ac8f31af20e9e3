#pragma once
// The settings store as one UTF-8 INI file per user (the format is described
// in docs/formats.md). The parsed file is kept in memory and read again
// whenever the file on disk has changed, so that several stores on the same
// file see each other's writes. Every write replaces the whole file through a
// temporary file and a rename; the file stays private because it holds the
// identities' passwords.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "storage/settingsstore.h"

namespace tymba {

// One section of the file with its pairs in store order.
struct SettingsSection {
  std::string name;
  std::vector<SettingPair> pairs;
};

// The sections of a settings file's bytes, in file order. Never fails: what
// cannot be read as a header or a pair is skipped.
std::vector<SettingsSection> parseSettingsText(std::string_view bytes);
// The bytes of a settings file holding sections; parseSettingsText gives them back.
std::string formatSettingsText(const std::vector<SettingsSection>& sections);

class IniSettingsStore final : public SettingsStore {
 public:
  // Neither reads nor creates anything yet: the file is read on first use and
  // created, with its missing folders, by the first write.
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

 private:
  // What tells one version of the file from another without reading it.
  // The inode changes with every rename, so two writes within one tick of the
  // file system's clock that leave the size alone are still told apart; the
  // change time moves with the mode too.
  struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
  };

  // Reads the file again unless the stamp shows it unchanged since the last
  // reading. A file that cannot be read leaves no sections and is tried again
  // next time.
  void refresh() const;
  // refresh(), and throws SettingsError when the file could not be read, so
  // that a write never replaces content it has not seen.
  const std::vector<SettingsSection>& sectionsForChange();
  // Writes sections as the whole file and reads it back. Throws SettingsError,
  // leaving the file and the store as they were.
  void commit(const std::vector<SettingsSection>& sections);

  std::filesystem::path file_;
  mutable std::vector<SettingsSection> sections_;
  mutable FileStamp stamp_;
  mutable bool loaded_ = false;
  mutable std::string readError_;  // empty when the last reading succeeded
};

}  // namespace tymba
