#pragma once
// What every start does with the settings before the main window shows: make
// sure of the main identity, write the defaults on the first run, read the
// options into the shared state and write back the ones that are missing.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sharedstate.h"
#include "storage/datafolders.h"
#include "storage/settingsstore.h"

namespace tymba {

// What the start made of the stored settings, for the window to apply and to
// tell the user.
struct OptionsLoad {
  // The keys set by reading and filling, in order and spelt as in the table,
  // so the window can apply the ones it shows; a key may come twice, when its
  // stored text was empty and the fill step replaced it.
  std::vector<std::string> applied;
  // Why the first write that failed failed; empty when every write was made.
  // The load is finished in memory all the same.
  std::string writeError;
  // The stored settings exist but cannot be read: every option has its
  // first-run value, and nothing was written over them.
  bool unreadable = false;
  // Where stored settings that were not text were moved before the start
  // began afresh; empty when none were.
  std::filesystem::path setAside;
};

// What the sound side does during the load: the check of the sound files on
// the first run, right after the defaults are written and before anything is
// read; and, for each option set by reading or filling, loading the sound it
// names. Either may clear state.ZvukPripraven, and the rest of the load sees
// that ("Klik" is taken only while it is set).
struct SoundHooks {
  std::function<void()> firstRun;
  std::function<void(std::string_view key, const Nastaveni& options)> optionSet;
};

// In this order:
// 1. "Uzivatele"/"Hlavni" is written as "" unless it holds a non-empty value,
//    and AktualniUzivatel becomes "Hlavni".
// 2. Without a "Moznosti"/"Stav" value (the first run) every key of the
//    options table is written with its first-run value, in table order, as
//    one change; then sounds.firstRun.
// 3. state.nastaveni is blanked (0, empty text) and the "Moznosti" pairs are
//    read into it in store order, keys matched ignoring case; after a first
//    run that could not be written, the first-run values are read instead.
//    A value not in its option's form or range (an integer outside the
//    option's range, blanks around it allowed; a switch other than "1" or
//    "0"; a colour parseColour rejects) counts as missing. "Klik" is taken
//    only while ZvukPripraven. Each option set is passed to sounds.optionSet.
// 4. Each option of the fill order still at 0 or empty text gets its
//    first-run value (passed to sounds.optionSet), and all of them are
//    written to the store as one change.
// A write that fails (SettingsError) changes nothing in memory: it is
// reported in writeError, and the load goes on.
OptionsLoad loadOptionsAtStartup(SettingsStore& store, SharedState& state,
                                 const DataFolders& folders, const SoundHooks& sounds = {});

}  // namespace tymba
