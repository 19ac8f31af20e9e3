#include "storage/optionvalues.h"

#include <algorithm>
#include <optional>

#include "core/colour.h"
#include "storage/paths.h"

namespace tymba {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks around the number are allowed because a hand-edited file easily has
// them and they change nothing; anything else makes the value unusable.
std::optional<int> parseOptionInteger(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const int limit = negative ? 32768 : 32767;
  int magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::vector<std::string> foldedTableKeys() {
  std::vector<std::string> keys;
  for (const OptionEntry& option : kOptionTable) keys.push_back(foldedName(option.key));
  return keys;
}

const OptionEntry* findStoredKey(const std::vector<std::string>& tableKeys,
                                 std::string_view storedKey) {
  const auto found = std::find(tableKeys.begin(), tableKeys.end(), foldedName(storedKey));
  return found != tableKeys.end()
             ? &kOptionTable[static_cast<std::size_t>(found - tableKeys.begin())]
             : nullptr;
}

bool setOption(Nastaveni& options, const OptionEntry& option, std::string_view text) {
  if (option.kind == OptionKind::Marker) return false;
  const OptionField& field = optionField(option.key);
  if (option.kind == OptionKind::Integer) {
    const std::optional<int> value = parseOptionInteger(text);
    if (!value || !isAllowed(option.allowed, *value)) return false;
    options.*field.integer = *value;
    return true;
  }
  if (option.kind == OptionKind::Switch && !isSwitchValue(text)) return false;
  if (option.kind == OptionKind::Colour && !parseColour(text)) return false;
  options.*field.text = text;
  return true;
}

void rereadOptions(const SettingsStore& store, Nastaveni& options, bool soundReady) {
  const std::vector<std::string> tableKeys = foldedTableKeys();
  for (const SettingPair& pair : store.readSection(kOptionsSection)) {
    const OptionEntry* option = findStoredKey(tableKeys, pair.key);
    if (option == nullptr || (option->key == "Klik" && !soundReady)) continue;
    setOption(options, *option, pair.value);
  }
}

std::vector<SettingPair> optionsWindowPairs(const Nastaveni& options) {
  std::vector<SettingPair> pairs;
  for (const std::string_view key : kOptionsWindowOrder) {
    const OptionField& field = optionField(key);
    const bool fromList = key == "Zastav" || key == "Posun" || key == "Klik";
    if (field.integer == nullptr) {
      pairs.push_back({std::string(key), options.*field.text});
    } else if (options.*field.integer != 0 || !fromList) {
      pairs.push_back({std::string(key), std::to_string(options.*field.integer)});
    }
  }
  return pairs;
}

}  // namespace tymba
