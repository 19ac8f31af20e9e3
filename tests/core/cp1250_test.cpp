#include "core/cp1250.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tymba {
namespace {

TEST(Cp1250, EveryByteRoundTripsAndCzechLettersHaveTheirBytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string text = decodeCp1250(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(encodeCp1250(text), all);
  // Spot checks against the code page chart.
  EXPECT_EQ(encodeCp1250(u"čČřŘšŠžŽůŮťŤďňě€„“–"),
            "\xE8\xC8\xF8\xD8\x9A\x8A\x9E\x8E\xF9\xD9\x9D\x8D\xEF\xF2\xEC\x80\x84\x93\x96");
  // Characters outside the page become question marks.
  EXPECT_EQ(encodeCp1250(u"a\u00F1b\u4E2D\u2603c"), "a?b??c");
  EXPECT_FALSE(isInCp1250(u'ñ'));
  EXPECT_TRUE(isInCp1250(u'ř'));
}

TEST(Cp1250, UpperCase) {
  const std::u16string lower = u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž";
  const std::u16string upper = u"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ";
  ASSERT_EQ(lower.size(), upper.size());
  for (std::size_t i = 0; i < lower.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(toUpperCp1250(lower[i]), upper[i]);
    EXPECT_EQ(toUpperCp1250(upper[i]), upper[i]);
  }
  for (const char16_t c : std::u16string(u"0 9.,;ß\u00B5\r\n_?")) EXPECT_EQ(toUpperCp1250(c), c);
  EXPECT_EQ(fromUtf8(toUtf8(lower + upper)), lower + upper);
  // Both ways, at the boundary of two- and three-byte forms too.
  const std::pair<std::u16string, std::string> utf8[] = {
      {u"Přerušení", "Přerušení"}, {u"\u07FF", "\xDF\xBF"}, {u"\u0800", "\xE0\xA0\x80"}};
  for (const auto& [text, bytes] : utf8) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(toUtf8(text), bytes);
    EXPECT_EQ(fromUtf8(bytes), text);
  }
}

}  // namespace
}  // namespace tymba
