#pragma once
// What the storage and grading tests share: a fixture whose tests each work in
// a folder of their own under the system's temporary folder, removed
// afterwards, and the reader of golden files that hold cases.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tymba::testing {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = (std::filesystem::temp_directory_path() / "tymba-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    root_ = folder;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::filesystem::path root_;

  // Raw bytes of a file, written (with its folders) or read as they are.
  static void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // What a write left behind.
  static std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.insert(entry.path().filename());
    return names;
  }
  static std::filesystem::perms modeOf(const std::filesystem::path& path) {
    return std::filesystem::status(path).permissions() & std::filesystem::perms::mask;
  }
};

// Lets no file of this process grow past a few bytes while it lives, so that
// writing the temporary file of a rewrite fails half-way, even for root.
struct FileSizeLimit {
  FileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{4, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }
  rlimit saved{};
};

// The cases of a golden file, each its name and its parts, every line of them
// ended by LF. A case starts with a line "== " and its name; each of its parts
// ends with a line "--". Lines before the first case are comments. Each name in
// replacements is replaced by its text.
using GoldenCase = std::pair<std::string, std::vector<std::string>>;
inline std::vector<GoldenCase> goldenCases(
    const std::filesystem::path& file,
    const std::vector<std::pair<std::string, std::string>>& replacements = {}) {
  std::ifstream in(file);
  std::vector<GoldenCase> cases;
  for (std::string line; std::getline(in, line);) {
    for (const auto& [name, text] : replacements)
      for (std::size_t at; (at = line.find(name)) != std::string::npos;)
        line.replace(at, name.size(), text);
    if (line.starts_with("== ")) {
      cases.push_back({line.substr(3), {""}});
    } else if (line == "--") {
      cases.back().second.emplace_back();
    } else if (!cases.empty()) {
      cases.back().second.back() += line + "\n";
    }
  }
  return cases;
}

}  // namespace tymba::testing
