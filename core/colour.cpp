#include "core/colour.h"

namespace tymba {
namespace {

std::optional<int> hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

std::optional<std::uint32_t> parseHexadecimal(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const std::optional<int> digit = hexDigit(c);
    if (!digit) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(*digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> parseSignedDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  // Two's complement of the magnitude within 32 bits.
  return static_cast<std::uint32_t>(negative ? (0x100000000u - magnitude) & 0xFFFFFFFFu
                                             : magnitude);
}

}  // namespace

std::optional<std::uint32_t> parseColour(std::string_view text) {
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    return parseHexadecimal(text.substr(2));
  }
  return parseSignedDecimal(text);
}

std::string colourText(std::uint32_t colour) {
  return std::to_string(static_cast<std::int32_t>(colour));
}

}  // namespace tymba
