#pragma once
// Colours as the settings store them: a 32-bit number, written either in
// hexadecimal with the "&H" prefix ("&H8000000F", as the first run writes it)
// or in signed decimal ("-2147483633", as the options window writes it). An
// ordinary colour is 0x00BBGGRR; with the top bit set the number names a
// system colour by its index instead (0x8000000F: the face of buttons).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tymba {

// The colour number of a stored text: "&H" or "&h" and one or more
// hexadecimal digits of either case with a value below 2^32, or a decimal
// number with an optional sign from -2147483648 to 2147483647 (negatives
// taken as their 32-bit two's complement). Nothing else, blanks included.
std::optional<std::uint32_t> parseColour(std::string_view text);

// The signed decimal text of a colour, as the options window stores it:
// "-2147483633" for 0x8000000F. parseColour reads it back.
std::string colourText(std::uint32_t colour);

constexpr bool isSystemColour(std::uint32_t colour) { return (colour & 0x80000000u) != 0; }

// The index of a system colour: the number without its top bit.
constexpr std::uint32_t systemColourIndex(std::uint32_t colour) { return colour & 0x7FFFFFFFu; }

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The parts of an ordinary colour; the top byte is ignored.
constexpr Rgb rgbOf(std::uint32_t colour) {
  return {static_cast<std::uint8_t>(colour & 0xFFu),
          static_cast<std::uint8_t>((colour >> 8) & 0xFFu),
          static_cast<std::uint8_t>((colour >> 16) & 0xFFu)};
}

// The ordinary colour of these parts.
constexpr std::uint32_t colourNumber(Rgb rgb) {
  return static_cast<std::uint32_t>(rgb.red) | static_cast<std::uint32_t>(rgb.green) << 8 |
         static_cast<std::uint32_t>(rgb.blue) << 16;
}

}  // namespace tymba
