#pragma once
// The text of the settings file (described in docs/formats.md) and the
// sections it holds. SettingsSections keeps every section and key under its
// folded name as well, so that finding one takes the same time however many
// the file holds.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
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
// Whether bytes are text as formatSettingsText writes it: valid UTF-8 without
// a NUL byte. A file that is not is no settings file the program wrote.
bool isSettingsText(std::string_view bytes);

// Sections and keys matched without regard to case, as sameNameIgnoringCase
// matches them, each spelt as it was first written.
class SettingsSections {
 public:
  SettingsSections() = default;
  // As parseSettingsText reads them.
  static SettingsSections parse(std::string_view bytes);

  const std::vector<SettingsSection>& sections() const noexcept { return sections_; }
  // Null when absent.
  const SettingsSection* find(std::string_view section) const;
  const SettingPair* find(std::string_view section, std::string_view key) const;

  // Creates or replaces the value; false when the key had it already.
  bool set(std::string_view section, std::string_view key, std::string_view value);
  // False when the key was absent.
  bool remove(std::string_view section, std::string_view key);

 private:
  friend std::vector<SettingsSection> parseSettingsText(std::string_view bytes);
  using Index = std::unordered_map<std::string, std::size_t>;

  // The position of the section, created at the end when absent.
  std::size_t sectionAt(std::string_view section);
  // Adds the pair unless the key is there already (then the first one wins).
  void add(std::size_t section, std::string key, std::string value);

  std::vector<SettingsSection> sections_;
  Index sectionIndex_;
  std::vector<Index> keyIndex_;  // one per section
};

}  // namespace tymba
