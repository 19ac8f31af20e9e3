#include "storage/optionsstartup.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "storage/inisettingsstore.h"
#include "tests/storage/memorysettingsstore.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using testing::MemorySettingsStore;
using testing::RecordedWrite;
using Section = MemorySettingsStore::Section;
// Options are written "key=value" here; a change "key" alone removes the key.
using Options = std::vector<std::string>;

// Every option with a value other than its first-run one, as a user who
// changed them all would have it; each loads as it is stored.
const Options kEveryOptionChanged = {"Pozadi=2",          "Chyba=30",         "Zastav=9",
                                     "Posun=3",           "Klik=2",           "Pismo=2",
                                     "LimitRychlost=200", "LimitChyba=3",     "ZobrazKlavesnici=0",
                                     "Barva=-2147483633", "Barva2=255",       "BarvaPisma=&HFF0000",
                                     "ZvukChyba=/a.wav",  "ZvukKonec=/b.wav", "ZvukChybaB=0",
                                     "ZvukKonecB=0",      "LimityVisible=0",  "SeznamChyb=0"};

// The option variables, each named by hand so that a key tied to the wrong
// variable shows.
Options loaded(const Nastaveni& o) {
  const auto n = [](int value) { return std::to_string(value); };
  return {"Pozadi=" + n(o.Pozadi),
          "Chyba=" + n(o.Chyba),
          "Zastav=" + n(o.Zastav),
          "Posun=" + n(o.Posun),
          "Klik=" + n(o.Klik),
          "Pismo=" + n(o.Pismo),
          "LimitRychlost=" + n(o.LimitRychlost),
          "LimitChyba=" + n(o.LimitChyba),
          "ZobrazKlavesnici=" + o.ZobrazKlavesnici,
          "Barva=" + o.Barva,
          "Barva2=" + o.Barva2,
          "BarvaPisma=" + o.BarvaPisma,
          "ZvukChyba=" + o.ZvukChyba,
          "ZvukKonec=" + o.ZvukKonec,
          "ZvukChybaB=" + o.ZvukChybaB,
          "ZvukKonecB=" + o.ZvukKonecB,
          "LimityVisible=" + o.LimityVisible,
          "SeznamChyb=" + o.SeznamChyb};
}

std::string keyOf(const std::string& option) { return option.substr(0, option.find('=')); }
std::string valueOf(const std::string& option) { return option.substr(keyOf(option).size() + 1); }

// The options with each change made in place; a new key goes at the end.
Options changed(Options options, const Options& changes) {
  for (const std::string& change : changes) {
    const auto it = std::find_if(options.begin(), options.end(),
                                 [&](auto& option) { return keyOf(option) == keyOf(change); });
    if (change.find('=') == std::string::npos) {
      options.erase(it);
    } else if (it == options.end()) {
      options.push_back(change);
    } else {
      *it = change;
    }
  }
  return options;
}

std::vector<SettingPair> settingPairs(const Options& options) {
  std::vector<SettingPair> pairs{{"Stav", "OK"}};
  for (const std::string& option : options) pairs.push_back({keyOf(option), valueOf(option)});
  return pairs;
}

class OptionsStartupTest : public testing::TempFolderTest {
 protected:
  // The program folder: a temporary one, so the sound paths are real paths.
  fs::path folder() const { return root_ / "program"; }
  std::string sound(const char* file) const { return (folder() / "Zvuk2" / file).string(); }

  static MemorySettingsStore storeWith(const Options& options) {
    return MemorySettingsStore(
        {Section{"Uzivatele", {{"Hlavni", ""}}}, Section{"Moznosti", settingPairs(options)}});
  }
  std::vector<std::string> load(MemorySettingsStore& store, bool soundAvailable = true) {
    state_ = SharedState();
    state_.ZvukPripraven = soundAvailable;
    return loadOptionsAtStartup(store, state_, folder()).applied;
  }

  SharedState state_;
};

TEST_F(OptionsStartupTest, FirstRunWritesEveryDefaultInOrderAndLoadsIt) {
  const Options defaults =
      changed({"Pozadi=1", "Chyba=20", "Zastav=6", "Posun=2", "Klik=1", "Pismo=1",
               "LimitRychlost=160", "LimitChyba=1", "ZobrazKlavesnici=1", "Barva=&H8000000F",
               "Barva2=&H80000009", "BarvaPisma=0", "ZvukChyba=", "ZvukKonec=", "ZvukChybaB=1",
               "ZvukKonecB=1", "LimityVisible=1", "SeznamChyb=1"},
              {"ZvukChyba=" + sound("zvuk01.wav"), "ZvukKonec=" + sound("zvuk02.wav")});
  std::vector<RecordedWrite> writes = {{"Uzivatele", "Hlavni", ""}, {"Moznosti", "Stav", "OK"}};
  std::vector<std::string> keys;
  for (const std::string& option : defaults) {
    writes.push_back({"Moznosti", keyOf(option), valueOf(option)});
    keys.push_back(keyOf(option));
  }
  MemorySettingsStore emptyStore;
  MemorySettingsStore emptyStav = storeWith(kEveryOptionChanged);
  emptyStav.write("Moznosti", "Stav", "");
  for (MemorySettingsStore* store : {&emptyStore, &emptyStav}) {
    SCOPED_TRACE(store == &emptyStore ? "empty store" : "Stav empty, every option stored");
    const std::size_t before = store->writes().size();
    const std::vector<std::string> applied = load(*store);
    EXPECT_EQ(std::vector<RecordedWrite>(store->writes().begin() + before, store->writes().end()),
              writes);
    EXPECT_EQ(loaded(state_.nastaveni), defaults);
    EXPECT_EQ(applied, keys);  // all read back, nothing left to fill
  }
}

TEST_F(OptionsStartupTest, ReadsStoredValuesAndFillsOnlyWhatIsMissing) {
  struct Row {
    const char* name;
    Options stored;  // changes to kEveryOptionChanged
    Options filled;  // written to "Moznosti" in this order, and loaded
    Options loaded;  // other changes to what is loaded
  };
  const Row rows[] = {
      {"all stored", {}, {}, {}},
      {"no fill for Pozadi, Chyba, Zastav, Posun, Klik",
       {"Pozadi", "Chyba", "Zastav", "Posun", "Klik"},
       {},
       {"Pozadi=0", "Chyba=0", "Zastav=0", "Posun=0", "Klik=0"}},
      {"missing key filled", {"LimitRychlost"}, {"LimitRychlost=160"}, {}},
      {"blanks around a number", {"Zastav= \t12  "}, {}, {"Zastav=12"}},
      {"a blank inside a number", {"Zastav=1 2"}, {}, {"Zastav=0"}},
      {"the ends of the ranges",
       {"Pozadi=1", "Chyba=500", "Zastav=15", "Posun=5", "Klik=4", "Pismo=3", "LimitChyba=10"},
       {},
       {"Pozadi=1", "Chyba=500", "Zastav=15", "Posun=5", "Klik=4", "Pismo=3", "LimitChyba=10"}},
      {"out of range without a fill: 0",
       {"Pozadi=3", "Chyba=501", "Zastav=7", "Posun=0", "Klik=-1"},
       {},
       {"Pozadi=0", "Chyba=0", "Zastav=0", "Posun=0", "Klik=0"}},
      {"out of range with a fill: filled",
       {"Pismo=32767", "LimitRychlost=501", "LimitChyba=-100"},
       {"LimitRychlost=160", "LimitChyba=1", "Pismo=1"},
       {}},
      {"beyond 16 bits", {"Zastav=32768", "Posun=-32769"}, {}, {"Zastav=0", "Posun=0"}},
      {"0 and no number are filled",
       {"LimitChyba=1,5", "Pismo=0"},
       {"LimitChyba=1", "Pismo=1"},
       {}},
      {"a switch other than 1 or 0 filled",
       {"SeznamChyb= ano ", "ZvukKonecB=2"},
       {"ZvukKonecB=1", "SeznamChyb=1"},
       {}},
      {"missing or empty text filled, sounds under the program folder",
       {"ZvukChyba", "ZvukKonec=", "ZvukChybaB="},
       {"ZvukChyba=" + sound("zvuk01.wav"), "ZvukKonec=" + sound("zvuk02.wav"), "ZvukChybaB=1"},
       {}},
      {"colours in no known form filled",
       {"Barva=modrá", "Barva2= 255"},
       {"Barva=&H8000000F", "Barva2=&H80000009"},
       {}},
      {"colour 0 is black, not missing", {"BarvaPisma=0"}, {}, {"BarvaPisma=0"}},
      {"unknown key ignored and kept", {"Zvuk=2"}, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemorySettingsStore store = storeWith(changed(kEveryOptionChanged, row.stored));
    load(store);
    std::vector<RecordedWrite> writes = {{"Uzivatele", "Hlavni", ""}};
    for (const std::string& option : row.filled)
      writes.push_back({"Moznosti", keyOf(option), valueOf(option)});
    EXPECT_EQ(store.writes(), writes);
    EXPECT_EQ(loaded(state_.nastaveni),
              changed(changed(kEveryOptionChanged, row.loaded), row.filled));
    EXPECT_TRUE(store.removals().empty());
  }
}

TEST_F(OptionsStartupTest, MainIdentityIsWrittenWhenMissingOrEmptyOnly) {
  struct Row {
    const char* name;
    std::vector<SettingPair> identities;  // each stays as it is
    bool written;
  };
  const Row rows[] = {
      {"missing", {{"Petr", "heslo"}}, true},
      {"empty", {{"Hlavni", ""}}, true},
      {"with a password", {{"Hlavni", "tajne"}}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemorySettingsStore store({Section{"Uzivatele", row.identities},
                               Section{"Moznosti", settingPairs(kEveryOptionChanged)}});
    state_.AktualniUzivatel = u"Petr";
    loadOptionsAtStartup(store, state_, folder());
    EXPECT_EQ(store.writes().size(), row.written ? 1u : 0u);  // "Hlavni" = "" when written
    for (const SettingPair& pair : row.identities)
      EXPECT_EQ(store.read("Uzivatele", pair.key, "?"), pair.value);
    EXPECT_EQ(state_.AktualniUzivatel, u"Hlavni");
  }
}

TEST_F(OptionsStartupTest, KlikIsTakenOnlyWithSound) {
  MemorySettingsStore store = storeWith(kEveryOptionChanged);
  const std::vector<std::string> applied = load(store, false);
  EXPECT_EQ(std::count(applied.begin(), applied.end(), "Klik"), 0);
  EXPECT_EQ(loaded(state_.nastaveni), changed(kEveryOptionChanged, {"Klik=0"}));
  EXPECT_EQ(store.writes().size(), 1u);  // "Hlavni" only

  // On a first run without sound Klik is written but not taken.
  MemorySettingsStore empty;
  load(empty, false);
  EXPECT_EQ(empty.read("Moznosti", "Klik", ""), "1");
  EXPECT_EQ(state_.nastaveni.Klik, 0);
}

TEST_F(OptionsStartupTest, WhatCannotBeWrittenHoldsInMemory) {
  MemorySettingsStore firstRun;
  load(firstRun);
  const Options defaults = loaded(state_.nastaveni);
  MemorySettingsStore refusing = storeWith(changed(kEveryOptionChanged, {"LimitRychlost"}));
  MemorySettingsStore refusingFirstRun;
  refusing.refuseWrites = refusingFirstRun.refuseWrites = true;
  ASSERT_EQ(::mkfifo((root_ / "fifo").c_str(), 0600), 0);
  IniSettingsStore fifo(root_ / "fifo");
  writeBytes(root_ / "binary.ini", std::string("[Moznosti]\0Stav=OK\n", 20));
  IniSettingsStore notText(root_ / "binary.ini");
  struct Row {
    const char* name;
    SettingsStore* store;
    Options loaded;
    bool writeFails, unreadable;
  };
  const Row rows[] = {
      {"an option missing", &refusing, changed(kEveryOptionChanged, {"LimitRychlost=160"}), true,
       false},
      {"a first run", &refusingFirstRun, defaults, true, false},
      {"a FIFO in place of the file", &fifo, defaults, true, true},
      {"a file that is not text", &notText, defaults, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const OptionsLoad result = loadOptionsAtStartup(*row.store, state_, folder());
    EXPECT_EQ(loaded(state_.nastaveni), row.loaded);
    EXPECT_EQ(!result.writeError.empty(), row.writeFails);
    EXPECT_EQ(result.unreadable, row.unreadable);
    EXPECT_EQ(result.setAside.empty(), row.store != &notText);
  }
  EXPECT_EQ(refusing.read("Moznosti", "LimitRychlost", "none"), "none");
  EXPECT_EQ(fs::status(root_ / "fifo").type(), fs::file_type::fifo);
}

TEST_F(OptionsStartupTest, AppliedKeysInReadingOrderThenFilled) {
  MemorySettingsStore store(
      {Section{"Uzivatele", {{"Hlavni", "x"}}}, Section{"Moznosti",
                                                        {{"ZvukChyba", ""},
                                                         {"Stav", "OK"},
                                                         {"Nesmysl", "1"},
                                                         {"barva", "&HFF"},
                                                         {"Zastav", "abc"},
                                                         {"Barva2", "x"},
                                                         {"Klik", "3"},
                                                         {"ZvukKonec", "/z.wav"},
                                                         {"ZOBRAZklavesnici", "0"},
                                                         {"LimitChyba", "4"}}}});
  const std::vector<std::string> applied = load(store);
  // Read in store order, spelt as the table spells them ("Zastav" and
  // "Barva2" had values of no use), then filled in fill order.
  const std::vector<std::string> read = {"ZvukChyba",        "Barva",     "Klik", "ZvukKonec",
                                         "ZobrazKlavesnici", "LimitChyba"};
  const std::vector<std::string> filled = {"ZvukChyba",     "ZvukChybaB",    "ZvukKonecB",
                                           "LimitRychlost", "SeznamChyb",    "Pismo",
                                           "Barva2",        "LimityVisible", "BarvaPisma"};
  std::vector<std::string> expected = read;
  expected.insert(expected.end(), filled.begin(), filled.end());
  EXPECT_EQ(applied, expected);
  std::vector<std::string> written;
  for (const RecordedWrite& write : store.writes()) written.push_back(write.key);
  EXPECT_EQ(written, filled);
  EXPECT_EQ(state_.nastaveni.Pismo, 1);
  EXPECT_EQ(state_.nastaveni.Barva, "&HFF");
  EXPECT_EQ(state_.nastaveni.Zastav, 0);
}

TEST_F(OptionsStartupTest, SoundPathsFollowTheProgramFolderOnDisk) {
  writeBytes(folder() / "ZVUK2" / "Zvuk01.WAV", "RIFF");
  MemorySettingsStore store;
  load(store);
  EXPECT_EQ(state_.nastaveni.ZvukChyba, (folder() / "ZVUK2" / "Zvuk01.WAV").string());
  EXPECT_EQ(state_.nastaveni.ZvukKonec, (folder() / "ZVUK2" / "zvuk02.wav").string());
}

}  // namespace
}  // namespace tymba
