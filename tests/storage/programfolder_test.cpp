#include "storage/programfolder.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

TEST(ProgramFolder, IsTheFolderOfThisTestProgram) {
  const auto folder = programFolder();
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::exists(folder / "storage_tests") ||
              std::filesystem::exists(folder / "storage_tests_san"));
}

}  // namespace
}  // namespace tymba
