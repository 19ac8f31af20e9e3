#pragma once
// Every key of the "Moznosti" settings section, declared once: its kind and
// the text written on the first run, in the order the first run writes them.
// The option variables, the start-up load and the options window all take
// their keys and defaults from here, so a default is never spelt twice.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace tymba {

enum class OptionKind {
  Marker,   // "Stav": says the defaults were written once; no variable
  Integer,  // decimal text held in an int (16-bit range)
  Text,     // held as text
  Colour,   // held as the stored text, "&H8000000F" or "-2147483633"
};

struct OptionEntry {
  std::string_view key;
  OptionKind kind;
  std::string_view firstRunValue;
  // The value is a path joined onto the program folder ("\Zvuk2\zvuk01.wav"),
  // so it is known only at run time.
  bool underProgramFolder = false;
};

inline constexpr std::string_view kOptionsSection = "Moznosti";

inline constexpr std::array<OptionEntry, 19> kOptionTable{{
    {"Stav", OptionKind::Marker, "OK"},
    {"Pozadi", OptionKind::Integer, "1"},
    {"Chyba", OptionKind::Integer, "20"},
    {"Zastav", OptionKind::Integer, "6"},
    {"Posun", OptionKind::Integer, "2"},
    {"Klik", OptionKind::Integer, "1"},
    {"Pismo", OptionKind::Integer, "1"},
    {"LimitRychlost", OptionKind::Integer, "160"},
    {"LimitChyba", OptionKind::Integer, "1"},
    {"ZobrazKlavesnici", OptionKind::Text, "1"},
    {"Barva", OptionKind::Colour, "&H8000000F"},
    {"Barva2", OptionKind::Colour, "&H80000009"},
    {"BarvaPisma", OptionKind::Colour, "0"},
    {"ZvukChyba", OptionKind::Text, "\\Zvuk2\\zvuk01.wav", true},
    {"ZvukKonec", OptionKind::Text, "\\Zvuk2\\zvuk02.wav", true},
    {"ZvukChybaB", OptionKind::Text, "1"},
    {"ZvukKonecB", OptionKind::Text, "1"},
    {"LimityVisible", OptionKind::Text, "1"},
    {"SeznamChyb", OptionKind::Text, "1"},
}};

// The options that every start writes back, with their first-run value, when
// the stored one is missing. The others ("Pozadi", "Zastav", "Posun", "Klik",
// "Chyba") are written only by the first run and the options window.
inline constexpr std::array<std::string_view, 13> kFillOrder{
    "ZvukChyba",  "ZvukKonec",     "ZvukChybaB",       "ZvukKonecB", "LimitRychlost",
    "LimitChyba", "SeznamChyb",    "ZobrazKlavesnici", "Pismo",      "Barva",
    "Barva2",     "LimityVisible", "BarvaPisma",
};

// The entry with exactly this key; a key that is not in the table does not
// compile where the look-up is a constant expression.
constexpr const OptionEntry& optionEntry(std::string_view key) {
  for (const OptionEntry& option : kOptionTable) {
    if (option.key == key) return option;
  }
  throw std::out_of_range("not a key of the options table");
}

namespace detail {
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

constexpr bool sameKeyIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t n = 0; n < a.size(); ++n) {
    if (asciiLower(a[n]) != asciiLower(b[n])) return false;
  }
  return true;
}

// The store matches names ignoring case, so no two keys may differ only in it.
constexpr bool keysDistinctIgnoringCase() {
  for (std::size_t n = 0; n < kOptionTable.size(); ++n) {
    for (std::size_t m = 0; m < n; ++m) {
      if (sameKeyIgnoringCase(kOptionTable[m].key, kOptionTable[n].key)) return false;
    }
  }
  return true;
}

constexpr bool fillOrderNamesOptionsOnce() {
  for (std::size_t n = 0; n < kFillOrder.size(); ++n) {
    if (optionEntry(kFillOrder[n]).kind == OptionKind::Marker) return false;
    for (std::size_t m = 0; m < n; ++m) {
      if (kFillOrder[m] == kFillOrder[n]) return false;
    }
  }
  return true;
}
}  // namespace detail
static_assert(detail::keysDistinctIgnoringCase());
static_assert(detail::fillOrderNamesOptionsOnce());

}  // namespace tymba
