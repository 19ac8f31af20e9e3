#pragma once
// The options a run reads, one variable per key of the "Moznosti" settings
// section and named like the key. They hold the first-run values of the
// options table until the settings are loaded; kOptionFields ties each key of
// the table to its variable, so that loading and saving can walk the table.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/optiontable.h"

namespace tymba {

namespace detail {
consteval int integerDefault(std::string_view key) {
  const OptionEntry& option = optionEntry(key);
  if (option.kind != OptionKind::Integer) throw std::logic_error("not an integer option");
  return digitsValue(option.firstRunValue);
}

consteval std::string_view textDefault(std::string_view key) {
  const OptionEntry& option = optionEntry(key);
  if (option.kind == OptionKind::Marker || option.kind == OptionKind::Integer) {
    throw std::logic_error("not a text option");
  }
  if (option.underProgramFolder) throw std::logic_error("known only at run time");
  return option.firstRunValue;
}
}  // namespace detail

struct Nastaveni {
  int Pozadi = detail::integerDefault("Pozadi");
  int Zastav = detail::integerDefault("Zastav");
  int Posun = detail::integerDefault("Posun");
  // After loading, 0 while sound is unavailable: the stored key is ignored then.
  int Klik = detail::integerDefault("Klik");
  int Chyba = detail::integerDefault("Chyba");
  int Pismo = detail::integerDefault("Pismo");
  int LimitRychlost = detail::integerDefault("LimitRychlost");
  int LimitChyba = detail::integerDefault("LimitChyba");
  std::string ZobrazKlavesnici{detail::textDefault("ZobrazKlavesnici")};
  std::string LimityVisible{detail::textDefault("LimityVisible")};
  std::string SeznamChyb{detail::textDefault("SeznamChyb")};
  // Their first-run values lie under the program folder: set by loading.
  std::string ZvukChyba;
  std::string ZvukKonec;
  std::string ZvukChybaB{detail::textDefault("ZvukChybaB")};
  std::string ZvukKonecB{detail::textDefault("ZvukKonecB")};
  // Colours stay the stored text; they are converted where they are applied.
  std::string Barva{detail::textDefault("Barva")};
  std::string Barva2{detail::textDefault("Barva2")};
  std::string BarvaPisma{detail::textDefault("BarvaPisma")};
};

// The variable of one key of the table: `integer` for integer options, `text`
// for text and colour options; the other stays null.
struct OptionField {
  std::string_view key;
  int Nastaveni::*integer = nullptr;
  std::string Nastaveni::*text = nullptr;
};

inline constexpr std::array<OptionField, 18> kOptionFields{{
    {"Pozadi", &Nastaveni::Pozadi},
    {"Chyba", &Nastaveni::Chyba},
    {"Zastav", &Nastaveni::Zastav},
    {"Posun", &Nastaveni::Posun},
    {"Klik", &Nastaveni::Klik},
    {"Pismo", &Nastaveni::Pismo},
    {"LimitRychlost", &Nastaveni::LimitRychlost},
    {"LimitChyba", &Nastaveni::LimitChyba},
    {"ZobrazKlavesnici", nullptr, &Nastaveni::ZobrazKlavesnici},
    {"Barva", nullptr, &Nastaveni::Barva},
    {"Barva2", nullptr, &Nastaveni::Barva2},
    {"BarvaPisma", nullptr, &Nastaveni::BarvaPisma},
    {"ZvukChyba", nullptr, &Nastaveni::ZvukChyba},
    {"ZvukKonec", nullptr, &Nastaveni::ZvukKonec},
    {"ZvukChybaB", nullptr, &Nastaveni::ZvukChybaB},
    {"ZvukKonecB", nullptr, &Nastaveni::ZvukKonecB},
    {"LimityVisible", nullptr, &Nastaveni::LimityVisible},
    {"SeznamChyb", nullptr, &Nastaveni::SeznamChyb},
}};

// The field of exactly this key of the table.
constexpr const OptionField& optionField(std::string_view key) {
  for (const OptionField& field : kOptionFields) {
    if (field.key == key) return field;
  }
  throw std::out_of_range("not an option with a variable");
}

// Every variable at 0 or empty text: what an option without a stored value
// holds while the settings are read.
inline Nastaveni blankNastaveni() {
  Nastaveni options;
  for (const OptionField& field : kOptionFields) {
    if (field.integer != nullptr) options.*field.integer = 0;
    if (field.text != nullptr) (options.*field.text).clear();
  }
  return options;
}

namespace detail {
// Each key of the table but "Stav" has exactly one field, of its kind.
constexpr bool fieldsMatchTable() {
  std::size_t withVariable = 0;
  for (const OptionEntry& option : kOptionTable) {
    if (option.kind == OptionKind::Marker) continue;
    ++withVariable;
    int found = 0;
    for (const OptionField& field : kOptionFields) {
      if (field.key != option.key) continue;
      ++found;
      const bool wantInteger = option.kind == OptionKind::Integer;
      if ((field.integer != nullptr) != wantInteger) return false;
      if ((field.text != nullptr) == wantInteger) return false;
    }
    if (found != 1) return false;
  }
  return withVariable == kOptionFields.size();
}
}  // namespace detail
static_assert(detail::fieldsMatchTable());

}  // namespace tymba
