#include "storage/inisettingsstore.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairsOf(const std::vector<SettingPair>& pairs) {
  Pairs result;
  for (const SettingPair& pair : pairs) result.emplace_back(pair.key, pair.value);
  return result;
}

struct ExpectedSection {
  std::string name;
  Pairs pairs;
};

std::vector<ExpectedSection> sectionsOf(const std::vector<SettingsSection>& sections) {
  std::vector<ExpectedSection> result;
  for (const SettingsSection& section : sections) {
    result.push_back({section.name, pairsOf(section.pairs)});
  }
  return result;
}

bool operator==(const ExpectedSection& a, const ExpectedSection& b) {
  return a.name == b.name && a.pairs == b.pairs;
}

void PrintTo(const ExpectedSection& section, std::ostream* out) {
  *out << "[" << section.name << "] " << ::testing::PrintToString(section.pairs);
}

class IniSettingsStoreTest : public testing::TempFolderTest {
 protected:
  fs::path file() const { return root_ / "Tymba" / "Tymba.ini"; }
};

// Lets no file of this process grow past a few bytes while it lives, so that
// writing the temporary file of a rewrite fails half-way.
class FileSizeLimit {
 public:
  FileSizeLimit() {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

// Sets (or with nullopt unsets) an environment variable while it lives.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~EnvironmentVariable() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST_F(IniSettingsStoreTest, ReadGivesTheDefaultForWhatIsNotStored) {
  struct Row {
    const char* name;
    std::optional<std::string> bytes;  // nothing: no file
    Pairs moznosti;
  };
  const Row rows[] = {
      {"no file and no folder", std::nullopt, {}},
      {"empty file", "", {}},
      {"section absent", "[Uzivatele]\nStav=OK\n", {}},
      {"key absent", "[Moznosti]\nPozadi=1\n", {{"Pozadi", "1"}}},
      {"section empty", "[Moznosti]\n", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    if (row.bytes) writeBytes(file(), *row.bytes);
    IniSettingsStore store(file());
    EXPECT_EQ(store.read("Moznosti", "Stav", "výchozí"), "výchozí");
    EXPECT_EQ(pairsOf(store.readSection("Moznosti")), row.moznosti);
    EXPECT_EQ(fs::exists(root_ / "Tymba"), row.bytes.has_value()) << "reading creates nothing";
  }
}

TEST_F(IniSettingsStoreTest, WrittenValuesAreReadBackByThisAndAnotherStore) {
  IniSettingsStore writer(file());
  writer.write("Moznosti", "Stav", "OK");
  writer.write("Moznosti", "Zastav", "6");
  writer.write("Uzivatele", "Hlavni", "");
  writer.write("Moznosti", "Zastav", "12");

  IniSettingsStore reader(file());
  for (const IniSettingsStore* store : {&writer, &reader}) {
    SCOPED_TRACE(store == &writer ? "same store" : "second store");
    EXPECT_EQ(store->read("Moznosti", "Stav", ""), "OK");
    EXPECT_EQ(store->read("Moznosti", "Zastav", ""), "12");
    EXPECT_EQ(store->read("Uzivatele", "Hlavni", "missing"), "");
    EXPECT_EQ(pairsOf(store->readSection("Moznosti")), (Pairs{{"Stav", "OK"}, {"Zastav", "12"}}));
  }
}

TEST_F(IniSettingsStoreTest, StoreSeesChangesMadeElsewhere) {
  struct Row {
    const char* name;
    void (*change)(const fs::path& file);
    std::string expected;
  };
  const Row rows[] = {
      {"another store writes a value of the same length",
       [](const fs::path& f) { IniSettingsStore(f).write("Moznosti", "Pismo", "2"); }, "2"},
      {"another store writes within the same tick of the file clock",
       [](const fs::path& f) {
         const auto time = fs::last_write_time(f);
         IniSettingsStore(f).write("Moznosti", "Pismo", "2");
         fs::last_write_time(f, time);
       },
       "2"},
      {"another store removes the key",
       [](const fs::path& f) { IniSettingsStore(f).remove("Moznosti", "Pismo"); }, "none"},
      {"a hand edit in place",
       [](const fs::path& f) { writeBytes(f, "[Moznosti]\nPismo=3\nKlik=2\n"); }, "3"},
      {"the file is deleted", [](const fs::path& f) { fs::remove(f); }, "none"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write("Moznosti", "Pismo", "1");
    ASSERT_EQ(store.read("Moznosti", "Pismo", "none"), "1");
    row.change(file());
    EXPECT_EQ(store.read("Moznosti", "Pismo", "none"), row.expected);
    // A write builds on what is on disk now, not on the old copy.
    store.write("Moznosti", "Klik", "4");
    EXPECT_EQ(pairsOf(IniSettingsStore(file()).readSection("Moznosti")),
              row.expected == "none" ? (Pairs{{"Klik", "4"}})
                                     : (Pairs{{"Pismo", row.expected}, {"Klik", "4"}}));
  }
}

TEST_F(IniSettingsStoreTest, NamesMatchIgnoringCase) {
  struct Row {
    const char* name;
    std::string section;
    std::string key;
    std::string otherSection;  // the same names spelt otherwise
    std::string otherKey;
  };
  const Row rows[] = {
      {"ASCII", "Moznosti", "ZobrazKlavesnici", "MOZNOSTI", "zobrazklavesnici"},
      {"Czech letters", "Uzivatele", "Uživatelé", "uzivatele", "UŽIVATELÉ"},
      {"every Czech diacritic", "Čeština", "ěščřžýáíéúůďťň", "ČEŠTINA", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇ"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write(row.section, row.key, "first");
    EXPECT_EQ(store.read(row.otherSection, row.otherKey, ""), "first");

    // A write under the other spelling replaces the value and keeps the stored spelling.
    store.write(row.otherSection, row.otherKey, "second");
    IniSettingsStore fresh(file());
    EXPECT_EQ(pairsOf(fresh.readSection(row.otherSection)), (Pairs{{row.key, "second"}}));
    EXPECT_EQ(readBytes(file()), "[" + row.section + "]\n" + row.key + "=second\n");

    store.remove(row.otherSection, row.otherKey);
    EXPECT_TRUE(fresh.readSection(row.section).empty());
  }
}

TEST_F(IniSettingsStoreTest, LettersWithAndWithoutAccentsAreDifferentNames) {
  IniSettingsStore store(file());
  store.write("Uzivatele", "Uživatelé", "s háčky");
  store.write("Uzivatele", "Uzivatele", "bez");
  EXPECT_EQ(store.read("Uzivatele", "UŽIVATELÉ", ""), "s háčky");
  EXPECT_EQ(store.read("Uzivatele", "UZIVATELE", ""), "bez");
  EXPECT_EQ(store.readSection("Uzivatele").size(), 2u);
}

TEST_F(IniSettingsStoreTest, KeysKeepTheirOrderThroughRewrites) {
  IniSettingsStore store(file());
  store.write("Moznosti", "a", "1");
  store.write("Moznosti", "b", "2");
  store.write("Moznosti", "c", "3");
  store.write("Moznosti", "b", "22");
  EXPECT_EQ(pairsOf(IniSettingsStore(file()).readSection("Moznosti")),
            (Pairs{{"a", "1"}, {"b", "22"}, {"c", "3"}}));

  store.remove("Moznosti", "b");
  EXPECT_EQ(pairsOf(IniSettingsStore(file()).readSection("Moznosti")),
            (Pairs{{"a", "1"}, {"c", "3"}}));

  store.write("Moznosti", "B", "again");
  EXPECT_EQ(pairsOf(store.readSection("Moznosti")),
            (Pairs{{"a", "1"}, {"c", "3"}, {"B", "again"}}));
}

TEST_F(IniSettingsStoreTest, NewSectionsGoAtTheEndOfTheFile) {
  IniSettingsStore store(file());
  store.write("Uzivatele", "Hlavni", "");
  store.write("Moznosti", "Stav", "OK");
  store.write("Uzivatele", "Jana", "heslo");
  store.write("Dalsi", "x", "y");
  store.remove("Moznosti", "Stav");
  EXPECT_EQ(readBytes(file()),
            "[Uzivatele]\nHlavni=\nJana=heslo\n"
            "\n[Moznosti]\n"
            "\n[Dalsi]\nx=y\n");
}

TEST_F(IniSettingsStoreTest, SpecialCharactersRoundTrip) {
  struct Row {
    const char* name;
    std::string text;
  };
  const Row rows[] = {
      {"equals sign", "a=b"},
      {"a header", "[Moznosti]"},
      {"closing bracket", "a]"},
      {"semicolon first", ";a"},
      {"hash first", "#a"},
      {"LF", "a\nb"},
      {"CR LF", "a\r\nb"},
      {"lone CR", "a\rb"},
      {"line break at the end", "a\n"},
      {"leading blank", " a"},
      {"trailing blank", "a "},
      {"only blanks", "   "},
      {"tabs", "\ta\t"},
      {"backslash", "C:\\Zvuk2\\zvuk01.wav"},
      {"backslash at the end", "a\\"},
      {"escape look-alikes", "\\n\\s\\=\\"},
      {"empty", ""},
      {"Czech letters", "Žluťoučký kůň úpěl ďábelské ódy"},
      {"all at once", " =[];#\\\r\n\t "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    {
      SCOPED_TRACE("as a value");
      fs::remove_all(root_ / "Tymba");
      IniSettingsStore store(file());
      store.write("Uzivatele", "k", row.text);
      store.write("Uzivatele", "after", "ok");
      IniSettingsStore fresh(file());
      EXPECT_EQ(fresh.read("Uzivatele", "k", "missing"), row.text);
      EXPECT_EQ(pairsOf(fresh.readSection("Uzivatele")), (Pairs{{"k", row.text}, {"after", "ok"}}));
    }
    {
      SCOPED_TRACE("as a key");
      fs::remove_all(root_ / "Tymba");
      IniSettingsStore store(file());
      store.write("Uzivatele", row.text, "v");
      store.write("Uzivatele", "after", "ok");
      IniSettingsStore fresh(file());
      EXPECT_EQ(fresh.read("Uzivatele", row.text, "missing"), "v");
      EXPECT_EQ(pairsOf(fresh.readSection("Uzivatele")), (Pairs{{row.text, "v"}, {"after", "ok"}}));
    }
    {
      SCOPED_TRACE("as a section name");
      fs::remove_all(root_ / "Tymba");
      IniSettingsStore store(file());
      store.write(row.text, "k", "v");
      store.write("After", "x", "y");
      IniSettingsStore fresh(file());
      EXPECT_EQ(pairsOf(fresh.readSection(row.text)), (Pairs{{"k", "v"}}));
      EXPECT_EQ(pairsOf(fresh.readSection("After")), (Pairs{{"x", "y"}}));
    }
  }
}

TEST_F(IniSettingsStoreTest, SpecialCharactersAreWrittenEscaped) {
  struct Row {
    const char* name;
    std::string value;
    std::string line;
  };
  const Row rows[] = {
      {"blanks at the ends only", " a b ", "k=\\sa b\\s"},
      {"equals sign and brackets", "a=[b]", "k=a\\=\\[b\\]"},
      {"comment characters", "a;b#", "k=a\\;b\\#"},
      {"line breaks and tab", "a\r\nb\tc", "k=a\\r\\nb\\tc"},
      {"backslash", "C:\\x", "k=C:\\\\x"},
      {"Czech letters stay as they are", "Řehoř Čížek", "k=Řehoř Čížek"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore(file()).write("S", "k", row.value);
    EXPECT_EQ(readBytes(file()), "[S]\n" + row.line + "\n");
  }
}

TEST_F(IniSettingsStoreTest, FirstWriteCreatesAPrivateFolderAndFile) {
  const fs::path config = root_ / "config";
  const fs::path settings = config / "Tymba" / "Tymba.ini";
  IniSettingsStore store(settings);
  store.write("Uzivatele", "Hlavni", "");
  EXPECT_EQ(modeOf(config), fs::perms::owner_all);
  EXPECT_EQ(modeOf(config / "Tymba"), fs::perms::owner_all);
  EXPECT_EQ(modeOf(settings), fs::perms::owner_read | fs::perms::owner_write);

  store.write("Uzivatele", "Jana", "heslo");
  EXPECT_EQ(modeOf(settings), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniSettingsStoreTest, WriteMakesAFileOthersCanReadPrivate) {
  writeBytes(file(), "[Uzivatele]\nHlavni=\n");
  fs::permissions(file(), static_cast<fs::perms>(0644));
  IniSettingsStore(file()).write("Uzivatele", "Jana", "heslo");
  EXPECT_EQ(modeOf(file()), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readBytes(file()), "[Uzivatele]\nHlavni=\nJana=heslo\n");
}

TEST_F(IniSettingsStoreTest, FailedWriteLeavesTheFileAndTheStoreAsTheyWere) {
  IniSettingsStore store(file());
  store.write("Moznosti", "a", "1");
  store.write("Moznosti", "b", "2");
  const std::string before = readBytes(file());
  {
    FileSizeLimit tooSmallForTheTemporaryFile;
    EXPECT_THROW(store.write("Moznosti", "a", "changed"), SettingsError);
    EXPECT_THROW(store.write("Moznosti", "new", "x"), SettingsError);
    EXPECT_THROW(store.remove("Moznosti", "b"), SettingsError);
  }
  EXPECT_EQ(readBytes(file()), before);
  EXPECT_EQ(namesIn(file().parent_path()), std::vector<std::string>{"Tymba.ini"})
      << "no temporary file is left behind";
  EXPECT_EQ(pairsOf(store.readSection("Moznosti")), (Pairs{{"a", "1"}, {"b", "2"}}));

  // The next write starts from the old state, not from the failed changes.
  store.write("Moznosti", "c", "3");
  EXPECT_EQ(readBytes(file()), "[Moznosti]\na=1\nb=2\nc=3\n");
}

TEST_F(IniSettingsStoreTest, ReadOnlyFolderOrFileRefusesWrites) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  struct Row {
    const char* name;
    fs::path readOnly;
  };
  const Row rows[] = {
      {"read-only folder", file().parent_path()},
      {"read-only file", file()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    IniSettingsStore store(file());
    store.write("Moznosti", "a", "1");
    fs::permissions(row.readOnly, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(store.write("Moznosti", "a", "2"), SettingsError);
    EXPECT_EQ(store.read("Moznosti", "a", ""), "1");
    fs::permissions(row.readOnly, fs::perms::owner_write, fs::perm_options::add);
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
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    IniSettingsStore store(row.settings);
    store.read("Moznosti", "Stav", "");
    row.prepare(row.settings);
    EXPECT_EQ(store.read("Moznosti", "Stav", "default"), "default");
    EXPECT_TRUE(store.readSection("Moznosti").empty());
    EXPECT_THROW(store.write("Moznosti", "Stav", "OK"), SettingsError);
    EXPECT_THROW(store.remove("Moznosti", "Stav"), SettingsError);
  }
  EXPECT_TRUE(fs::is_directory(root_ / "a" / "Tymba.ini"));
  EXPECT_TRUE(fs::is_directory(root_ / "b" / "Tymba.ini"));
  EXPECT_EQ(readBytes(root_ / "c"), "not a folder");
}

TEST_F(IniSettingsStoreTest, ChangingNothingWritesNothing) {
  IniSettingsStore store(file());
  store.remove("Moznosti", "Stav");
  EXPECT_FALSE(fs::exists(root_ / "Tymba")) << "removing a missing key creates no file";

  writeBytes(file(), "; hand-written\n[Moznosti]\nStav = OK\n");
  store.write("MOZNOSTI", "stav", "OK");
  store.remove("Moznosti", "Pismo");
  store.remove("Uzivatele", "Hlavni");
  EXPECT_EQ(readBytes(file()), "; hand-written\n[Moznosti]\nStav = OK\n");
}

struct GoldenSettings {
  static fs::path file() { return fs::path(TYMBA_STORAGE_GOLDEN_DIR) / "Tymba.ini"; }
  static std::vector<ExpectedSection> sections() {
    return {
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
  }
};

TEST_F(IniSettingsStoreTest, GoldenFileParsesIntoItsPairs) {
  const std::string golden = readBytes(GoldenSettings::file());
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(sectionsOf(parseSettingsText(golden)), GoldenSettings::sections());

  writeBytes(file(), golden);
  IniSettingsStore store(file());
  for (const ExpectedSection& section : GoldenSettings::sections()) {
    SCOPED_TRACE(section.name);
    EXPECT_EQ(pairsOf(store.readSection(section.name)), section.pairs);
  }
}

TEST_F(IniSettingsStoreTest, WritingThePairsGivesTheGoldenBytes) {
  IniSettingsStore store(file());
  for (const ExpectedSection& section : GoldenSettings::sections()) {
    for (const auto& [key, value] : section.pairs) store.write(section.name, key, value);
  }
  EXPECT_EQ(readBytes(file()), readBytes(GoldenSettings::file()));
}

TEST_F(IniSettingsStoreTest, MalformedInput) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<ExpectedSection> sections;
    std::string rewritten;  // the file after a write to another section, less that section
  };
  const Row rows[] = {
      {"a line without = is skipped",
       "[A]\nx=1\nno equals sign\ny=2\n",
       {{"A", {{"x", "1"}, {"y", "2"}}}},
       "[A]\nx=1\ny=2\n"},
      {"a pair before any header is skipped",
       "x=0\n[A]\nx=1\n",
       {{"A", {{"x", "1"}}}},
       "[A]\nx=1\n"},
      {"comment and blank lines are skipped and not kept",
       "; comment\n# comment\n[A]\n\n  ; indented comment\n\t\nx=1\n",
       {{"A", {{"x", "1"}}}},
       "[A]\nx=1\n"},
      {"a semicolon after a value belongs to the value",
       "[A]\nx=1 ; no comment\n",
       {{"A", {{"x", "1 ; no comment"}}}},
       "[A]\nx=1 \\; no comment\n"},
      {"a byte order mark is skipped",
       "\xEF\xBB\xBF[A]\nx=1\n",
       {{"A", {{"x", "1"}}}},
       "[A]\nx=1\n"},
      {"a duplicate key: the first wins and the other is dropped",
       "[A]\nx=1\nX=2\nx=3\ny=4\n",
       {{"A", {{"x", "1"}, {"y", "4"}}}},
       "[A]\nx=1\ny=4\n"},
      {"CR LF line ends",
       "[A]\r\nx=1\r\ny=2\r\n",
       {{"A", {{"x", "1"}, {"y", "2"}}}},
       "[A]\nx=1\ny=2\n"},
      {"lone CR line ends", "[A]\rx=1\ry=2", {{"A", {{"x", "1"}, {"y", "2"}}}}, "[A]\nx=1\ny=2\n"},
      {"no break after the last line", "[A]\nx=1", {{"A", {{"x", "1"}}}}, "[A]\nx=1\n"},
      {"blanks around names and = are trimmed",
       "  [ A ]  \n\t x \t=  1 2  \n",
       {{"A", {{"x", "1 2"}}}},
       "[A]\nx=1 2\n"},
      {"a header without ] drops the pairs up to the next header",
       "[A]\nx=1\n[B\ny=2\n[C]\nz=3\n",
       {{"A", {{"x", "1"}}}, {"C", {{"z", "3"}}}},
       "[A]\nx=1\n\n[C]\nz=3\n"},
      {"text after the ] of a header is ignored",
       "[A] text\nx=1\n",
       {{"A", {{"x", "1"}}}},
       "[A]\nx=1\n"},
      {"a repeated section continues the first, spelt as first",
       "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\nX=4\n",
       {{"A", {{"x", "1"}, {"z", "3"}}}, {"B", {{"y", "2"}}}},
       "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
      {"unknown escapes and a final backslash stay as written",
       "[A]\npath=C:\\Zvuk2\\zvuk01.wav\nend=a\\\n",
       {{"A", {{"path", "C:\\Zvuk2\\zvuk01.wav"}, {"end", "a\\"}}}},
       "[A]\npath=C:\\\\Zvuk2\\\\zvuk01.wav\nend=a\\\\\n"},
      {"unescaped = and [ ] inside a value are kept",
       "[A]\nx=a=b[c]\n",
       {{"A", {{"x", "a=b[c]"}}}},
       "[A]\nx=a\\=b\\[c\\]\n"},
      {"empty key and empty value",
       "[A]\n=1\nx=\n",
       {{"A", {{"", "1"}, {"x", ""}}}},
       "[A]\n=1\nx=\n"},
      {"only comments", "; nothing\n", {}, ""},
  };
  const std::string marker = "[Znacka]\nm=1\n";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root_ / "Tymba");
    writeBytes(file(), row.bytes);
    EXPECT_EQ(sectionsOf(parseSettingsText(row.bytes)), row.sections);

    IniSettingsStore store(file());
    for (const ExpectedSection& section : row.sections) {
      EXPECT_EQ(pairsOf(store.readSection(section.name)), section.pairs);
    }
    store.write("Znacka", "m", "1");
    EXPECT_EQ(readBytes(file()), row.rewritten.empty() ? marker : row.rewritten + "\n" + marker);
  }
}

TEST(IniSettingsStoreLocation, FollowsTheConfigFolderOrHome) {
  struct Row {
    const char* name;
    std::string configHome;
    std::string home;
    fs::path expected;
  };
  const Row rows[] = {
      {"config folder given", "/srv/cfg", "/home/jana", "/srv/cfg/Tymba/Tymba.ini"},
      {"config folder empty", "", "/home/jana", "/home/jana/.config/Tymba/Tymba.ini"},
      {"relative config folder is ignored", "cfg", "/home/jana",
       "/home/jana/.config/Tymba/Tymba.ini"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(IniSettingsStore::locationFor(row.configHome, row.home), row.expected);
  }
}

TEST(IniSettingsStoreLocation, DefaultLocationReadsTheEnvironment) {
  const EnvironmentVariable home("HOME", "/home/jana");
  {
    const EnvironmentVariable configHome("XDG_CONFIG_HOME", "/srv/cfg");
    EXPECT_EQ(IniSettingsStore::defaultLocation(), fs::path("/srv/cfg/Tymba/Tymba.ini"));
  }
  {
    const EnvironmentVariable configHome("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(IniSettingsStore::defaultLocation(), fs::path("/home/jana/.config/Tymba/Tymba.ini"));
  }
}

}  // namespace
}  // namespace tymba
