#include "core/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tymba {
namespace {

// Bytes 0x80 to 0xFF. Zero marks the bytes the code page leaves undefined.
// clang-format off
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
// clang-format on

char16_t charForByte(unsigned char b) {
  if (b < 0x80) return b;
  const char16_t c = kHighHalf[b - 0x80];
  return c != 0 ? c : char16_t(b);
}

// Characters of the upper half sorted by code, with their byte.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 128>;

ReverseTable makeReverseTable() {
  ReverseTable table{};
  for (int b = 0x80; b < 0x100; ++b)
    table[b - 0x80] = {charForByte(static_cast<unsigned char>(b)), static_cast<unsigned char>(b)};
  std::sort(table.begin(), table.end());
  return table;
}

const ReverseTable& reverseTable() {
  static const ReverseTable table = makeReverseTable();
  return table;
}

// Returns -1 when the code page lacks the character.
int byteForChar(char16_t c) {
  if (c < 0x80) return c;
  const auto& table = reverseTable();
  const auto it =
      std::lower_bound(table.begin(), table.end(), c,
                       [](const auto& entry, char16_t key) { return entry.first < key; });
  return (it != table.end() && it->first == c) ? it->second : -1;
}

constexpr std::array<std::pair<char16_t, char16_t>, 40> kUpperOfLower = {{
    {0x00E1, 0x00C1}, {0x00E2, 0x00C2}, {0x00E4, 0x00C4}, {0x00E7, 0x00C7}, {0x00E9, 0x00C9},
    {0x00EB, 0x00CB}, {0x00ED, 0x00CD}, {0x00EE, 0x00CE}, {0x00F3, 0x00D3}, {0x00F4, 0x00D4},
    {0x00F6, 0x00D6}, {0x00FA, 0x00DA}, {0x00FC, 0x00DC}, {0x00FD, 0x00DD}, {0x0103, 0x0102},
    {0x0105, 0x0104}, {0x0107, 0x0106}, {0x010D, 0x010C}, {0x010F, 0x010E}, {0x0111, 0x0110},
    {0x0119, 0x0118}, {0x011B, 0x011A}, {0x013A, 0x0139}, {0x013E, 0x013D}, {0x0142, 0x0141},
    {0x0144, 0x0143}, {0x0148, 0x0147}, {0x0151, 0x0150}, {0x0155, 0x0154}, {0x0159, 0x0158},
    {0x015B, 0x015A}, {0x015F, 0x015E}, {0x0161, 0x0160}, {0x0163, 0x0162}, {0x0165, 0x0164},
    {0x016F, 0x016E}, {0x0171, 0x0170}, {0x017A, 0x0179}, {0x017C, 0x017B}, {0x017E, 0x017D},
}};

}  // namespace

std::u16string decodeCp1250(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char b : bytes) text.push_back(charForByte(static_cast<unsigned char>(b)));
  return text;
}

std::string encodeCp1250(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char16_t c : text) {
    const int b = byteForChar(c);
    bytes.push_back(static_cast<char>(b < 0 ? '?' : b));
  }
  return bytes;
}

bool isInCp1250(char16_t c) { return byteForChar(c) >= 0; }

char16_t toUpperCp1250(char16_t c) {
  if (c >= u'a' && c <= u'z') return char16_t(c - u'a' + u'A');
  if (c < 0x80) return c;
  const auto it =
      std::lower_bound(kUpperOfLower.begin(), kUpperOfLower.end(), c,
                       [](const auto& entry, char16_t key) { return entry.first < key; });
  return (it != kUpperOfLower.end() && it->first == c) ? it->second : c;
}

std::u16string fromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (b0 < 0x80) {
      cp = b0;
    } else if ((b0 >> 5) == 0x6 && i + 1 < utf8.size()) {
      cp = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
      len = 2;
    } else if ((b0 >> 4) == 0xE && i + 2 < utf8.size()) {
      cp = ((b0 & 0x0F) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6) |
           (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
      len = 3;
    } else if ((b0 >> 3) == 0x1E && i + 3 < utf8.size()) {
      cp = ((b0 & 0x07) << 18) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 12) |
           ((static_cast<unsigned char>(utf8[i + 2]) & 0x3F) << 6) |
           (static_cast<unsigned char>(utf8[i + 3]) & 0x3F);
      len = 4;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(char16_t(0xD800 + (cp >> 10)));
      out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(char16_t(cp));
    }
    i += len;
  }
  return out;
}

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace tymba
