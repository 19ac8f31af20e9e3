#include "core/targettext.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

TEST(NormalizeTextEnd, EndsEveryTextWithOneLineBreak) {
  struct Row {
    const char* name;
    std::u16string text;
    std::u16string expected;
  };
  const Row rows[] = {
      {"final blank becomes a line break", u"Dobrý den ", u"Dobrý den\r\n"},
      {"final line break kept", u"Dobrý den\r\n", u"Dobrý den\r\n"},
      {"lone LF kept", u"Dobrý den\n", u"Dobrý den\n"},
      {"other character gets CR LF", u"Dobrý den.", u"Dobrý den.\r\n"},
      {"only the last blank is replaced", u"a  ", u"a \r\n"},
      {"empty stays empty", u"", u""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(normalizeTextEnd(row.text), row.expected);
  }
}

TEST(TargetCopies, ThresholdsAt5000And10000) {
  const std::pair<std::size_t, int> rows[] = {
      {4999, 5}, {5000, 1}, {5001, 3}, {9999, 3}, {10000, 1}};
  for (const auto& [length, copies] : rows) {
    SCOPED_TRACE(length);
    EXPECT_EQ(targetCopies(length), copies);
  }
}

}  // namespace
}  // namespace tymba
