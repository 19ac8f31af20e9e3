#pragma once
// What every start does with the settings before the main window shows: make
// sure of the main identity, write the defaults on the first run, read the
// options into the shared state and write back the ones that are missing.

#include <filesystem>
#include <string>
#include <vector>

#include "core/sharedstate.h"
#include "storage/settingsstore.h"

namespace tymba {

// In this order:
// 1. "Uzivatele"/"Hlavni" is written as "" unless it holds a non-empty value,
//    and AktualniUzivatel becomes "Hlavni".
// 2. Without a "Moznosti"/"Stav" value (the first run) every key of the
//    options table is written with its first-run value, in table order.
// 3. state.nastaveni is blanked (0, empty text) and the "Moznosti" pairs are
//    read into it in store order, keys matched ignoring case. A value not in
//    its option's form (not a 16-bit decimal number, blanks around it
//    allowed; a colour parseColour rejects) counts as missing. "Klik" is
//    taken only while ZvukPripraven.
// 4. Each option of the fill order still at 0 or empty text gets its
//    first-run value, written to the store as well.
// Returns the keys set in steps 3 and 4, in order and spelt as in the table,
// so the window can apply the ones it shows; a key may come twice, when its
// stored value was 0 and the fill step replaced it. Throws SettingsError.
std::vector<std::string> loadOptionsAtStartup(SettingsStore& store, SharedState& state,
                                              const std::filesystem::path& programFolder);

}  // namespace tymba
