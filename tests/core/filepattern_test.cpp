#include "core/filepattern.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tymba {
namespace {

TEST(MatchesFilePattern, WildcardsListsAndCase) {
  struct Row {
    const char* name;
    std::u16string_view file;
    std::u16string_view pattern;
    bool matches;
  };
  const Row rows[] = {
      {"every file", u"dopis.txt", u"*.*", true},
      {"every file, also without a dot", u"ČTIMNE", u"*.*", true},
      {"an empty pattern lists everything", u"dopis.txt", u"  ", true},
      {"extension ignoring case", u"Jaro.TXT", u"*.txt", true},
      {"Czech letters ignoring case", u"čaj.txt", u"Č*", true},
      {"other extension", u"lekce.vyu", u"*.txt", false},
      {"extension only at the end", u"dopis.txt.bak", u"*.txt", false},
      {"star must not stop at the first dot", u"a.b.txt", u"*.txt", true},
      {"question mark takes exactly one", u"lekce1.vyu", u"lekce?.vyu", true},
      {"question mark is not empty", u"lekce.vyu", u"lekce?.vyu", false},
      {"second of a list", u"lekce.vyu", u"*.txt; *.vyu", true},
      {"none of a list", u"obraz.png", u"*.txt;*.vyu", false},
      {"name.* takes a name without extension", u"README", u"readme.*", true},
      {"name.* wants that name", u"README2", u"readme.*", false},
      {"a star in the name is literal only where written", u"a*b", u"a?b", true},
      {"backtracking over a repeated part", u"aaab", u"*aab", true},
      {"exact name", u"Jaro.txt", u"jaro.txt", true},
      {"prefix is not the name", u"Jaro.txt", u"jaro", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(matchesFilePattern(row.file, row.pattern), row.matches);
  }
}

}  // namespace
}  // namespace tymba
