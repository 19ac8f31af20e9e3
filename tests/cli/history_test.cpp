#include "cli/history.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

using HistoryTest = testing::TempFolderTest;

// The files as a teacher names them, in the folder that holds them. A text
// that holds no record and a missing file are reported; the others are listed
// (a test name with a comma and a quote is quoted).
TEST_F(HistoryTest, ListsTheRecordsOfTheOtherFilesAsCsv) {
  std::filesystem::current_path(TYMBA_CLI_GOLDEN_DIR);
  const char* arguments[] = {"", "--csv", "trida.tst", "zadani.txt", "--", "jana.ide", "chybi.tst"};
  std::ostringstream out, err;
  EXPECT_EQ(runHistory(7, arguments, out, err), 2);
  EXPECT_EQ(out.str(), readBytes("historie.csv"));
  EXPECT_EQ(err.str(),
            "Soubor 'zadani.txt' není soubor s testy: nezačíná celým záznamem testu.\n"
            "Soubor 'chybi.tst' neexistuje.\n");
}

}  // namespace
}  // namespace tymba
