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
  Integer,  // decimal text held in an int, within the option's range
  Switch,   // "1" or "0", held as text
  Text,     // held as text
  Colour,   // held as the stored text, "&H8000000F" or "-2147483633"
};

// The values an integer option takes: minimum, minimum + step, ... maximum.
// A stored value outside them counts as missing.
struct OptionRange {
  int minimum = 0;
  int maximum = 0;
  int step = 1;
};

struct OptionEntry {
  std::string_view key;
  OptionKind kind;
  std::string_view firstRunValue;
  OptionRange allowed{};  // integer options only
  // The value is a path joined onto the program folder ("\Zvuk2\zvuk01.wav"),
  // so it is known only at run time.
  bool underProgramFolder = false;
};

inline constexpr std::string_view kOptionsSection = "Moznosti";

// The ranges are those the options window and the font-size commands offer,
// and the limits the options window accepts as typed.
inline constexpr std::array<OptionEntry, 19> kOptionTable{{
    {"Stav", OptionKind::Marker, "OK"},
    {"Pozadi", OptionKind::Integer, "1", {1, 2}},
    {"Chyba", OptionKind::Integer, "20", {1, 500}},
    {"Zastav", OptionKind::Integer, "6", {3, 15, 3}},
    {"Posun", OptionKind::Integer, "2", {1, 5}},
    {"Klik", OptionKind::Integer, "1", {1, 4}},
    {"Pismo", OptionKind::Integer, "1", {1, 3}},
    {"LimitRychlost", OptionKind::Integer, "160", {1, 500}},
    {"LimitChyba", OptionKind::Integer, "1", {1, 10}},
    {"ZobrazKlavesnici", OptionKind::Switch, "1"},
    {"Barva", OptionKind::Colour, "&H8000000F"},
    {"Barva2", OptionKind::Colour, "&H80000009"},
    {"BarvaPisma", OptionKind::Colour, "0"},
    {"ZvukChyba", OptionKind::Text, "\\Zvuk2\\zvuk01.wav", {}, true},
    {"ZvukKonec", OptionKind::Text, "\\Zvuk2\\zvuk02.wav", {}, true},
    {"ZvukChybaB", OptionKind::Switch, "1"},
    {"ZvukKonecB", OptionKind::Switch, "1"},
    {"LimityVisible", OptionKind::Switch, "1"},
    {"SeznamChyb", OptionKind::Switch, "1"},
}};

// Whether an integer option may hold value.
constexpr bool isAllowed(const OptionRange& range, int value) {
  return value >= range.minimum && value <= range.maximum &&
         (value - range.minimum) % range.step == 0;
}

// Whether a switch may hold text.
constexpr bool isSwitchValue(std::string_view text) { return text == "1" || text == "0"; }

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
// The number a first-run value of digits stands for.
constexpr int digitsValue(std::string_view digits) {
  int value = 0;
  for (const char digit : digits) value = value * 10 + (digit - '0');
  return value;
}

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

// What the first run writes is allowed.
constexpr bool firstRunValuesAllowed() {
  for (const OptionEntry& option : kOptionTable) {
    if (option.kind == OptionKind::Switch && !isSwitchValue(option.firstRunValue)) return false;
    if (option.kind != OptionKind::Integer) continue;
    const int value = digitsValue(option.firstRunValue);
    if (option.allowed.step < 1 || !isAllowed(option.allowed, value)) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::firstRunValuesAllowed());
static_assert(detail::keysDistinctIgnoringCase());
static_assert(detail::fillOrderNamesOptionsOnce());

}  // namespace tymba
