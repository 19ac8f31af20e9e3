#include "core/cp1250.h"

#include <gtest/gtest.h>

#include <string>

namespace tymba {
namespace {

const std::u16string kCzechLetters =
    u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"
    u"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ";

TEST(Cp1250, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string text = decodeCp1250(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(encodeCp1250(text), all);
}

TEST(Cp1250, CzechLettersHaveTheirBytes) {
  // Spot checks against the code page chart.
  struct Row {
    char16_t ch;
    unsigned char byte;
  };
  const Row rows[] = {{u'č', 0xE8}, {u'Č', 0xC8}, {u'ř', 0xF8}, {u'Ř', 0xD8}, {u'š', 0x9A},
                      {u'Š', 0x8A}, {u'ž', 0x9E}, {u'Ž', 0x8E}, {u'ů', 0xF9}, {u'Ů', 0xD9},
                      {u'ť', 0x9D}, {u'Ť', 0x8D}, {u'ď', 0xEF}, {u'ň', 0xF2}, {u'ě', 0xEC},
                      {u'€', 0x80}, {u'„', 0x84}, {u'“', 0x93}, {u'–', 0x96}};
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.ch));
    const std::string bytes = encodeCp1250(std::u16string(1, row.ch));
    ASSERT_EQ(bytes.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), row.byte);
    EXPECT_EQ(decodeCp1250(bytes), std::u16string(1, row.ch));
  }
}

TEST(Cp1250, CharactersOutsideBecomeQuestionMarks) {
  EXPECT_EQ(encodeCp1250(u"a\u00F1b\u4E2D\u2603c"), "a?b??c");  // ñ is not in the page
  EXPECT_FALSE(isInCp1250(u'ñ'));
  EXPECT_TRUE(isInCp1250(u'ř'));
}

TEST(Cp1250, UpperCaseOfEveryCzechLetter) {
  const std::u16string lower = kCzechLetters.substr(0, kCzechLetters.size() / 2);
  const std::u16string upper = kCzechLetters.substr(kCzechLetters.size() / 2);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(toUpperCp1250(lower[i]), upper[i]);
    EXPECT_EQ(toUpperCp1250(upper[i]), upper[i]);
  }
}

TEST(Cp1250, UpperCaseLeavesOthersAlone) {
  for (const char16_t c : std::u16string(u"0 9.,;ß\u00B5\r\n_?")) EXPECT_EQ(toUpperCp1250(c), c);
}

TEST(Cp1250, Utf8RoundTrip) {
  EXPECT_EQ(fromUtf8(toUtf8(kCzechLetters)), kCzechLetters);
  EXPECT_EQ(toUtf8(u"Přerušení"), "Přerušení");
}

}  // namespace
}  // namespace tymba
