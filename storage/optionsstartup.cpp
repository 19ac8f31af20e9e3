#include "storage/optionsstartup.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/colour.h"
#include "core/options.h"
#include "core/optiontable.h"
#include "storage/paths.h"

namespace tymba {
namespace {

constexpr std::string_view kIdentitiesSection = "Uzivatele";
constexpr std::string_view kMainIdentity = "Hlavni";

std::string firstRunValue(const OptionEntry& option, const std::filesystem::path& programFolder) {
  if (!option.underProgramFolder) return std::string(option.firstRunValue);
  return resolvePath(programFolder, option.firstRunValue).string();
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

const OptionEntry* findStoredKey(std::string_view storedKey) {
  for (const OptionEntry& option : kOptionTable) {
    if (sameNameIgnoringCase(option.key, storedKey)) return &option;
  }
  return nullptr;
}

// False, leaving the variable as it was, when the text is not in the
// option's form.
bool setOption(Nastaveni& options, const OptionEntry& option, std::string_view text) {
  if (option.kind == OptionKind::Marker) return false;
  const OptionField& field = optionField(option.key);
  if (option.kind == OptionKind::Integer) {
    const std::optional<int> value = parseOptionInteger(text);
    if (!value) return false;
    options.*field.integer = *value;
    return true;
  }
  if (option.kind == OptionKind::Colour && !parseColour(text)) return false;
  options.*field.text = text;
  return true;
}

bool isMissing(const Nastaveni& options, const OptionField& field) {
  return field.integer != nullptr ? options.*field.integer == 0 : (options.*field.text).empty();
}

}  // namespace

std::vector<std::string> loadOptionsAtStartup(SettingsStore& store, SharedState& state,
                                              const std::filesystem::path& programFolder) {
  if (store.read(kIdentitiesSection, kMainIdentity, "").empty()) {
    store.write(kIdentitiesSection, kMainIdentity, "");
  }
  state.AktualniUzivatel = u"Hlavni";

  if (store.read(kOptionsSection, optionEntry("Stav").key, "").empty()) {
    std::vector<SettingPair> defaults;
    for (const OptionEntry& option : kOptionTable)
      defaults.push_back({std::string(option.key), firstRunValue(option, programFolder)});
    store.writeAll(kOptionsSection, defaults);
    // The first-run check of the sound files goes here, with the sound cues.
  }

  // Blank, not the defaults: the fill step below must see what is missing.
  Nastaveni options = blankNastaveni();
  std::vector<std::string> applied;
  for (const SettingPair& pair : store.readSection(kOptionsSection)) {
    const OptionEntry* option = findStoredKey(pair.key);
    if (option == nullptr) continue;
    // Without sound there is no click to choose, so Klik stays 0.
    if (option->key == "Klik" && !state.ZvukPripraven) continue;
    if (setOption(options, *option, pair.value)) applied.emplace_back(option->key);
  }

  for (const std::string_view key : kFillOrder) {
    const OptionEntry& option = optionEntry(key);
    if (!isMissing(options, optionField(key))) continue;
    const std::string value = firstRunValue(option, programFolder);
    store.write(kOptionsSection, option.key, value);
    setOption(options, option, value);
    applied.emplace_back(option.key);
  }

  state.nastaveni = std::move(options);
  return applied;
}

}  // namespace tymba
