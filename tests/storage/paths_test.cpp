#include "storage/paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/programfolder.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;

class PathsTest : public testing::TempFolderTest {
 protected:
  // "a/b/" makes folders, "a/b.txt" a file with its folders.
  static void make(const fs::path& folder, const std::string& entry) {
    if (entry.ends_with('/')) {
      fs::create_directories(folder / entry);
    } else {
      writeBytes(folder / entry, "x");
    }
  }
};

TEST_F(PathsTest, ResolvesEachComponentIgnoringCase) {
  for (const char* entry : {"uzivatele/petr.IDE", "Vyuka/Úvodní ŘADA.vyu", "Vyuka/lekce1.vyu",
                            "cviceni/", "Cviceni/", "CVICENI/", "zvuk/", "soubor", "a/", "B/"})
    make(root_, entry);
  const std::pair<const char*, const char*> rows[] = {
      {"Uzivatele\\Petr.ide", "uzivatele/petr.IDE"},  // no leading separator
      {"\\vyuka\\úvodní řada.VYU", "Vyuka/Úvodní ŘADA.vyu"},
      {"\\cvičeni", "cvičeni"},  // a letter with a mark is another letter
      {"\\cviceni", "cviceni"},  // the exact name wins
      {"\\Cviceni", "Cviceni"},
      {"\\cVICENI", "CVICENI"},  // else the first in byte order
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

TEST(SameNameIgnoringCase, ComparesWithinTheCodePage) {
  struct Row {
    const char* name;
    std::string_view a;
    std::string_view b;
    bool same;
  };
  const Row rows[] = {
      {"every letter with a mark", "příliš žluťoučký kůň úpěl ďábelské ódy",
       "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY", true},
      {"mark matters", "č", "c", false},
      {"prefix is not the name", "ab", "abc", false},
      {"different letters", "ř", "ž", false},
      {"invalid UTF-8 equal bytes", "a\xFF", "a\xFF", true},
      {"invalid against its replacement", "\xFF", "\xEF\xBF\xBD", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(sameNameIgnoringCase(row.a, row.b), row.same);
    EXPECT_EQ(sameNameIgnoringCase(row.b, row.a), row.same);
  }
}

TEST_F(PathsTest, ListFilesByExtensionSortedIgnoringCase) {
  for (const char* entry : {"c.TXT", "B.txt", "a.txt", "Čtení.Txt", "d.vyu", "e.txt.bak", "noext",
                            ".txt", ".skryté.txt", "folder.txt/", "sub/f.txt"}) {
    make(root_, entry);
  }
  std::vector<fs::path> expected;
  for (const char* name : {"a.txt", "B.txt", "c.TXT", "Čtení.Txt"})
    expected.push_back(root_ / name);
  EXPECT_EQ(listFiles(root_, ".txt"), expected);
  EXPECT_EQ(listFiles(root_, ".VYU"), std::vector<fs::path>{root_ / "d.vyu"});
  EXPECT_TRUE(listFiles(root_ / "missing", ".txt").empty());

  // By pattern: folders and hidden files never, files without a dot for
  // "*.*". Letters outside ASCII sort after it here; the windows sort for the
  // reader.
  expected.clear();
  for (const char* name : {"a.txt", "B.txt", "c.TXT", "d.vyu", "e.txt.bak", "noext", "Čtení.Txt"})
    expected.push_back(root_ / name);
  EXPECT_EQ(listFilesMatching(root_, u"*.*"), expected);
  EXPECT_EQ(listFilesMatching(root_, u"č*;*.VYU"),
            (std::vector<fs::path>{root_ / "d.vyu", root_ / "Čtení.Txt"}));
}

TEST(ProgramFolder, IsTheFolderOfThisTestProgram) {
  const fs::path folder = programFolder();
  EXPECT_TRUE(fs::exists(folder / "storage_tests") || fs::exists(folder / "storage_tests_san"));
}

}  // namespace
}  // namespace tymba
