#include "core/textdecoding.h"

#include "core/cp1250.h"

namespace tymba {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::optional<std::u16string> decodeUtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text.push_back(lead);
      ++i;
      continue;
    }
    std::size_t length;
    char32_t code;
    char32_t smallest;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
      return std::nullopt;
    }
    if (bytes.size() - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return std::nullopt;
    // The core counts one code unit per character.
    text.push_back(code > 0xFFFF ? u'?' : static_cast<char16_t>(code));
    i += length;
  }
  return text;
}

bool hasHighByte(std::string_view bytes) {
  for (const char b : bytes)
    if (static_cast<unsigned char>(b) >= 0x80) return true;
  return false;
}

std::u16string withCrLfLineEnds(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      result += u"\r\n";
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      result.push_back(c);
    }
  }
  return result;
}

}  // namespace

std::optional<std::u16string> decodeText(std::string_view bytes, Encoding encoding) {
  std::optional<std::u16string> text;
  if (encoding == Encoding::Cp1250) {
    text = decodeCp1250(bytes);
  } else if (encoding == Encoding::Utf8 || bytes.starts_with(kUtf8Bom)) {
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    text = decodeUtf8(bytes);
  } else {
    if (hasHighByte(bytes)) text = decodeUtf8(bytes);
    if (!text) text = decodeCp1250(bytes);
  }
  if (!text) return std::nullopt;
  return withCrLfLineEnds(*text);
}

}  // namespace tymba
