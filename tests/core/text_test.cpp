// The texts the program reads and shows: the code page, decoding files, the
// keys of the Czech keyboard, the end of a target text, file patterns.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/cp1250.h"
#include "core/czechkeyboard.h"
#include "core/filepattern.h"
#include "core/targettext.h"
#include "core/textdecoding.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

TEST(Cp1250, EveryByteRoundTripsAndCzechLettersHaveTheirBytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(encodeCp1250(decodeCp1250(all)), all);
  // Spot checks against the code page chart; characters outside the page
  // become question marks.
  EXPECT_EQ(encodeCp1250(u"čČřŘšŠžŽůŮťŤďňě€„“–"),
            "\xE8\xC8\xF8\xD8\x9A\x8A\x9E\x8E\xF9\xD9\x9D\x8D\xEF\xF2\xEC\x80\x84\x93\x96");
  EXPECT_EQ(encodeCp1250(u"a\u00F1b\u4E2D\u2603c"), "a?b??c");
}

TEST(Cp1250, UpperCaseAndUtf8) {
  const std::u16string lower = u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž0 9.,;ß\u00B5\r\n_?";
  const std::u16string upper = u"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ0 9.,;ß\u00B5\r\n_?";
  for (std::size_t i = 0; i < lower.size(); ++i)
    EXPECT_EQ(std::pair(toUpperCp1250(lower[i]), toUpperCp1250(upper[i])),
              std::pair(upper[i], upper[i]))
        << i;
  // Both ways, at the boundary of two- and three-byte forms too.
  EXPECT_EQ(toUtf8(u"Přerušení\u07FF\u0800"), "Přerušení\xDF\xBF\xE0\xA0\x80");
  EXPECT_EQ(fromUtf8("Přerušení\xDF\xBF\xE0\xA0\x80"), u"Přerušení\u07FF\u0800");
}

TEST(DecodeText, DetectsOrTakesTheEncoding) {
  forEachRow("decoding.tsv", 4, [&](const GoldenRow& row) {
    const Encoding encoding = row[2] == "utf8"     ? Encoding::Utf8
                              : row[2] == "cp1250" ? Encoding::Cp1250
                                                   : Encoding::Detect;
    EXPECT_EQ(decodeText(row[1], encoding), given(row[3], u16(row[3])));
  });
}

TEST(CzechKeyboard, TypesItsKeysAndTheDeadKeyLettersOnly) {
  for (const char16_t c : std::u16string(u" \r\naZ09\"-'!\\|€[]{}@#&<>*$ß÷×¤§°~^`ůáÝěŠľĹŕŃđŁˇ´"))
    EXPECT_TRUE(isCzechKeyboardCharacter(c)) << static_cast<int>(c);
  // Typographic quotes and dashes, the ring and other dead keys, Tab, NBSP.
  for (const char16_t c : std::u16string(u"„“‚‘’”–—…ŮäôőűăµŞ\t\x7F\u00A0\u2212"))
    EXPECT_FALSE(isCzechKeyboardCharacter(c)) << static_cast<int>(c);
}

TEST(TargetText, EndsWithOneLineBreakAndIsCopiedBelowTenThousand) {
  forEachRow("textend.tsv", 3,
             [&](const GoldenRow& row) { EXPECT_EQ(normalizeTextEnd(u16(row[1])), u16(row[2])); });
  EXPECT_EQ(normalizeTextEnd(u""), u"");
  const std::pair<std::size_t, int> copies[] = {
      {4999, 5}, {5000, 1}, {5001, 3}, {9999, 3}, {10000, 1}};
  for (const auto& [length, expected] : copies) EXPECT_EQ(targetCopies(length), expected) << length;
}

TEST(MatchesFilePattern, WildcardsListsAndCase) {
  forEachRow("filepattern.tsv", 4, [&](const GoldenRow& row) {
    EXPECT_EQ(matchesFilePattern(u16(row[1]), u16(row[2])), row[3] == "yes");
  });
}

}  // namespace
}  // namespace tymba
