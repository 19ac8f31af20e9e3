#pragma once
// The per-user settings store: sections of keys with text values, the
// options under "Moznosti" and the identities under "Uzivatele". Section and
// key names match without regard to case; a section keeps its keys in the
// order they were first written. Texts are UTF-8.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tymba {

struct SettingPair {
  std::string key;
  std::string value;
};

// A write that could not be made; the store on disk is left as it was.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or defaultValue when the key is absent.
  virtual std::string read(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const = 0;
  // Creates or replaces the value. Throws SettingsError.
  virtual void write(std::string_view section, std::string_view key, std::string_view value) = 0;
  // Creates or replaces each value in turn, as write does; a store may make
  // them one change on disk. Throws SettingsError.
  virtual void writeAll(std::string_view section, const std::vector<SettingPair>& pairs) {
    for (const SettingPair& pair : pairs) write(section, pair.key, pair.value);
  }
  // The section's pairs in store order; nothing for an absent section.
  virtual std::vector<SettingPair> readSection(std::string_view section) const = 0;
  // Removes the key if present. Throws SettingsError.
  virtual void remove(std::string_view section, std::string_view key) = 0;
  // False when stored settings exist but cannot be read (a folder or a FIFO
  // in their place, no permission): reads then give nothing, and every write
  // fails so that nothing replaces what could not be read.
  virtual bool readable() const { return true; }
  // Where stored settings that could not be used were moved, so that the user
  // can be told; empty when none were.
  virtual std::filesystem::path setAside() const { return {}; }
};

}  // namespace tymba
