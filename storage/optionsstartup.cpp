#include "storage/optionsstartup.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/colour.h"
#include "core/options.h"
#include "core/optiontable.h"
#include "storage/datafolders.h"
#include "storage/paths.h"

namespace tymba {
namespace {

constexpr std::string_view kIdentitiesSection = "Uzivatele";
constexpr std::string_view kMainIdentity = "Hlavni";

// A file the program ships is taken from the user's folder when the user has
// one of that name.
std::string firstRunValue(const OptionEntry& option, const DataFolders& folders) {
  if (!option.underProgramFolder) return std::string(option.firstRunValue);
  return folders.find(option.firstRunValue).string();
}

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

// The table's keys in folded form, in table order.
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

// False, leaving the variable as it was, when the text is not in the
// option's form or range.
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

bool isMissing(const Nastaveni& options, const OptionField& field) {
  return field.integer != nullptr ? options.*field.integer == 0 : (options.*field.text).empty();
}

}  // namespace

OptionsLoad loadOptionsAtStartup(SettingsStore& store, SharedState& state,
                                 const DataFolders& folders, const SoundHooks& sounds) {
  OptionsLoad result;
  // Asked first: the first reading is what moves unusable settings aside.
  result.unreadable = !store.readable();
  result.setAside = store.setAside();
  const auto tryWrite = [&](const auto& write) {
    try {
      write();
      return true;
    } catch (const SettingsError& error) {
      if (result.writeError.empty()) result.writeError = error.what();
      return false;
    }
  };

  if (store.read(kIdentitiesSection, kMainIdentity, "").empty()) {
    tryWrite([&] { store.write(kIdentitiesSection, kMainIdentity, ""); });
  }
  state.AktualniUzivatel = u"Hlavni";

  std::vector<SettingPair> stored;
  if (store.read(kOptionsSection, optionEntry("Stav").key, "").empty()) {
    std::vector<SettingPair> defaults;
    for (const OptionEntry& option : kOptionTable)
      defaults.push_back({std::string(option.key), firstRunValue(option, folders)});
    // Unwritten, they hold for this run as if they had been written.
    if (!tryWrite([&] { store.writeAll(kOptionsSection, defaults); })) stored = std::move(defaults);
    if (sounds.firstRun) sounds.firstRun();
  }
  if (stored.empty()) stored = store.readSection(kOptionsSection);

  // Blank, not the defaults: the fill step below must see what is missing.
  Nastaveni options = blankNastaveni();
  const std::vector<std::string> tableKeys = foldedTableKeys();
  for (const SettingPair& pair : stored) {
    const OptionEntry* option = findStoredKey(tableKeys, pair.key);
    if (option == nullptr) continue;
    // Without sound there is no click to choose, so Klik stays 0.
    if (option->key == "Klik" && !state.ZvukPripraven) continue;
    if (!setOption(options, *option, pair.value)) continue;
    result.applied.emplace_back(option->key);
    if (sounds.optionSet) sounds.optionSet(option->key, options);
  }

  std::vector<SettingPair> filled;
  for (const std::string_view key : kFillOrder) {
    const OptionEntry& option = optionEntry(key);
    if (!isMissing(options, optionField(key))) continue;
    std::string value = firstRunValue(option, folders);
    setOption(options, option, value);
    filled.push_back({std::string(option.key), std::move(value)});
    result.applied.emplace_back(option.key);
    if (sounds.optionSet) sounds.optionSet(option.key, options);
  }
  if (!filled.empty()) tryWrite([&] { store.writeAll(kOptionsSection, filled); });

  state.nastaveni = std::move(options);
  return result;
}

}  // namespace tymba
