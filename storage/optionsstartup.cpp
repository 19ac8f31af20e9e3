#include "storage/optionsstartup.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/colour.h"
#include "core/options.h"
#include "core/optiontable.h"
#include "storage/datafolders.h"
#include "storage/optionvalues.h"
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
