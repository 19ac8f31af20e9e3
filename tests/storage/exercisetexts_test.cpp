// The exercise texts shipped in data/cviceni: every one must load as the
// program loads texts, and together they must serve every test length. Every
// text the program reads from data/ must be typeable on a Czech keyboard.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/cp1250.h"
#include "core/czechkeyboard.h"
#include "storage/paths.h"
#include "storage/textfile.h"

namespace tymba {
namespace {

TEST(ExerciseTexts, AreWindows1250WithCrLfAndServeEveryTest) {
  const auto texts = listFiles(std::filesystem::path(TYMBA_DATA_DIR) / "cviceni", ".txt");
  ASSERT_GE(texts.size(), 12u);
  std::vector<std::size_t> lengths;
  std::u16string all;
  for (const auto& file : texts) {
    SCOPED_TRACE(file.filename().string());
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Bytes the code page leaves undefined stand for no character at all.
    EXPECT_EQ(bytes.find_first_of("\x81\x83\x88\x90\x98"), std::string::npos);
    const std::u16string text = readWholeText(file);
    EXPECT_EQ(encodeCp1250(text), bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool lineBreak = text.compare(i, 2, u"\r\n") == 0;
      EXPECT_TRUE(text[i] >= u' ' || lineBreak) << i;
      if (lineBreak) ++i;
    }
    EXPECT_TRUE(text.ends_with(u"\r\n"));
    lengths.push_back(text.size());
    all += text;
  }
  // A minute's text of a few hundred characters, a 30-minute one of over 12,000.
  EXPECT_LT(*std::min_element(lengths.begin(), lengths.end()), 1000u);
  EXPECT_GT(*std::max_element(lengths.begin(), lengths.end()), 12000u);
  for (const char16_t letter : std::u16string(u"áéěíóúůýčďňřšťžÁÉĚÍÓÚÝČĎŇŘŠŤŽ0123456789\"-?!"))
    EXPECT_NE(all.find(letter), std::u16string::npos) << static_cast<int>(letter);
}

// Lessons, practice texts and dictations too, in whatever folder under data/.
TEST(ShippedTexts, HoldOnlyCharactersTheCzechKeyboardTypes) {
  const std::filesystem::path data(TYMBA_DATA_DIR);
  std::vector<std::filesystem::path> folders{data};
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data))
    if (entry.is_directory()) folders.push_back(entry.path());
  std::size_t files = 0;
  for (const auto& folder : folders)
    for (const auto& file : listFilesMatching(folder, u"*.txt;*.vyu")) {
      ++files;
      std::size_t line = 1, column = 1;
      for (const char16_t c : readWholeText(file)) {
        if (!isCzechKeyboardCharacter(c))
          ADD_FAILURE() << file.lexically_relative(data).string() << ':' << line << ':' << column
                        << ": \"" << toUtf8(std::u16string(1, c)) << "\" U+" << std::hex
                        << std::uppercase << static_cast<int>(c);
        column = c == u'\n' ? 1 : column + 1;
        if (c == u'\n') ++line;
      }
    }
  EXPECT_GE(files, 12u);
}

}  // namespace
}  // namespace tymba
