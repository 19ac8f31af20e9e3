#include "core/colour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tymba {
namespace {

TEST(ParseColour, HexadecimalOrSignedDecimalAndNothingElse) {
  struct Row {
    const char* name;
    std::string_view text;
    std::optional<std::uint32_t> expected;
  };
  const Row rows[] = {
      {"system colour in hexadecimal", "&H8000000F", 0x8000000Fu},
      {"the same in signed decimal", "-2147483633", 0x8000000Fu},
      {"lower-case prefix and digits", "&hff", 0xFFu},
      {"mixed-case digits", "&HaBcDeF", 0xABCDEFu},
      {"leading zeros beyond eight digits", "&H0000000001", 1u},
      {"largest hexadecimal", "&HFFFFFFFF", 0xFFFFFFFFu},
      {"largest positive decimal", "2147483647", 0x7FFFFFFFu},
      {"smallest decimal", "-2147483648", 0x80000000u},
      {"minus one is every bit", "-1", 0xFFFFFFFFu},
      {"plus sign", "+255", 0xFFu},
      {"empty", "", std::nullopt},
      {"prefix alone", "&H", std::nullopt},
      {"not a hexadecimal digit", "&HG", std::nullopt},
      {"hexadecimal above 32 bits", "&H100000000", std::nullopt},
      {"signed hexadecimal", "&H-1", std::nullopt},
      {"digits then a letter", "12a", std::nullopt},
      {"one above the largest positive", "2147483648", std::nullopt},
      {"one below the smallest", "-2147483649", std::nullopt},
      {"sign alone", "-", std::nullopt},
      {"two signs", "--1", std::nullopt},
      {"blank", " 0", std::nullopt},
      {"decimal point", "1.5", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(parseColour(row.text), row.expected);
  }
}

TEST(Colour, SystemColoursAndParts) {
  EXPECT_TRUE(isSystemColour(0x8000000Fu));
  EXPECT_FALSE(isSystemColour(0x7FFFFFFFu));
  EXPECT_EQ(systemColourIndex(0x8000000Fu), 15u);
  // 0x00BBGGRR: red in the lowest byte, the top byte ignored.
  EXPECT_EQ(rgbOf(0xFF123456u), (Rgb{.red = 0x56, .green = 0x34, .blue = 0x12}));
}

}  // namespace
}  // namespace tymba
