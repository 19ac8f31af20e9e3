#include "storage/optionsstartup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/colour.h"
#include "tests/storage/memorysettingsstore.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using testing::MemorySettingsStore;
using testing::RecordedWrite;
using Section = MemorySettingsStore::Section;

// Every option with a value other than its first-run one, as a user who
// changed them all would have it.
std::vector<SettingPair> everyOptionChanged() {
  return {
      {"Stav", "OK"},
      {"Pozadi", "2"},
      {"Chyba", "30"},
      {"Zastav", "9"},
      {"Posun", "3"},
      {"Klik", "2"},
      {"Pismo", "2"},
      {"LimitRychlost", "200"},
      {"LimitChyba", "3"},
      {"ZobrazKlavesnici", "0"},
      {"Barva", "-2147483633"},
      {"Barva2", "255"},
      {"BarvaPisma", "&HFF0000"},
      {"ZvukChyba", "/home/petr/chyba.wav"},
      {"ZvukKonec", "/home/petr/konec.wav"},
      {"ZvukChybaB", "0"},
      {"ZvukKonecB", "0"},
      {"LimityVisible", "0"},
      {"SeznamChyb", "0"},
  };
}

// What everyOptionChanged() loads into, with sound available.
Nastaveni everyOptionChangedLoaded() {
  Nastaveni o;
  o.Pozadi = 2;
  o.Chyba = 30;
  o.Zastav = 9;
  o.Posun = 3;
  o.Klik = 2;
  o.Pismo = 2;
  o.LimitRychlost = 200;
  o.LimitChyba = 3;
  o.ZobrazKlavesnici = "0";
  o.Barva = "-2147483633";
  o.Barva2 = "255";
  o.BarvaPisma = "&HFF0000";
  o.ZvukChyba = "/home/petr/chyba.wav";
  o.ZvukKonec = "/home/petr/konec.wav";
  o.ZvukChybaB = "0";
  o.ZvukKonecB = "0";
  o.LimityVisible = "0";
  o.SeznamChyb = "0";
  return o;
}

void expectSameOptions(const Nastaveni& actual, const Nastaveni& expected) {
  EXPECT_EQ(actual.Pozadi, expected.Pozadi);
  EXPECT_EQ(actual.Chyba, expected.Chyba);
  EXPECT_EQ(actual.Zastav, expected.Zastav);
  EXPECT_EQ(actual.Posun, expected.Posun);
  EXPECT_EQ(actual.Klik, expected.Klik);
  EXPECT_EQ(actual.Pismo, expected.Pismo);
  EXPECT_EQ(actual.LimitRychlost, expected.LimitRychlost);
  EXPECT_EQ(actual.LimitChyba, expected.LimitChyba);
  EXPECT_EQ(actual.ZobrazKlavesnici, expected.ZobrazKlavesnici);
  EXPECT_EQ(actual.Barva, expected.Barva);
  EXPECT_EQ(actual.Barva2, expected.Barva2);
  EXPECT_EQ(actual.BarvaPisma, expected.BarvaPisma);
  EXPECT_EQ(actual.ZvukChyba, expected.ZvukChyba);
  EXPECT_EQ(actual.ZvukKonec, expected.ZvukKonec);
  EXPECT_EQ(actual.ZvukChybaB, expected.ZvukChybaB);
  EXPECT_EQ(actual.ZvukKonecB, expected.ZvukKonecB);
  EXPECT_EQ(actual.LimityVisible, expected.LimityVisible);
  EXPECT_EQ(actual.SeznamChyb, expected.SeznamChyb);
}

// Replaces the value of key (nullopt removes the pair), keeping store order.
std::vector<SettingPair> with(std::vector<SettingPair> pairs, const std::string& key,
                              std::optional<std::string> value) {
  for (auto it = pairs.begin(); it != pairs.end(); ++it) {
    if (it->key != key) continue;
    if (value) {
      it->value = *value;
    } else {
      pairs.erase(it);
    }
    return pairs;
  }
  ADD_FAILURE() << "no key " << key;
  return pairs;
}

class OptionsStartupTest : public testing::TempFolderTest {
 protected:
  // The program folder: a temporary one, so the sound paths are real paths.
  fs::path folder() const { return root_ / "program"; }
  std::string sound(const char* file) const { return (folder() / "Zvuk2" / file).string(); }

  static MemorySettingsStore storeWith(std::vector<SettingPair> options) {
    return MemorySettingsStore(
        {Section{"Uzivatele", {{"Hlavni", ""}}}, Section{"Moznosti", std::move(options)}});
  }

  std::vector<std::string> load(MemorySettingsStore& store, bool soundAvailable = true) {
    state_.ZvukPripraven = soundAvailable;
    return loadOptionsAtStartup(store, state_, folder());
  }

  SharedState state_;
};

TEST_F(OptionsStartupTest, FirstRunWritesEveryDefaultInOrder) {
  MemorySettingsStore store;
  const std::vector<std::string> applied = load(store);

  const std::vector<RecordedWrite> expectedWrites = {
      {"Uzivatele", "Hlavni", ""},
      {"Moznosti", "Stav", "OK"},
      {"Moznosti", "Pozadi", "1"},
      {"Moznosti", "Chyba", "20"},
      {"Moznosti", "Zastav", "6"},
      {"Moznosti", "Posun", "2"},
      {"Moznosti", "Klik", "1"},
      {"Moznosti", "Pismo", "1"},
      {"Moznosti", "LimitRychlost", "160"},
      {"Moznosti", "LimitChyba", "1"},
      {"Moznosti", "ZobrazKlavesnici", "1"},
      {"Moznosti", "Barva", "&H8000000F"},
      {"Moznosti", "Barva2", "&H80000009"},
      {"Moznosti", "BarvaPisma", "0"},
      {"Moznosti", "ZvukChyba", sound("zvuk01.wav")},
      {"Moznosti", "ZvukKonec", sound("zvuk02.wav")},
      {"Moznosti", "ZvukChybaB", "1"},
      {"Moznosti", "ZvukKonecB", "1"},
      {"Moznosti", "LimityVisible", "1"},
      {"Moznosti", "SeznamChyb", "1"},
  };
  EXPECT_EQ(store.writes(), expectedWrites);
  EXPECT_EQ(store.readSection("Moznosti").size(), 19u);

  Nastaveni expected;
  expected.Pozadi = 1;
  expected.Chyba = 20;
  expected.Zastav = 6;
  expected.Posun = 2;
  expected.Klik = 1;
  expected.Pismo = 1;
  expected.LimitRychlost = 160;
  expected.LimitChyba = 1;
  expected.ZobrazKlavesnici = "1";
  expected.Barva = "&H8000000F";
  expected.Barva2 = "&H80000009";
  expected.BarvaPisma = "0";
  expected.ZvukChyba = sound("zvuk01.wav");
  expected.ZvukKonec = sound("zvuk02.wav");
  expected.ZvukChybaB = "1";
  expected.ZvukKonecB = "1";
  expected.LimityVisible = "1";
  expected.SeznamChyb = "1";
  expectSameOptions(state_.nastaveni, expected);

  // Everything was read back; nothing was left to fill.
  const std::vector<std::string> expectedApplied = {
      "Pozadi",        "Chyba",         "Zastav",
      "Posun",         "Klik",          "Pismo",
      "LimitRychlost", "LimitChyba",    "ZobrazKlavesnici",
      "Barva",         "Barva2",        "BarvaPisma",
      "ZvukChyba",     "ZvukKonec",     "ZvukChybaB",
      "ZvukKonecB",    "LimityVisible", "SeznamChyb"};
  EXPECT_EQ(applied, expectedApplied);
}

TEST_F(OptionsStartupTest, EmptyStavIsAFirstRunEvenWithOtherKeysStored) {
  MemorySettingsStore store = storeWith(with(everyOptionChanged(), "Stav", ""));
  load(store);
  EXPECT_EQ(store.writes().size(), 20u);  // "Hlavni" is empty, so it is written too
  EXPECT_EQ(store.read("Moznosti", "Stav", "?"), "OK");
  EXPECT_EQ(state_.nastaveni.Pismo, 1);
  EXPECT_EQ(state_.nastaveni.Barva2, "&H80000009");
  EXPECT_EQ(state_.nastaveni.ZvukChyba, sound("zvuk01.wav"));
}

TEST_F(OptionsStartupTest, ReadsStoredValuesAndFillsOnlyWhatIsMissing) {
  struct Row {
    const char* name;
    std::vector<SettingPair> stored;
    std::vector<RecordedWrite> expectedWrites;       // besides "Hlavni"
    std::function<void(Nastaveni&)> adjustExpected;  // of everyOptionChangedLoaded()
  };
  const std::vector<SettingPair> all = everyOptionChanged();
  const Row rows[] = {
      {"all stored", all, {}, [](Nastaveni&) {}},
      {"without LimitRychlost",
       with(all, "LimitRychlost", std::nullopt),
       {{"Moznosti", "LimitRychlost", "160"}},
       [](Nastaveni& o) { o.LimitRychlost = 160; }},
      {"without Zastav: no fill step",
       with(all, "Zastav", std::nullopt),
       {},
       [](Nastaveni& o) { o.Zastav = 0; }},
      {"without Pozadi, Chyba, Posun, Klik: no fill step",
       with(with(with(with(all, "Pozadi", std::nullopt), "Chyba", std::nullopt), "Posun",
                 std::nullopt),
            "Klik", std::nullopt),
       {},
       [](Nastaveni& o) { o.Pozadi = o.Chyba = o.Posun = o.Klik = 0; }},
      {"Zastav not a number", with(all, "Zastav", "abc"), {}, [](Nastaveni& o) { o.Zastav = 0; }},
      {"Zastav with blanks around",
       with(all, "Zastav", " \t12  "),
       {},
       [](Nastaveni& o) { o.Zastav = 12; }},
      {"Zastav with a blank inside",
       with(all, "Zastav", "1 2"),
       {},
       [](Nastaveni& o) { o.Zastav = 0; }},
      {"Zastav above 16 bits",
       with(all, "Zastav", "32768"),
       {},
       [](Nastaveni& o) { o.Zastav = 0; }},
      {"Zastav at the 16-bit limit",
       with(all, "Zastav", "32767"),
       {},
       [](Nastaveni& o) { o.Zastav = 32767; }},
      {"Posun negative", with(all, "Posun", "-32768"), {}, [](Nastaveni& o) { o.Posun = -32768; }},
      {"Posun below 16 bits", with(all, "Posun", "-32769"), {}, [](Nastaveni& o) { o.Posun = 0; }},
      {"Pismo stored as 0 is filled",
       with(all, "Pismo", "0"),
       {{"Moznosti", "Pismo", "1"}},
       [](Nastaveni& o) { o.Pismo = 1; }},
      {"LimitChyba not a number is filled",
       with(all, "LimitChyba", "1,5"),
       {{"Moznosti", "LimitChyba", "1"}},
       [](Nastaveni& o) { o.LimitChyba = 1; }},
      {"empty text option is filled",
       with(all, "ZvukChybaB", ""),
       {{"Moznosti", "ZvukChybaB", "1"}},
       [](Nastaveni& o) { o.ZvukChybaB = "1"; }},
      {"text option is copied as it is",
       with(all, "SeznamChyb", " ano "),
       {},
       [](Nastaveni& o) { o.SeznamChyb = " ano "; }},
      {"unparseable Barva is filled",
       with(all, "Barva", "modrá"),
       {{"Moznosti", "Barva", "&H8000000F"}},
       [](Nastaveni& o) { o.Barva = "&H8000000F"; }},
      {"Barva2 with a blank is filled",
       with(all, "Barva2", " 255"),
       {{"Moznosti", "Barva2", "&H80000009"}},
       [](Nastaveni& o) { o.Barva2 = "&H80000009"; }},
      {"BarvaPisma stored as 0 is black, not missing",
       with(all, "BarvaPisma", "0"),
       {},
       [](Nastaveni& o) { o.BarvaPisma = "0"; }},
      {"without BarvaPisma",
       with(all, "BarvaPisma", std::nullopt),
       {{"Moznosti", "BarvaPisma", "0"}},
       [](Nastaveni& o) { o.BarvaPisma = "0"; }},
      {"without the sound files",
       with(with(all, "ZvukChyba", std::nullopt), "ZvukKonec", ""),
       {{"Moznosti", "ZvukChyba", sound("zvuk01.wav")},
        {"Moznosti", "ZvukKonec", sound("zvuk02.wav")}},
       [this](Nastaveni& o) {
         o.ZvukChyba = sound("zvuk01.wav");
         o.ZvukKonec = sound("zvuk02.wav");
       }},
      {"unknown keys are ignored and kept",
       [&] {
         std::vector<SettingPair> pairs = all;
         pairs.insert(pairs.begin() + 3, {"Zvuk", "2"});
         pairs.push_back({"Stav2", ""});
         return pairs;
       }(),
       {},
       [](Nastaveni&) {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemorySettingsStore store = storeWith(row.stored);
    state_ = SharedState();
    load(store);

    std::vector<RecordedWrite> expectedWrites = {{"Uzivatele", "Hlavni", ""}};
    expectedWrites.insert(expectedWrites.end(), row.expectedWrites.begin(),
                          row.expectedWrites.end());
    EXPECT_EQ(store.writes(), expectedWrites);

    Nastaveni expected = everyOptionChangedLoaded();
    row.adjustExpected(expected);
    expectSameOptions(state_.nastaveni, expected);
  }
}

TEST_F(OptionsStartupTest, BothColourFormsGiveTheSameColour) {
  std::optional<std::uint32_t> colours[2];
  const char* const forms[] = {"-2147483633", "&H8000000F"};
  for (int n = 0; n < 2; ++n) {
    SCOPED_TRACE(forms[n]);
    MemorySettingsStore store = storeWith(with(everyOptionChanged(), "Barva", forms[n]));
    load(store);
    EXPECT_EQ(state_.nastaveni.Barva, forms[n]);  // kept as stored
    colours[n] = parseColour(state_.nastaveni.Barva);
  }
  ASSERT_TRUE(colours[0].has_value());
  EXPECT_EQ(colours[0], colours[1]);
  EXPECT_TRUE(isSystemColour(*colours[0]));
  EXPECT_EQ(systemColourIndex(*colours[0]), 15u);
}

TEST_F(OptionsStartupTest, MainIdentityIsCreatedWhenMissingOrEmptyOnly) {
  struct Row {
    const char* name;
    std::vector<Section> identities;
    bool written;
    const char* storedAfter;
  };
  const Row rows[] = {
      {"no identities section", {}, true, ""},
      {"section without Hlavni", {Section{"Uzivatele", {{"Petr", "heslo"}}}}, true, ""},
      {"Hlavni with an empty value", {Section{"Uzivatele", {{"Hlavni", ""}}}}, true, ""},
      {"Hlavni with a password is left alone",
       {Section{"Uzivatele", {{"Hlavni", "tajne"}}}},
       false,
       "tajne"},
      {"names ignoring case", {Section{"UZIVATELE", {{"hlavni", "x"}}}}, false, "x"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Section> sections = row.identities;
    sections.push_back(Section{"Moznosti", everyOptionChanged()});
    MemorySettingsStore store(std::move(sections));
    state_.AktualniUzivatel = u"Petr";
    load(store);

    const std::vector<RecordedWrite> expectedWrites =
        row.written ? std::vector<RecordedWrite>{{"Uzivatele", "Hlavni", ""}}
                    : std::vector<RecordedWrite>{};
    EXPECT_EQ(store.writes(), expectedWrites);
    EXPECT_EQ(store.read("Uzivatele", "Hlavni", "missing"), row.storedAfter);
    EXPECT_EQ(state_.AktualniUzivatel, u"Hlavni");
  }
  // Other identities stay.
  MemorySettingsStore store({Section{"Uzivatele", {{"Petr", "heslo"}}}});
  load(store);
  EXPECT_EQ(store.read("Uzivatele", "Petr", ""), "heslo");
}

TEST_F(OptionsStartupTest, KeysMatchIgnoringCase) {
  std::vector<SettingPair> pairs = everyOptionChanged();
  pairs = with(pairs, "Pismo", std::nullopt);
  pairs = with(pairs, "LimitRychlost", std::nullopt);
  pairs.push_back({"pismo", "3"});
  pairs.push_back({"LIMITRYCHLOST", "90"});
  MemorySettingsStore store(
      {Section{"Uzivatele", {{"Hlavni", ""}}}, Section{"MOZNOSTI", std::move(pairs)}});
  const std::vector<std::string> applied = load(store);

  EXPECT_EQ(state_.nastaveni.Pismo, 3);
  EXPECT_EQ(state_.nastaveni.LimitRychlost, 90);
  // Found under their other spelling, so not filled.
  EXPECT_EQ(store.writes(), (std::vector<RecordedWrite>{{"Uzivatele", "Hlavni", ""}}));
  // Reported as the table spells them.
  ASSERT_GE(applied.size(), 2u);
  EXPECT_EQ(applied[applied.size() - 2], "Pismo");
  EXPECT_EQ(applied.back(), "LimitRychlost");
}

TEST_F(OptionsStartupTest, KlikOnlyWithSound) {
  for (const bool soundAvailable : {true, false}) {
    SCOPED_TRACE(soundAvailable ? "sound available" : "no sound");
    MemorySettingsStore store = storeWith(everyOptionChanged());
    const std::vector<std::string> applied = load(store, soundAvailable);
    EXPECT_EQ(state_.nastaveni.Klik, soundAvailable ? 2 : 0);
    EXPECT_EQ(std::count(applied.begin(), applied.end(), "Klik"), soundAvailable ? 1 : 0);
    // The sound files are kept either way, and Klik is never written.
    EXPECT_EQ(state_.nastaveni.ZvukChyba, "/home/petr/chyba.wav");
    EXPECT_EQ(state_.nastaveni.ZvukKonec, "/home/petr/konec.wav");
    EXPECT_EQ(store.writes().size(), 1u);
  }
  // On a first run without sound Klik is written but not taken.
  MemorySettingsStore store;
  load(store, false);
  EXPECT_EQ(store.read("Moznosti", "Klik", ""), "1");
  EXPECT_EQ(state_.nastaveni.Klik, 0);
}

TEST_F(OptionsStartupTest, AppliedKeysInReadingOrderThenFilled) {
  const std::vector<SettingPair> stored = {
      {"Pismo", "0"},      {"Stav", "OK"},          {"Nesmysl", "1"},
      {"barva", "&HFF"},   {"Zastav", "abc"},       {"Barva2", "x"},
      {"Klik", "3"},       {"ZvukKonec", "/z.wav"}, {"ZobrazKlavesnici", "0"},
      {"LimitChyba", "4"},
  };
  MemorySettingsStore store = storeWith(stored);
  const std::vector<std::string> applied = load(store);
  const std::vector<std::string> expected = {
      // read, in store order; "Zastav" and "Barva2" had values of no use
      "Pismo", "Barva", "Klik", "ZvukKonec", "ZobrazKlavesnici", "LimitChyba",
      // filled, in fill order
      "ZvukChyba", "ZvukChybaB", "ZvukKonecB", "LimitRychlost", "SeznamChyb", "Pismo", "Barva2",
      "LimityVisible", "BarvaPisma"};
  EXPECT_EQ(applied, expected);
  EXPECT_EQ(state_.nastaveni.Pismo, 1);
  EXPECT_EQ(state_.nastaveni.Barva, "&HFF");
  EXPECT_EQ(state_.nastaveni.Zastav, 0);
}

TEST_F(OptionsStartupTest, SoundPathsFollowTheProgramFolderOnDisk) {
  fs::create_directories(folder() / "ZVUK2");
  std::ofstream(folder() / "ZVUK2" / "Zvuk01.WAV") << "RIFF";
  MemorySettingsStore store;
  load(store);
  EXPECT_EQ(state_.nastaveni.ZvukChyba, (folder() / "ZVUK2" / "Zvuk01.WAV").string());
  EXPECT_EQ(state_.nastaveni.ZvukKonec, (folder() / "ZVUK2" / "zvuk02.wav").string());
}

}  // namespace
}  // namespace tymba
