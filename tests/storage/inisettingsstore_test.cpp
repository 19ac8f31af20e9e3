#include "storage/inisettingsstore.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;

using Pairs = std::vector<std::pair<std::string, std::string>>;
using Sections = std::vector<std::pair<std::string, Pairs>>;

Pairs pairsOf(const std::vector<SettingPair>& pairs) {
  Pairs result;
  for (const SettingPair& pair : pairs) result.emplace_back(pair.key, pair.value);
  return result;
}

Sections sectionsOf(const std::vector<SettingsSection>& sections) {
  Sections result;
  for (const SettingsSection& section : sections)
    result.emplace_back(section.name, pairsOf(section.pairs));
  return result;
}

class IniSettingsStoreTest : public testing::TempFolderTest {
 protected:
  fs::path file() const { return root_ / "Tymba" / "Tymba.ini"; }
  Pairs onDisk(std::string_view section) const {
    return pairsOf(IniSettingsStore(file()).readSection(section));
  }
};

// Lets no file of this process grow past a few bytes while it lives, so that
// writing the temporary file of a rewrite fails half-way.
class FileSizeLimit {
 public:
  FileSizeLimit() : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int);
};

TEST_F(IniSettingsStoreTest, ReadsWhatThisOrAnotherStoreWroteElseTheDefault) {
  IniSettingsStore writer(file());
  EXPECT_EQ(writer.read("Moznosti", "Stav", "výchozí"), "výchozí");
  EXPECT_TRUE(writer.readSection("Moznosti").empty());
  EXPECT_FALSE(fs::exists(root_ / "Tymba")) << "reading creates nothing";
  writer.write("Moznosti", "Stav", "OK");
  writer.write("Moznosti", "Zastav", "6");
  writer.write("Uzivatele", "Hlavni", "");
  writer.write("Moznosti", "Zastav", "12");
  IniSettingsStore reader(file());
  for (const IniSettingsStore* store : {&writer, &reader}) {
    SCOPED_TRACE(store == &writer ? "same store" : "second store");
    EXPECT_EQ(store->read("Uzivatele", "Hlavni", "missing"), "");
    EXPECT_EQ(store->read("Moznosti", "Hlavni", "missing"), "missing");
    EXPECT_EQ(store->read("Jinde", "Stav", "missing"), "missing");
    EXPECT_EQ(pairsOf(store->readSection("Moznosti")), (Pairs{{"Stav", "OK"}, {"Zastav", "12"}}));
  }
}

TEST_F(IniSettingsStoreTest, SeesChangesMadeElsewhereAndWritesOntoThem) {
  struct Row {
    const char* name;
    void (*change)(const fs::path& file);
    const char* pismo;  // as this store reads it after the change
    Pairs after;        // once this store has written Klik=4
  };
  const Row rows[] = {
      {"another store writes within the same tick of the file clock",
       [](const fs::path& f) {
         const auto time = fs::last_write_time(f);
         IniSettingsStore(f).write("Moznosti", "Pismo", "2");
         fs::last_write_time(f, time);
       },
       "2",
       {{"Pismo", "2"}, {"Klik", "4"}}},
      {"a hand edit in place",
       [](const fs::path& f) { writeBytes(f, "[Moznosti]\nPismo=3\nKlik=2\n"); },
       "3",
       {{"Pismo", "3"}, {"Klik", "4"}}},
      {"the file is deleted", [](const fs::path& f) { fs::remove(f); }, "none", {{"Klik", "4"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write("Moznosti", "Pismo", "1");
    ASSERT_EQ(store.read("Moznosti", "Pismo", "none"), "1");
    row.change(file());
    EXPECT_EQ(store.read("Moznosti", "Pismo", "none"), row.pismo);
    store.write("Moznosti", "Klik", "4");
    EXPECT_EQ(onDisk("Moznosti"), row.after);
  }
}

TEST_F(IniSettingsStoreTest, NamesMatchIgnoringCaseButNotAccents) {
  IniSettingsStore store(file());
  store.write("Čeština", "ěščřžýáíéúůďťň", "first");
  store.write("Čeština", "escrzyaieuudtn", "bez");
  EXPECT_EQ(store.read("ČEŠTINA", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇ", ""), "first");
  // A write under the other spelling replaces the value and keeps the stored spelling.
  store.write("čeŠTINA", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇ", "second");
  EXPECT_EQ(readBytes(file()), "[Čeština]\něščřžýáíéúůďťň=second\nescrzyaieuudtn=bez\n");
  store.remove("ČEŠTINA", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇ");
  EXPECT_EQ(onDisk("Čeština"), (Pairs{{"escrzyaieuudtn", "bez"}}));
}

TEST_F(IniSettingsStoreTest, KeysAndSectionsKeepTheirOrderThroughRewrites) {
  IniSettingsStore store(file());
  store.write("Uzivatele", "a", "1");
  store.write("Moznosti", "Stav", "OK");
  store.write("Uzivatele", "b", "2");
  store.write("Uzivatele", "c", "3");
  store.write("Uzivatele", "b", "22");
  store.write("Dalsi", "x", "y");
  store.remove("Uzivatele", "a");
  store.write("Uzivatele", "C", "33");  // found where it moved to
  store.write("Uzivatele", "A", "again");
  store.remove("Moznosti", "Stav");
  EXPECT_EQ(readBytes(file()),
            "[Uzivatele]\nb=22\nc=33\nA=again\n"
            "\n[Moznosti]\n"
            "\n[Dalsi]\nx=y\n");
}

TEST_F(IniSettingsStoreTest, SpecialCharactersAreEscapedAndRoundTripAnywhere) {
  struct Row {
    const char* name;
    std::string text;
    std::string escaped;
  };
  const Row rows[] = {
      {"blanks at the ends only", " a b ", "\\sa b\\s"},
      {"equals sign and brackets", "a=[b]", "a\\=\\[b\\]"},
      {"comment characters", ";a#", "\\;a\\#"},
      {"line breaks and tab", "\ta\r\nb\n", "\\ta\\r\\nb\\n"},
      {"backslash, also before an escape letter and at the end", "C:\\n\\", "C:\\\\n\\\\"},
      {"Czech letters stay as they are", "Řehoř Čížek", "Řehoř Čížek"},
      {"empty", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write(row.text, row.text, row.text);
    store.write(row.text, "after", "ok");
    EXPECT_EQ(readBytes(file()),
              "[" + row.escaped + "]\n" + row.escaped + "=" + row.escaped + "\nafter=ok\n");
    EXPECT_EQ(onDisk(row.text), (Pairs{{row.text, row.text}, {"after", "ok"}}));
  }
}

TEST_F(IniSettingsStoreTest, FileAndMissingFoldersArePrivate) {
  const fs::path config = root_ / "config";
  const fs::path settings = config / "Tymba" / "Tymba.ini";
  IniSettingsStore(settings).write("Uzivatele", "Hlavni", "");
  EXPECT_EQ(modeOf(config), fs::perms::owner_all);
  EXPECT_EQ(modeOf(config / "Tymba"), fs::perms::owner_all);
  EXPECT_EQ(modeOf(settings), fs::perms(0600));

  fs::permissions(settings, fs::perms(0644));
  IniSettingsStore(settings).write("Uzivatele", "Jana", "heslo");
  EXPECT_EQ(modeOf(settings), fs::perms(0600));
  EXPECT_EQ(readBytes(settings), "[Uzivatele]\nHlavni=\nJana=heslo\n");
}

TEST_F(IniSettingsStoreTest, FailedWriteLeavesTheFileAndTheStoreAsTheyWere) {
  IniSettingsStore store(file());
  store.write("Moznosti", "a", "1");
  store.write("Moznosti", "b", "2");
  {
    FileSizeLimit tooSmallForTheTemporaryFile;
    EXPECT_THROW(store.write("Moznosti", "a", "changed"), SettingsError);
    EXPECT_THROW(store.remove("Moznosti", "b"), SettingsError);
  }
  EXPECT_EQ(readBytes(file()), "[Moznosti]\na=1\nb=2\n");
  EXPECT_EQ(namesIn(file().parent_path()), std::vector<std::string>{"Tymba.ini"});
  EXPECT_EQ(pairsOf(store.readSection("Moznosti")), (Pairs{{"a", "1"}, {"b", "2"}}));
  // The next write starts from the old state, not from the failed changes.
  store.write("Moznosti", "c", "3");
  EXPECT_EQ(readBytes(file()), "[Moznosti]\na=1\nb=2\nc=3\n");
}

TEST_F(IniSettingsStoreTest, WriteAllIsOneChangeInOrder) {
  IniSettingsStore store(file());
  store.write("Moznosti", "b", "old");
  store.writeAll("Moznosti", {{"a", "1"}, {"B", "2"}, {"c", "3"}});
  EXPECT_EQ(readBytes(file()), "[Moznosti]\nb=2\na=1\nc=3\n");
  {
    FileSizeLimit tooSmallForTheTemporaryFile;
    EXPECT_THROW(store.writeAll("Moznosti", {{"d", "4"}, {"a", "changed"}}), SettingsError);
  }
  // Nothing of a failed change is kept, not even its first pairs.
  EXPECT_EQ(pairsOf(store.readSection("Moznosti")), (Pairs{{"b", "2"}, {"a", "1"}, {"c", "3"}}));
}

TEST_F(IniSettingsStoreTest, ReadOnlyFolderOrFileRefusesWrites) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  for (const fs::path& readOnly : {file().parent_path(), file()}) {
    SCOPED_TRACE(readOnly);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write("Moznosti", "a", "1");
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(store.write("Moznosti", "a", "2"), SettingsError);
    EXPECT_EQ(store.read("Moznosti", "a", ""), "1");
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readBytes(file()), "[Moznosti]\na=1\n");
  }
}

TEST_F(IniSettingsStoreTest, UnreadableFileReadsAsEmptyAndRefusesWrites) {
  struct Row {
    const char* name;
    fs::path settings;
    void (*prepare)(const fs::path& settings);
  };
  const Row rows[] = {
      {"a folder in place of the file", root_ / "a" / "Tymba.ini",
       [](const fs::path& f) { fs::create_directories(f); }},
      {"the file turns into a folder after loading", root_ / "b" / "Tymba.ini",
       [](const fs::path& f) {
         IniSettingsStore(f).write("Moznosti", "Stav", "OK");
         fs::remove(f);
         fs::create_directory(f);
       }},
      {"a file in place of the folder", root_ / "c" / "Tymba.ini",
       [](const fs::path& f) { writeBytes(f.parent_path(), "not a folder"); }},
      {"a FIFO in place of the file (opening it would wait for a writer)",
       root_ / "d" / "Tymba.ini",
       [](const fs::path& f) {
         fs::create_directories(f.parent_path());
         ::mkfifo(f.c_str(), 0600);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    IniSettingsStore store(row.settings);
    store.read("Moznosti", "Stav", "");
    row.prepare(row.settings);
    EXPECT_EQ(store.read("Moznosti", "Stav", "default"), "default");
    EXPECT_TRUE(store.readSection("Moznosti").empty());
    EXPECT_FALSE(store.readable());
    EXPECT_THROW(store.write("Moznosti", "Stav", "OK"), SettingsError);
    EXPECT_THROW(store.remove("Moznosti", "Stav"), SettingsError);
  }
  EXPECT_TRUE(fs::is_directory(root_ / "b" / "Tymba.ini"));
  EXPECT_EQ(readBytes(root_ / "c"), "not a folder");
}

TEST_F(IniSettingsStoreTest, FileThatIsNotTextIsMovedAsideAndStartedAfresh) {
  const std::pair<const char*, std::string> rows[] = {
      {"a NUL byte", std::string("[Moznosti]\nStav=OK\0\n", 20)},
      {"not UTF-8", "[Moznosti]\nStav=OK\nPozn\xE1mka=1\n"},
  };
  for (const auto& [name, bytes] : rows) {
    SCOPED_TRACE(name);
    writeBytes(file(), bytes);
    IniSettingsStore store(file());
    EXPECT_EQ(store.read("Moznosti", "Stav", "none"), "none");
    EXPECT_TRUE(store.readable());
    store.write("Moznosti", "Stav", "OK");
    EXPECT_EQ(readBytes(file()), "[Moznosti]\nStav=OK\n");
    EXPECT_EQ(readBytes(store.setAside()), bytes);
  }
  // The second file set aside did not replace the first.
  EXPECT_EQ(namesIn(file().parent_path()),
            (std::vector<std::string>{"Tymba.ini", "Tymba.ini.poskozeny", "Tymba.ini.poskozeny2"}));
}

TEST_F(IniSettingsStoreTest, StaleTemporaryFilesOfKilledWritesAreRemoved) {
  const fs::path folder = file().parent_path();
  for (const char* name : {".Tymba.ini.tmp123", ".Tymba.ini.tmp9", ".Tymba.ini.tmpx",
                           ".Jiny.ini.tmp1", "Tymba.ini.tmp1"}) {
    writeBytes(folder / name, "old");
    fs::last_write_time(folder / name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }
  writeBytes(folder / ".Tymba.ini.tmp456", "a write in progress");
  IniSettingsStore store(file());
  EXPECT_EQ(namesIn(folder), (std::vector<std::string>{".Jiny.ini.tmp1", ".Tymba.ini.tmp456",
                                                       ".Tymba.ini.tmpx", "Tymba.ini.tmp1"}));
}

TEST_F(IniSettingsStoreTest, ChangingNothingWritesNothing) {
  IniSettingsStore store(file());
  store.remove("Moznosti", "Stav");
  EXPECT_FALSE(fs::exists(root_ / "Tymba"));
  const std::string handWritten = "; hand-written\n[Moznosti]\nStav = OK\n";
  writeBytes(file(), handWritten);
  store.write("MOZNOSTI", "stav", "OK");
  store.remove("Moznosti", "Pismo");
  store.remove("Uzivatele", "Hlavni");
  EXPECT_EQ(readBytes(file()), handWritten);
}

const Sections kGoldenSections = {
    {"Moznosti",
     {{"Stav", "OK"},
      {"Pozadi", "1"},
      {"Chyba", "20"},
      {"Zastav", "6"},
      {"Posun", "2"},
      {"Klik", "1"},
      {"Pismo", "1"},
      {"LimitRychlost", "160"},
      {"LimitChyba", "1"},
      {"ZobrazKlavesnici", "1"},
      {"Barva", "&H8000000F"},
      {"Barva2", "&H80000009"},
      {"BarvaPisma", "0"},
      {"ZvukChyba", "/usr/lib/tymba\\Zvuk2\\zvuk01.wav"},
      {"ZvukKonec", "/usr/lib/tymba\\Zvuk2\\zvuk02.wav"},
      {"ZvukChybaB", "1"},
      {"ZvukKonecB", "1"},
      {"LimityVisible", "1"},
      {"SeznamChyb", "1"}}},
    {"Uzivatele",
     {{"Hlavni", ""},
      {"Jana Nováková", " heslo s mezerami "},
      {"Petr", "a=b;c#d[e]f"},
      {"Řehoř Čížek", "první řádek\r\ndruhý\tsloupec"},
      {"[host]", "-2147483633"}}},
};

TEST_F(IniSettingsStoreTest, GoldenFileReadsAsItsPairsAndWritingThemGivesItsBytes) {
  const std::string golden = readBytes(fs::path(TYMBA_STORAGE_GOLDEN_DIR) / "Tymba.ini");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(sectionsOf(parseSettingsText(golden)), kGoldenSections);

  IniSettingsStore store(file());
  for (const auto& [section, pairs] : kGoldenSections) {
    for (const auto& [key, value] : pairs) store.write(section, key, value);
  }
  EXPECT_EQ(readBytes(file()), golden);
}

TEST(SettingsText, HandWrittenFilesAreReadLeniently) {
  struct Row {
    const char* name;
    std::string bytes;
    Sections sections;
  };
  const Row rows[] = {
      {"a line without = and pairs before any header are skipped",
       "x=0\n[A]\nx=1\nno equals sign\ny=2\n",
       {{"A", {{"x", "1"}, {"y", "2"}}}}},
      {"comment and blank lines are skipped",
       "; comment\n[A]\n# x=0\n\n  ; indented comment\n\t\nx=1\n",
       {{"A", {{"x", "1"}}}}},
      {"unescaped = [ ] ; after the first = belong to the value",
       "[A]\nx=a=b[c] ; no comment\n",
       {{"A", {{"x", "a=b[c] ; no comment"}}}}},
      {"a byte order mark is skipped", "\xEF\xBB\xBF[A]\nx=1\n", {{"A", {{"x", "1"}}}}},
      {"a duplicate key: the first wins",
       "[A]\nx=1\nX=2\ny=4\n",
       {{"A", {{"x", "1"}, {"y", "4"}}}}},
      {"CR LF, lone CR and no break after the last line",
       "[A]\r\nx=1\ry=2",
       {{"A", {{"x", "1"}, {"y", "2"}}}}},
      {"blanks around names and = are trimmed",
       "  [ A ]  \n\t x \t=  1 2  \n",
       {{"A", {{"x", "1 2"}}}}},
      {"a header without ] drops the pairs up to the next header",
       "[A]\nx=1\n[B\ny=2\n[C]\nz=3\n",
       {{"A", {{"x", "1"}}}, {"C", {{"z", "3"}}}}},
      {"text after the ] of a header is ignored", "[A] text\nx=1\n", {{"A", {{"x", "1"}}}}},
      {"a repeated section continues the first, spelt as first",
       "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n",
       {{"A", {{"x", "1"}, {"z", "3"}}}, {"B", {{"y", "2"}}}}},
      {"unknown escapes and a final backslash stay as written",
       "[A]\npath=C:\\Zvuk2\\zvuk01.wav\nend=a\\\n",
       {{"A", {{"path", "C:\\Zvuk2\\zvuk01.wav"}, {"end", "a\\"}}}}},
      {"empty key and empty value", "[A]\n=1\nx=\n", {{"A", {{"", "1"}, {"x", ""}}}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(sectionsOf(parseSettingsText(row.bytes)), row.sections);
  }
}

TEST_F(IniSettingsStoreTest, RewriteKeepsOnlyWhatWasRead) {
  writeBytes(file(), "\xEF\xBB\xBF; comment\r\nx=0\r\n[A]\r\nx=1\r\nX=2\r\n[B\r\ny=2\r\n");
  IniSettingsStore(file()).write("C", "z", "3");
  EXPECT_EQ(readBytes(file()), "[A]\nx=1\n\n[C]\nz=3\n");
}

// Sets (or with nullptr unsets) an environment variable while it lives.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~EnvironmentVariable() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(IniSettingsStoreLocation, FollowsTheConfigFolderOrHome) {
  EXPECT_EQ(IniSettingsStore::locationFor("/srv/cfg", "/home/jana"), "/srv/cfg/Tymba/Tymba.ini");
  for (const char* ignored : {"", "cfg"}) {
    SCOPED_TRACE(ignored);
    EXPECT_EQ(IniSettingsStore::locationFor(ignored, "/home/jana"),
              "/home/jana/.config/Tymba/Tymba.ini");
  }
  const EnvironmentVariable home("HOME", "/home/jana");
  {
    const EnvironmentVariable configHome("XDG_CONFIG_HOME", "/srv/cfg");
    EXPECT_EQ(IniSettingsStore::defaultLocation(), "/srv/cfg/Tymba/Tymba.ini");
  }
  const EnvironmentVariable configHome("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(IniSettingsStore::defaultLocation(), "/home/jana/.config/Tymba/Tymba.ini");
}

}  // namespace
}  // namespace tymba
