#include "storage/paths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

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
      fs::create_directories((folder / entry).parent_path());
      std::ofstream(folder / entry) << "x";
    }
  }
};

TEST_F(PathsTest, ResolvesEachComponentIgnoringCase) {
  struct Row {
    const char* name;
    std::vector<std::string> onDisk;
    const char* windowsStyle;
    const char* expected;  // below the base, with "/"
  };
  const Row rows[] = {
      {"user file", {"uzivatele/petr.IDE"}, "\\Uzivatele\\Petr.ide", "uzivatele/petr.IDE"},
      {"folder with trailing separator", {"Cviceni/"}, "\\cviceni\\", "Cviceni"},
      {"Czech letters", {"PROCVIČOVÁNÍ/"}, "\\Procvičování", "PROCVIČOVÁNÍ"},
      {"Czech letters in a file name",
       {"Vyuka/Úvodní ŘADA.vyu"},
       "\\vyuka\\úvodní řada.VYU",
       "Vyuka/Úvodní ŘADA.vyu"},
      {"a letter with a mark is another letter", {"cviceni/"}, "\\cvičeni", "cvičeni"},
      {"forward and doubled separators",
       {"Vyuka/lekce1.vyu"},
       "//VYUKA\\\\Lekce1.VYU/",
       "Vyuka/lekce1.vyu"},
      {"no leading separator", {"Zvuk2/chyba.wav"}, "zvuk2/CHYBA.WAV", "Zvuk2/chyba.wav"},
      {"missing file kept as written",
       {"Uzivatele/"},
       "\\uzivatele\\Nový.ide",
       "Uzivatele/Nový.ide"},
      {"below a missing folder all kept as written",
       {"zvuk/"},
       "\\Zvuk2\\Klik.wav",
       "Zvuk2/Klik.wav"},
      {"a file is not a folder", {"cviceni"}, "\\Cviceni\\a.txt", "cviceni/a.txt"},
      {"parent folder", {"a/", "B/"}, "\\A\\..\\b", "a/../B"},
      {"only separators", {}, "\\\\/", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::path base = root_ / row.name;
    fs::create_directory(base);
    for (const std::string& entry : row.onDisk) make(base, entry);
    const fs::path expected = *row.expected ? base / row.expected : base;
    EXPECT_EQ(resolvePath(base, row.windowsStyle), expected);
  }
}

TEST_F(PathsTest, ExactNameWinsElseFirstCaseVariantInByteOrder) {
  for (const char* folder : {"cviceni/", "Cviceni/", "CVICENI/"}) make(root_, folder);
  EXPECT_EQ(resolvePath(root_, "\\cviceni"), root_ / "cviceni");
  EXPECT_EQ(resolvePath(root_, "\\Cviceni"), root_ / "Cviceni");
  EXPECT_EQ(resolvePath(root_, "\\cVICENI"), root_ / "CVICENI");
}

TEST_F(PathsTest, MissingBaseKeepsEverythingAsWritten) {
  EXPECT_EQ(resolvePath(root_ / "nowhere", "\\Cviceni\\A.txt"), root_ / "nowhere/Cviceni/A.txt");
}

TEST(SameNameIgnoringCase, ComparesWithinTheCodePage) {
  struct Row {
    const char* name;
    std::string_view a;
    std::string_view b;
    bool same;
  };
  const Row rows[] = {
      {"both empty", "", "", true},
      {"ASCII case", "Petr.ide", "PETR.IDE", true},
      {"every letter with a mark", "příliš žluťoučký kůň úpěl ďábelské ódy",
       "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY", true},
      {"mark matters", "č", "c", false},
      {"prefix is not the name", "ab", "abc", false},
      {"different letters", "ř", "ž", false},
      {"invalid UTF-8 equal bytes", "a\xFF", "a\xFF", true},
      {"invalid UTF-8 different bytes", "a\xFF", "a\xFE", false},
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
                            ".txt", "folder.txt/", "sub/f.txt"}) {
    make(root_, entry);
  }
  std::vector<fs::path> expected;
  for (const char* name : {"a.txt", "B.txt", "c.TXT", "Čtení.Txt"})
    expected.push_back(root_ / name);
  EXPECT_EQ(listFiles(root_, ".txt"), expected);
  EXPECT_EQ(listFiles(root_, ".VYU"), std::vector<fs::path>{root_ / "d.vyu"});
}

TEST_F(PathsTest, ListFilesOfMissingFolderIsEmpty) {
  EXPECT_TRUE(listFiles(root_ / "missing", ".txt").empty());
}

}  // namespace
}  // namespace tymba
