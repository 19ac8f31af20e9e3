// The decoding of text files from elsewhere and the Windows-1250 code page.
// Whatever the bytes: Windows-1250 always decodes and gives the same bytes
// back; every decoded text has only CR LF line breaks and one code unit per
// character; Detect picks what it promises; and a decoded text survives being
// written as UTF-8 or Windows-1250 and decoded again.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/cp1250.h"
#include "core/textdecoding.h"
#include "fuzz/fuzzinput.h"

namespace {

using tymba::decodeText;
using tymba::Encoding;
using tymba::fuzz::fail;

void expectCoreText(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) fail("a CR without LF");
    if (c == u'\n' && (i == 0 || text[i - 1] != u'\r')) fail("an LF without CR");
    if (c >= 0xD800 && c <= 0xDFFF) fail("a surrogate: a character taking two positions");
  }
}

void expectSame(const std::optional<std::u16string>& decoded, std::u16string_view expected,
                const char* what) {
  if (!decoded || *decoded != expected) fail(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::u16string characters = tymba::decodeCp1250(bytes);
  if (characters.size() != bytes.size()) fail("Windows-1250 is one character per byte");
  if (tymba::encodeCp1250(characters) != bytes) fail("Windows-1250 does not give the bytes back");
  for (const char16_t c : characters) {
    if (!tymba::isInCp1250(c)) fail("a decoded character outside the code page");
    if (!tymba::isInCp1250(tymba::toUpperCp1250(c))) fail("an upper case outside the code page");
  }

  const std::optional<std::u16string> cp1250 = decodeText(bytes, Encoding::Cp1250);
  if (!cp1250) fail("Windows-1250 decoding failed");
  expectCoreText(*cp1250);
  const std::optional<std::u16string> utf8 = decodeText(bytes, Encoding::Utf8);
  if (utf8) expectCoreText(*utf8);

  const std::optional<std::u16string> detected = decodeText(bytes, Encoding::Detect);
  bool highByte = false;
  for (const char b : bytes) highByte |= static_cast<unsigned char>(b) >= 0x80;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    if (detected != utf8) fail("a byte-order mark without UTF-8 decoding");
  } else if (utf8 && highByte) {
    expectSame(detected, *utf8, "valid UTF-8 with a high byte not taken as UTF-8");
  } else {
    expectSame(detected, *cp1250, "other bytes not taken as Windows-1250");
  }

  expectSame(decodeText(tymba::encodeCp1250(*cp1250), Encoding::Cp1250), *cp1250,
             "a Windows-1250 text written and read again differs");
  expectSame(decodeText(tymba::toUtf8(*cp1250), Encoding::Utf8), *cp1250,
             "a Windows-1250 text written as UTF-8 and read again differs");
  if (tymba::fromUtf8(tymba::toUtf8(*cp1250)) != *cp1250) fail("UTF-8 there and back differs");
  return 0;
}
