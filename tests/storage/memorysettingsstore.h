#pragma once
// A settings store held in memory for tests of what the program reads and
// writes. Names match ignoring case and keep their first spelling and store
// order, as the store on disk does; every write and removal is also recorded
// in order, so a test can assert on exactly what was written.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/paths.h"
#include "storage/settingsstore.h"

namespace tymba::testing {

struct RecordedWrite {
  std::string section;
  std::string key;
  std::string value;
  friend bool operator==(const RecordedWrite&, const RecordedWrite&) = default;
};

class MemorySettingsStore : public SettingsStore {
 public:
  struct Section {
    std::string name;
    std::vector<SettingPair> pairs;
  };

  MemorySettingsStore() = default;
  // Starts with these sections; they are not recorded as writes.
  explicit MemorySettingsStore(std::vector<Section> sections) : sections_(std::move(sections)) {}

  std::string read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const override {
    const SettingPair* pair = find(section, key);
    return pair != nullptr ? pair->value : std::string(defaultValue);
  }

  void write(std::string_view section, std::string_view key, std::string_view value) override {
    if (refuseWrites) throw SettingsError("write refused");
    writes_.push_back({std::string(section), std::string(key), std::string(value)});
    if (SettingPair* pair = find(section, key)) {
      pair->value = value;
      return;
    }
    Section* found = findSection(section);
    if (found == nullptr) found = &sections_.emplace_back(Section{std::string(section), {}});
    found->pairs.push_back({std::string(key), std::string(value)});
  }

  std::vector<SettingPair> readSection(std::string_view section) const override {
    const Section* found = findSection(section);
    return found != nullptr ? found->pairs : std::vector<SettingPair>{};
  }

  void remove(std::string_view section, std::string_view key) override {
    removals_.push_back({std::string(section), std::string(key), {}});
    if (Section* found = findSection(section)) {
      std::erase_if(found->pairs,
                    [&](const SettingPair& pair) { return sameNameIgnoringCase(pair.key, key); });
    }
  }

  // Every write fails, as on a read-only file.
  bool refuseWrites = false;

  const std::vector<RecordedWrite>& writes() const { return writes_; }
  // Removed keys, with empty values.
  const std::vector<RecordedWrite>& removals() const { return removals_; }

 private:
  const Section* findSection(std::string_view name) const {
    const auto it = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) {
      return sameNameIgnoringCase(s.name, name);
    });
    return it != sections_.end() ? &*it : nullptr;
  }
  Section* findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
  }
  const SettingPair* find(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return nullptr;
    const auto it =
        std::find_if(found->pairs.begin(), found->pairs.end(),
                     [&](const SettingPair& p) { return sameNameIgnoringCase(p.key, key); });
    return it != found->pairs.end() ? &*it : nullptr;
  }
  SettingPair* find(std::string_view section, std::string_view key) {
    return const_cast<SettingPair*>(std::as_const(*this).find(section, key));
  }

  std::vector<Section> sections_;
  std::vector<RecordedWrite> writes_;
  std::vector<RecordedWrite> removals_;
};

}  // namespace tymba::testing
