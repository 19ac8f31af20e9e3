#pragma once
// The "Moznosti" keys as the start and the options window read them, and the
// options as the options window writes them back. Stored keys match the
// table's without regard to case; a value not in its option's form or range
// is no value at all.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/options.h"
#include "core/optiontable.h"
#include "storage/settingsstore.h"

namespace tymba {

// The table's keys in folded form, in table order.
std::vector<std::string> foldedTableKeys();

// The entry of the table that storedKey names, or null.
const OptionEntry* findStoredKey(const std::vector<std::string>& tableKeys,
                                 std::string_view storedKey);

// Sets the option's variable from its stored text. False, leaving the
// variable as it was, when the text is not in the option's form or range (an
// integer outside the range, blanks around it allowed; a switch other than
// "1" or "0"; a colour parseColour rejects) or the key is the marker.
bool setOption(Nastaveni& options, const OptionEntry& option, std::string_view text);

// The options window's opening: the stored "Moznosti" pairs read over the
// options in store order. A key that is missing, or holds no usable value,
// leaves its variable as it was; "Klik" is taken only while sound is ready.
void rereadOptions(const SettingsStore& store, Nastaveni& options, bool soundReady);

// What the options window writes, in this order: "Pozadi" first (its bands
// are shown or hidden before the rest is written), then the others.
inline constexpr std::array<std::string_view, 18> kOptionsWindowOrder{
    "Pozadi",    "Zastav",     "Posun",      "Klik",       "Chyba",         "Barva",
    "Barva2",    "BarvaPisma", "Pismo",      "LimitChyba", "LimitRychlost", "ZobrazKlavesnici",
    "ZvukChyba", "ZvukKonec",  "ZvukChybaB", "ZvukKonecB", "LimityVisible", "SeznamChyb",
};

// The pairs of kOptionsWindowOrder from the options, as stored text. An
// option chosen from a list ("Zastav", "Posun", "Klik") at 0 had no entry
// chosen (the stored one was unusable, or the click is not read while there
// is no sound): it is left out, so that what is stored for it stays.
std::vector<SettingPair> optionsWindowPairs(const Nastaveni& options);

}  // namespace tymba
