// Text files, the paths of the rules, the two data folders, and the texts
// shipped in data/.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/cp1250.h"
#include "core/czechkeyboard.h"
#include "storage/datafolders.h"
#include "storage/paths.h"
#include "storage/textfile.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using TextFileTest = testing::TempFolderTest;
using PathsTest = testing::TempFolderTest;

TEST_F(TextFileTest, ReadsAndWritesWindows1250) {
  // Typographic quotes, a dash, non-breaking spaces and a degree sign are one byte each.
  EXPECT_EQ(readWholeText(fs::path(TYMBA_STORAGE_GOLDEN_DIR) / "cviceni.txt"),
            u"Jarní ráno\r\nŠla\u00A0jsem „ven“ – bylo 7\u00A0°C.\r\n");
  writeText(root_ / "out.txt", u"ž\u00F1\r\n\u4E2D");  // what the code page lacks becomes "?"
  EXPECT_EQ(readBytes(root_ / "out.txt"), "\236?\r\n?");
  // A text from elsewhere, here in UTF-8: its line breaks become CR LF.
  writeBytes(root_ / "utf8.txt", "\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\nk\xC5\xAF\xC5\x88\n");
  writeBytes(root_ / "bad.txt", "\xEF\xBB\xBF\x8Elu");
  EXPECT_EQ(readForeignText(root_ / "utf8.txt"), u"Žluťoučký\r\nkůň\r\n");
  EXPECT_THROW(readForeignText(root_ / "bad.txt"), TextFileError);
}

TEST_F(TextFileTest, LinesEndAtCrLfLoneLfOrLoneCr) {
  const std::pair<std::string, std::vector<std::u16string>> rows[] = {
      {"\310esk\375\r\n\236ena", {u"Český", u"žena"}},  // no break after the last line
      {"a\nb\rc\n", {u"a", u"b", u"c"}},
      {"a\n\rb\r\r\nc", {u"a", u"", u"b", u"", u"c"}},  // LF CR and CR CR LF are two breaks
      {"\r\n\r\na\r\n\r\n", {u"", u"", u"a", u""}},
      {"", {}},
  };
  TextReader reader;  // opened anew for each file: each is read from its start
  for (const auto& [bytes, lines] : rows) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    writeBytes(root_ / "lines.txt", bytes);
    EXPECT_EQ(readLines(root_ / "lines.txt"), lines);
    reader.open(root_ / "lines.txt");
    for (const std::u16string& line : lines) EXPECT_EQ(reader.readLine(), line);
    EXPECT_EQ(reader.readLine(), std::nullopt);
  }
}

TEST_F(TextFileTest, ReadingWhatIsNoFileThrowsWithThePath) {
  fs::create_directory(root_ / "folder");
  ASSERT_EQ(::mkfifo((root_ / "fifo").c_str(), 0600), 0);  // no writer: opening it would wait
  writeBytes(root_ / "large.txt", std::string(kMaxTextFileBytes + 1, 'a'));
  writeBytes(root_ / "largest.txt", std::string(kMaxTextFileBytes, 'a'));
  EXPECT_EQ(readWholeText(root_ / "largest.txt").size(), kMaxTextFileBytes);
  const std::pair<fs::path, std::errc> rows[] = {
      {root_ / "missing.txt", std::errc::no_such_file_or_directory},
      {root_ / "folder", std::errc::is_a_directory},
      {root_ / "fifo", std::errc::invalid_argument},
      {root_ / "large.txt", std::errc::file_too_large},
      {"/dev/zero", std::errc::invalid_argument},  // endless
  };
  for (const auto& [file, code] : rows) {
    SCOPED_TRACE(file);
    EXPECT_THROW(readForeignText(file), TextFileError);
    try {
      readWholeText(file);
      ADD_FAILURE() << "no error";
    } catch (const TextFileError& error) {
      EXPECT_EQ(error.path(), file);
      EXPECT_EQ(error.code(), code);
      EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
    }
  }
}

TEST_F(TextFileTest, WriteReplacesTheWholeFileALinkPointsToOrNothing) {
  const fs::path file = root_ / "real" / "x.txt";
  writeBytes(file, std::string(10000, 'o'));
  fs::permissions(file, fs::perms(0664));
  fs::create_symlink("real/x.txt", root_ / "link.txt");
  writeText(root_ / "link.txt", u"nový\r\n");
  appendText(root_ / "link.txt", u"druhý\r\n");
  appendText(root_ / "new.ide", u"a");
  EXPECT_EQ(modeOf(file), fs::perms(0664));
  // A folder in the file's place, a read-only file (root may write any), no folder.
  EXPECT_THROW(writeText(root_ / "real", u"new"), TextFileError);
  fs::permissions(file, fs::perms(0444));
  if (::geteuid() != 0) {
    EXPECT_THROW(writeText(file, u"new"), TextFileError);
  }
  EXPECT_THROW(writeText(root_ / "missing" / "x.txt", u"a"), TextFileError);
  EXPECT_THROW(appendText(root_ / "missing" / "x.txt", u"x"), TextFileError);
  EXPECT_EQ(namesIn(root_), (Names{"link.txt", "new.ide", "real"}));
  EXPECT_EQ(namesIn(root_ / "real"), Names{"x.txt"}) << "no temporary file is left";
  EXPECT_EQ(readBytes(file), "nov\xFD\r\ndruh\xFD\r\n");
}

// "a/b/" makes folders, "a/b.txt" a file with its folders.
void make(const fs::path& root, std::initializer_list<std::string> entries) {
  for (const std::string& entry : entries) {
    fs::create_directories(root / fs::path(entry).parent_path());
    if (!entry.ends_with('/')) std::ofstream(root / entry).put('x');
  }
}

TEST_F(PathsTest, ResolvesEachComponentIgnoringCase) {
  make(root_, {"uzivatele/petr.IDE", "Vyuka/Úvodní ŘADA.vyu", "Vyuka/lekce1.vyu", "cviceni/",
               "Cviceni/", "CVICENI/", "zvuk/", "soubor", "a/", "B/", "\xEF\xBF\xBD/"});
  const std::pair<const char*, const char*> rows[] = {
      {"Uzivatele\\Petr.ide", "uzivatele/petr.IDE"},  // no leading separator
      {"\\vyuka\\úvodní řada.VYU", "Vyuka/Úvodní ŘADA.vyu"},
      {"\\cvičeni", "cvičeni"},  // a letter with a mark is another letter
      {"\\Cviceni", "Cviceni"},  // the exact name wins
      {"\\cVICENI", "CVICENI"},  // else the first in byte order
      {"\\\xFF", "\xFF"},        // a name that is not UTF-8 matches only itself
      {"//VYUKA\\\\Lekce1.VYU/", "Vyuka/lekce1.vyu"},
      {"\\uzivatele\\Nový.ide", "uzivatele/Nový.ide"},  // missing: kept as written
      {"\\Zvuk2\\Klik.wav", "Zvuk2/Klik.wav"},          // so is all below it
      {"\\Soubor\\a.txt", "soubor/a.txt"},              // a file is not a folder
      {"\\A\\..\\b", "a/../B"},
      {"\\\\/", ""},
  };
  for (const auto& [windowsStyle, expected] : rows) {
    SCOPED_TRACE(windowsStyle);
    EXPECT_EQ(resolvePath(root_, windowsStyle), *expected ? root_ / expected : root_);
  }
}

TEST_F(PathsTest, ListFilesByExtensionSortedIgnoringCase) {
  make(root_, {"c.TXT", "B.txt", "a.txt", "Čtení.Txt", "d.vyu", "e.txt.bak", "noext", ".txt",
               ".skryté.txt", "folder.txt/", "sub/f.txt"});
  const auto inRoot = [&](std::initializer_list<const char*> names) {
    std::vector<fs::path> files;
    for (const char* name : names) files.push_back(root_ / name);
    return files;
  };
  EXPECT_EQ(listFiles(root_, ".txt"), inRoot({"a.txt", "B.txt", "c.TXT", "Čtení.Txt"}));
  EXPECT_EQ(listFiles(root_, ".VYU"), inRoot({"d.vyu"}));
  EXPECT_TRUE(listFiles(root_ / "missing", ".txt").empty());
  // By pattern: folders and hidden files never, files without a dot for
  // "*.*". Letters outside ASCII sort after it here; the windows sort for the
  // reader.
  EXPECT_EQ(listFilesMatching(root_, u"*.*"),
            inRoot({"a.txt", "B.txt", "c.TXT", "d.vyu", "e.txt.bak", "noext", "Čtení.Txt"}));
  EXPECT_EQ(listFilesMatching(root_, u"č*;*.VYU"), inRoot({"d.vyu", "Čtení.Txt"}));
}

TEST_F(PathsTest, TheUsersFolderComesFirstListsShowBothAndWritesGoToTheUsers) {
  const DataFolders folders{root_ / "share", root_ / "home" / "Tymba"};
  make(folders.shipped, {"cviceni/Řeka.txt", "cviceni/Cesta.txt", "cviceni/Ábel.txt"});
  make(folders.user, {"Cviceni/řeka.TXT", "Cviceni/Moje.txt"});
  const std::pair<const char*, fs::path> rows[] = {
      {"\\cviceni\\ŘEKA.txt", folders.user / "Cviceni/řeka.TXT"},  // in both: the user's
      {"\\CVICENI\\cesta.TXT", folders.shipped / "cviceni/Cesta.txt"},
      {"\\cviceni\\Nic.txt", folders.shipped / "cviceni/Nic.txt"},  // nowhere: the shipped one
  };
  for (const auto& [windowsStyle, expected] : rows) {
    SCOPED_TRACE(windowsStyle);
    EXPECT_EQ(folders.find(windowsStyle), expected);
  }
  EXPECT_EQ(listFilesMatching(folders.existingFolders("\\CVICENI"), u"*.txt"),
            (std::vector<fs::path>{
                folders.shipped / "cviceni/Cesta.txt", folders.user / "Cviceni/Moje.txt",
                folders.shipped / "cviceni/Ábel.txt", folders.user / "Cviceni/řeka.TXT"}));
  // Nothing the user writes lands in the shipped folder, read-only or not.
  fs::permissions(folders.shipped, fs::perms::owner_write, fs::perm_options::remove);
  const DataFolders firstStart{folders.shipped, root_ / "data" / "Tymba"};
  std::error_code error;
  const fs::path users = firstStart.userFolder("\\Uzivatele", error);
  ASSERT_FALSE(error) << error.message();
  writeText(users / "Petr.tst", u"x");
  EXPECT_EQ(users, firstStart.user / "Uzivatele");
  for (const fs::path& made : {root_ / "data", firstStart.user, users})
    EXPECT_EQ(modeOf(made), fs::perms::owner_all) << made;
  EXPECT_EQ(namesIn(folders.shipped), Names{"cviceni"});
  const DataFolders underAFile{root_ / "share", root_ / "share" / "cviceni" / "Cesta.txt"};
  underAFile.userFolder("\\Uzivatele", error);
  EXPECT_TRUE(error);
}

TEST_F(PathsTest, TheDataFoldersOfAnInstalledProgramAndOfABuildTree) {
  make(root_, {"usr/bin/", "usr/share/tymba/", "build/"});
  EXPECT_EQ(shippedDataFolder(root_ / "usr/bin", "../share/tymba"), root_ / "usr/share/tymba");
  EXPECT_EQ(shippedDataFolder(root_ / "build", "../share/tymba"), root_ / "build");
  EXPECT_EQ(userDataFolder("/data", "/home/jana"), fs::path("/data/Tymba"));
  EXPECT_EQ(userDataFolder("", "/home/jana"), fs::path("/home/jana/.local/share/Tymba"));
  EXPECT_EQ(userDataFolder("data", "/home/jana"), fs::path("/home/jana/.local/share/Tymba"));
}

// In whatever folder: every text loads as the program loads texts and holds
// only what the Czech keyboard types; the exercise texts in data/cviceni
// together serve every test length.
TEST(ShippedTexts, AreWindows1250WithCrLfAndTypeableOnTheCzechKeyboard) {
  const fs::path data(TYMBA_DATA_DIR);
  std::vector<std::size_t> lengths;
  std::u16string exercises;
  for (const auto& entry : fs::recursive_directory_iterator(data)) {
    const fs::path& file = entry.path();
    if (file.extension() != ".txt" && file.extension() != ".vyu") continue;
    SCOPED_TRACE(file.lexically_relative(data).string());
    const std::u16string text = readWholeText(file);
    EXPECT_EQ(encodeCp1250(text), readFileBytes(file).bytes);
    std::u16string rejoined;  // as it was, if every line ends with CR LF
    for (const std::u16string& line : readLines(file)) rejoined += withCrLf(line);
    EXPECT_EQ(rejoined, text);
    for (std::size_t i = 0; i < text.size(); ++i)
      EXPECT_TRUE(isCzechKeyboardCharacter(text[i])) << i << ": U+" << std::hex << +text[i];
    if (file.parent_path() != data / "cviceni") continue;
    lengths.push_back(text.size());
    exercises += text;
  }
  ASSERT_GE(lengths.size(), 12u);
  // A minute's text of a few hundred characters, a 30-minute one of over 12,000.
  EXPECT_LT(*std::min_element(lengths.begin(), lengths.end()), 1000u);
  EXPECT_GT(*std::max_element(lengths.begin(), lengths.end()), 12000u);
  for (const char16_t letter : std::u16string(u"áéěíóúůýčďňřšťžÁÉĚÍÓÚÝČĎŇŘŠŤŽ0123456789\"-?!"))
    EXPECT_NE(exercises.find(letter), std::u16string::npos) << +letter;
}

// Lesson by lesson, in the order of the list, the course uses only the keys
// that lesson and the ones before it introduce; the table names every lesson.
TEST(ShippedTexts, EachLessonUsesOnlyTheKeysIntroducedSoFar) {
  std::vector<std::string> rows;  // lesson file TAB the characters it introduces
  std::ifstream table(TYMBA_STORAGE_GOLDEN_DIR "/course_keys.tsv");
  for (std::string line; std::getline(table, line);)
    if (!line.empty() && line[0] != '#') rows.push_back(line);
  std::vector<fs::path> lessons;
  for (const auto& entry : fs::directory_iterator(fs::path(TYMBA_DATA_DIR) / "Vyuka"))
    if (entry.path().extension() == ".vyu") lessons.push_back(entry.path());
  std::sort(lessons.begin(), lessons.end());
  ASSERT_EQ(lessons.size(), rows.size());
  std::u16string keys = u" \r\n";
  for (std::size_t n = 0; n < lessons.size(); ++n) {
    const std::string name = lessons[n].filename().string();
    SCOPED_TRACE(name);
    ASSERT_TRUE(rows[n].starts_with(name + '\t'));
    keys += fromUtf8(rows[n].substr(name.size() + 1));
    for (const char16_t c : readWholeText(lessons[n]))
      EXPECT_NE(keys.find(c), std::u16string::npos) << toUtf8(std::u16string(1, c));
  }
}

}  // namespace
}  // namespace tymba
