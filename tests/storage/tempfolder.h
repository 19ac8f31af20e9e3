#pragma once
// A fixture whose tests each work in a folder of their own under the system's
// temporary folder, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace tymba::testing {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            (std::string("tymba-") + test->test_suite_name() + "-" + test->name() + "-" +
             std::to_string(std::random_device()()));
    ASSERT_TRUE(std::filesystem::create_directory(root_));
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::filesystem::path root_;
};

}  // namespace tymba::testing
