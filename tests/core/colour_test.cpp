#include "core/colour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tymba {
namespace {

TEST(ParseColour, AcceptsHexadecimalAndSignedDecimal) {
  struct Row {
    const char* name;
    std::string_view text;
    std::uint32_t expected;
  };
  const Row rows[] = {
      {"system colour 15 in hexadecimal", "&H8000000F", 0x8000000Fu},
      {"the same in signed decimal", "-2147483633", 0x8000000Fu},
      {"system colour 9", "&H80000009", 0x80000009u},
      {"lower-case prefix and digits", "&hff", 0xFFu},
      {"mixed-case digits", "&HaBcDeF", 0xABCDEFu},
      {"leading zeros beyond eight digits", "&H0000000001", 1},
      {"largest hexadecimal", "&HFFFFFFFF", 0xFFFFFFFFu},
      {"black", "0", 0},
      {"white", "16777215", 0xFFFFFFu},
      {"largest positive decimal", "2147483647", 0x7FFFFFFFu},
      {"smallest decimal", "-2147483648", 0x80000000u},
      {"minus one is every bit", "-1", 0xFFFFFFFFu},
      {"plus sign", "+255", 0xFFu},
      {"negative zero", "-0", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(parseColour(row.text), std::optional<std::uint32_t>(row.expected));
  }
}

TEST(ParseColour, RejectsEverythingElse) {
  struct Row {
    const char* name;
    std::string_view text;
  };
  const Row rows[] = {
      {"empty", ""},
      {"a blank", " "},
      {"prefix alone", "&H"},
      {"ampersand alone", "&"},
      {"not a hexadecimal digit", "&HG"},
      {"hexadecimal then junk", "&H1Z"},
      {"hexadecimal above 32 bits", "&H100000000"},
      {"signed hexadecimal", "&H-1"},
      {"other prefix", "&O17"},
      {"hexadecimal without prefix", "FF"},
      {"digits then a letter", "12a"},
      {"decimal far beyond 32 bits", "99999999999"},
      {"one above the largest positive", "2147483648"},
      {"one below the smallest", "-2147483649"},
      {"unsigned form of a system colour", "2147483663"},
      {"sign alone", "-"},
      {"two signs", "--1"},
      {"leading blank", " 0"},
      {"trailing blank", "0 "},
      {"decimal point", "1.5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(parseColour(row.text), std::nullopt);
  }
}

TEST(Colour, SystemColoursAndParts) {
  EXPECT_TRUE(isSystemColour(0x8000000Fu));
  EXPECT_EQ(systemColourIndex(0x8000000Fu), 15u);
  EXPECT_EQ(systemColourIndex(0x80000009u), 9u);
  EXPECT_FALSE(isSystemColour(0x7FFFFFFFu));
  EXPECT_FALSE(isSystemColour(0));

  // 0x00BBGGRR: red in the lowest byte.
  EXPECT_EQ(rgbOf(0x00123456u), (Rgb{.red = 0x56, .green = 0x34, .blue = 0x12}));
  EXPECT_EQ(rgbOf(0xFFu), (Rgb{.red = 0xFF, .green = 0, .blue = 0}));
  EXPECT_EQ(rgbOf(0xFF000000u), Rgb{});
}

}  // namespace
}  // namespace tymba
