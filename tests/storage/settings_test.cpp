// The settings file and what a start makes of it.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <set>
#include <string>

#include "core/options.h"
#include "storage/inisettingsstore.h"
#include "storage/optionsstartup.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
const fs::path kGolden = TYMBA_STORAGE_GOLDEN_DIR;

class IniSettingsStoreTest : public testing::TempFolderTest {
 protected:
  fs::path file() const { return root_ / "config" / "Tymba" / "Tymba.ini"; }  // folders missing
};

TEST_F(IniSettingsStoreTest, SeesItsOwnWritesAndChangesMadeElsewhereMatchingNamesIgnoringCase) {
  IniSettingsStore store(file());
  EXPECT_EQ(store.read("Moznosti", "Pismo", "none"), "none");
  store.remove("Moznosti", "Pismo");
  EXPECT_FALSE(fs::exists(root_ / "config")) << "changing nothing creates nothing";
  store.write("Moznosti", "Pismo", "1");
  EXPECT_EQ(store.read("MOZNOSTI", "pismo", "none"), "1");
  EXPECT_EQ(modeOf(file().parent_path()), fs::perms::owner_all);
  EXPECT_EQ(modeOf(file()), fs::perms(0600));
  // Another store writes within the same tick of the file clock.
  const auto time = fs::last_write_time(file());
  IniSettingsStore(file()).write("Moznosti", "Klik", "2");
  fs::last_write_time(file(), time);
  EXPECT_EQ(store.read("Moznosti", "Klik", "none"), "2");
  writeBytes(file(), "[Moznosti]\nPismo=3\n");  // a hand edit in place
  fs::permissions(file(), fs::perms(0640));
  EXPECT_EQ(store.read("Moznosti", "Pismo", "none"), "3");
  store.write("Moznosti", "Klik", "4");
  EXPECT_EQ(readBytes(file()), "[Moznosti]\nPismo=3\nKlik=4\n");
  EXPECT_EQ(modeOf(file()), fs::perms(0600));
  // Names match ignoring case but not accents; a name keeps its place and first spelling.
  store.write("Čeština", "a", "1");
  store.write("Čeština", "ěščřžýáíéúůďťň", "2");
  store.write("Čeština", "escrzyaieuudtn", "3");
  store.remove("ČEŠTINA", "A");
  store.write("čeŠTINA", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇ", "22");
  store.write("Čeština", "A", "again");
  EXPECT_EQ(readBytes(file()),
            "[Moznosti]\nPismo=3\nKlik=4\n\n[Čeština]\něščřžýáíéúůďťň=22\n"
            "escrzyaieuudtn=3\nA=again\n");
}

TEST_F(IniSettingsStoreTest, GoldenFilesReadAndWriteAsTheyShould) {
  const std::string golden = readBytes(kGolden / "Tymba.ini");
  IniSettingsStore store(file());
  for (const SettingsSection& section : parseSettingsText(golden))
    for (const SettingPair& pair : section.pairs) store.write(section.name, pair.key, pair.value);
  EXPECT_EQ(readBytes(file()), golden);
  // Escaped: blanks at the ends, line breaks, tabs, backslashes and the format's own characters.
  EXPECT_EQ(store.read("Uzivatele", "Jana Nováková", ""), " heslo s mezerami ");
  EXPECT_EQ(store.read("Uzivatele", "Petr", ""), "a=b;c#d[e]f\\n\\");
  EXPECT_EQ(store.read("Uzivatele", "Řehoř Čížek", ""), "první řádek\r\ndruhý\tsloupec");
  EXPECT_EQ(store.read("Uzivatele", "[host]", ""), "-2147483633");
  // Bytes that are not text are escaped, so the file stays one a fresh store reads.
  const std::string notText("\xFF\xED\xA0\x80\0\xC4\\x41 \xF0\x9F\x98\x80", 15);
  store.write("Uzivatele", notText, notText);
  EXPECT_EQ(IniSettingsStore(file()).read("Uzivatele", notText, ""), notText);
  EXPECT_NE(readBytes(file()).find("\\xFF\\xED\\xA0\\x80\\x00\\xC4\\\\x41 \xF0"),
            std::string::npos);
  // Skipped: a byte order mark, comments, lines without "=", a header without
  // "]" and what follows it, repeated keys. Trimmed: blanks around names.
  writeBytes(file(), readBytes(kGolden / "handwritten.ini"));
  store.writeAll("b", {{"Y", "1 2"}, {"z", "3"}});
  EXPECT_EQ(readBytes(file()), readBytes(kGolden / "handwritten.ini")) << "nothing changed";
  store.write("Nova", "k", "v");
  EXPECT_EQ(readBytes(file()), readBytes(kGolden / "handwritten-rewritten.ini"));
}

TEST_F(IniSettingsStoreTest, FailedWriteLeavesTheFileAndTheStoreAsTheyWere) {
  IniSettingsStore store(file());
  store.write("Moznosti", "b", "old");
  store.writeAll("Moznosti", {{"a", "1"}, {"B", "2"}});
  {
    testing::FileSizeLimit tooSmallForTheTemporaryFile;
    EXPECT_THROW(store.write("Moznosti", "a", "changed"), SettingsError);
    EXPECT_THROW(store.remove("Moznosti", "b"), SettingsError);
    EXPECT_THROW(store.writeAll("Moznosti", {{"d", "4"}, {"a", "changed"}}), SettingsError);
  }
  store.write("Moznosti", "c", "3");  // onto the old state, not the failed changes
  EXPECT_EQ(readBytes(file()), "[Moznosti]\nb=2\na=1\nc=3\n");
}

TEST_F(IniSettingsStoreTest, FileThatIsNotTextIsMovedAsideAndStartedAfresh) {
  for (const std::string& bytes : {std::string("[Moznosti]\nStav=OK\0\n", 20),
                                   std::string("[Moznosti]\nStav=OK\nPozn\xE1mka=1\n")}) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    writeBytes(file(), bytes);
    IniSettingsStore store(file());
    EXPECT_EQ(store.read("Moznosti", "Stav", "none"), "none");
    store.write("Moznosti", "Stav", "OK");
    EXPECT_EQ(readBytes(file()), "[Moznosti]\nStav=OK\n");
    EXPECT_EQ(readBytes(store.setAside()), bytes);
  }
  // The second file set aside did not replace the first.
  EXPECT_EQ(namesIn(file().parent_path()),
            (Names{"Tymba.ini", "Tymba.ini.poskozeny", "Tymba.ini.poskozeny2"}));
}

TEST_F(IniSettingsStoreTest, StaleTemporaryFilesOfKilledWritesAreRemoved) {
  const fs::path folder = file().parent_path();
  for (const char* name :
       {".Tymba.ini.tmp123", ".Tymba.ini.tmpx", ".Jiny.ini.tmp1", "Tymba.ini.tmp1"}) {
    writeBytes(folder / name, "old");
    fs::last_write_time(folder / name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }
  writeBytes(folder / ".Tymba.ini.tmp456", "a write in progress");
  IniSettingsStore store(file());
  EXPECT_EQ(namesIn(folder),
            (Names{".Jiny.ini.tmp1", ".Tymba.ini.tmp456", ".Tymba.ini.tmpx", "Tymba.ini.tmp1"}));
}

class OptionsStartupTest : public testing::TempFolderTest {
 protected:
  // Starts the program with the settings file as it is.
  void start(bool sound = true) {
    writeBytes(root_ / "program" / "ZVUK2" / "Zvuk01.WAV", "");
    IniSettingsStore store(root_ / "Tymba.ini");
    state_ = SharedState();
    state_.ZvukPripraven = sound;
    state_.AktualniUzivatel = u"Petr";
    result_ = loadOptionsAtStartup(store, state_, {root_ / "program", root_ / "user"});
    EXPECT_EQ(state_.AktualniUzivatel, u"Hlavni");
  }
  // What the program runs with, one "key=value" a line.
  std::string runsWith() const {
    const Nastaveni& o = state_.nastaveni;
    std::string text;
    for (const OptionField& field : kOptionFields)
      text += std::string(field.key) + "=" +
              (field.integer ? std::to_string(o.*field.integer) : o.*field.text) + "\n";
    return text;
  }

  SharedState state_;
  OptionsLoad result_;
};

TEST_F(OptionsStartupTest, GoldenCasesGiveTheirFileAndOptions) {
  const auto cases =
      testing::goldenCases(kGolden / "start.txt", {{"{program}", (root_ / "program").string()}});
  ASSERT_EQ(cases.size(), 8u);
  for (const auto& [name, parts] : cases) {
    SCOPED_TRACE(name);
    fs::remove(root_ / "Tymba.ini");
    if (!parts[0].empty()) writeBytes(root_ / "Tymba.ini", parts[0]);
    start();
    EXPECT_EQ(readBytes(root_ / "Tymba.ini"), parts[1]);
    EXPECT_EQ(runsWith(), parts[2]);
    std::string applied;
    for (const std::string& key : result_.applied) applied += key + "\n";
    EXPECT_TRUE(parts[3].empty() || applied == parts[3]) << applied;
  }
}

TEST_F(OptionsStartupTest, WhatCannotBeWrittenOrReadHoldsInMemory) {
  start(false);  // without sound Klik is not taken, though written on a first run
  EXPECT_EQ(state_.nastaveni.Klik, 0);
  start();
  const std::string defaults = runsWith();
  fs::remove(root_ / "Tymba.ini");
  {
    testing::FileSizeLimit diskFull;
    start();  // a first run on a full disk
  }
  EXPECT_NE(result_.writeError, "");
  EXPECT_EQ(runsWith(), defaults);
  // A FIFO (opening it would wait for a writer), then a file that is not text.
  ASSERT_EQ(::mkfifo((root_ / "Tymba.ini").c_str(), 0600), 0);
  start();
  EXPECT_TRUE(result_.unreadable);
  EXPECT_NE(result_.writeError, "");
  EXPECT_EQ(runsWith(), defaults);
  fs::remove(root_ / "Tymba.ini");
  writeBytes(root_ / "Tymba.ini", std::string("[Moznosti]\0Stav=OK\n", 20));
  start();
  EXPECT_NE(result_.setAside, "");
  EXPECT_EQ(runsWith(), defaults);
}

}  // namespace
}  // namespace tymba
