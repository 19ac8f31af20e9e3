// The exercise texts shipped in data/cviceni: every one must load as the
// program loads texts, and together they must serve every test length.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/cp1250.h"
#include "storage/paths.h"
#include "storage/textfile.h"

namespace tymba {
namespace {

const std::filesystem::path kFolder = std::filesystem::path(TYMBA_DATA_DIR) / "cviceni";

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ExerciseTexts, EveryTextIsWindows1250WithCrLfOnly) {
  const auto texts = listFiles(kFolder, ".txt");
  ASSERT_GE(texts.size(), 12u);
  for (const auto& file : texts) {
    SCOPED_TRACE(file.filename().string());
    const std::string bytes = bytesOf(file);
    ASSERT_FALSE(bytes.empty());
    // Bytes the code page leaves undefined stand for no character at all.
    for (const unsigned char undefined : {0x81, 0x83, 0x88, 0x90, 0x98})
      EXPECT_EQ(bytes.find(static_cast<char>(undefined)), std::string::npos);
    const std::u16string text = readWholeText(file);
    EXPECT_EQ(encodeCp1250(text), bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == u'\r') EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << i;
      if (text[i] == u'\n') EXPECT_TRUE(i > 0 && text[i - 1] == u'\r') << i;
      EXPECT_FALSE(text[i] < u' ' && text[i] != u'\r' && text[i] != u'\n') << i;
    }
    EXPECT_TRUE(text.ends_with(u"\r\n"));
  }
}

TEST(ExerciseTexts, ServeEveryLengthOfTestWithEveryCzechLetter) {
  std::vector<std::size_t> lengths;
  std::u16string all;
  for (const auto& file : listFiles(kFolder, ".txt")) {
    const std::u16string text = readWholeText(file);
    lengths.push_back(text.size());
    all += text;
  }
  // A minute's text of a few hundred characters, a 30-minute one of over 12,000.
  EXPECT_LT(*std::min_element(lengths.begin(), lengths.end()), 1000u);
  EXPECT_GT(*std::max_element(lengths.begin(), lengths.end()), 12000u);
  for (const char16_t letter : std::u16string(u"áéěíóúůýčďňřšťžÁÉĚÍÓÚŮÝČĎŇŘŠŤŽ0123456789„“–?!"))
    EXPECT_NE(all.find(letter), std::u16string::npos) << static_cast<int>(letter);
}

// The golden exercise text: Czech letters, typographic quotes, a dash, a
// non-breaking space and a degree sign, each one byte, lines ending CR LF.
TEST(ExerciseTextFormat, GoldenFileReadsAndWritesBack) {
  const std::filesystem::path golden =
      std::filesystem::path(TYMBA_STORAGE_GOLDEN_DIR) / "cviceni.txt";
  const std::u16string expected = u"Jarní ráno\r\nŠla\u00A0jsem „ven“ – bylo 7\u00A0°C.\r\n";
  EXPECT_EQ(readWholeText(golden), expected);
  EXPECT_EQ(encodeCp1250(expected), bytesOf(golden));
  EXPECT_EQ(readLines(golden),
            (std::vector<std::u16string>{u"Jarní ráno", u"Šla\u00A0jsem „ven“ – bylo 7\u00A0°C."}));
}

}  // namespace
}  // namespace tymba
