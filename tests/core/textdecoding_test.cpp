#include "core/textdecoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tymba {
namespace {

TEST(DecodeText, DetectsOrTakesTheEncoding) {
  const std::string bom = "\xEF\xBB\xBF";
  struct Row {
    const char* name;
    std::string bytes;
    Encoding encoding;
    std::optional<std::u16string> expected;
  };
  const Row rows[] = {
      {"valid utf-8 with Czech letters", "\xC5\xBElu\xC5\xA5", Encoding::Detect, u"žluť"},
      {"the same in cp1250", "\x9Elu\x9D", Encoding::Detect, u"žluť"},
      {"bom dropped", bom + "abc", Encoding::Detect, u"abc"},
      {"bom declares utf-8 however the rest reads", bom + "\x9E", Encoding::Detect, std::nullopt},
      {"bytes valid as both are taken as utf-8", "\xC3\xBC", Encoding::Detect, u"ü"},
      {"the same bytes forced to cp1250", "\xC3\xBC", Encoding::Cp1250, u"ĂĽ"},
      {"overlong form is not utf-8", "\xC0\xAF", Encoding::Detect, u"ŔŻ"},
      {"encoded surrogate is not utf-8", "\xED\xA0\x80", Encoding::Detect, u"í\u00A0€"},
      {"sequence cut at the end is not utf-8", "a\xC5", Encoding::Detect, u"aĹ"},
      {"character beyond U+FFFF becomes one ?", "a\xF0\x9F\x98\x80z", Encoding::Detect, u"a?z"},
      {"forced utf-8 refuses cp1250", "\x9Elu\x9D", Encoding::Utf8, std::nullopt},
      {"forced utf-8 refuses beyond U+10FFFF", "\xF4\x90\x80\x80", Encoding::Utf8, std::nullopt},
      {"forced cp1250 keeps the bom bytes", bom + "a", Encoding::Cp1250, u"ď»ża"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(decodeText(row.bytes, row.encoding), row.expected);
  }
  // Every line end becomes CR LF, whatever the encoding.
  for (const Encoding encoding : {Encoding::Detect, Encoding::Utf8, Encoding::Cp1250}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    EXPECT_EQ(decodeText("\na\nb\r\nc\rd\r\r\ne\n\rf\r", encoding),
              u"\r\na\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n");
  }
}

}  // namespace
}  // namespace tymba
