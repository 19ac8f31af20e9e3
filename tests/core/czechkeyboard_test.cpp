#include "core/czechkeyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace tymba {
namespace {

TEST(CzechKeyboard, TypesItsKeysAndTheDeadKeyLettersOnly) {
  for (const char16_t c : std::u16string(u" \r\naZ09\"-'!\\|€[]{}@#&<>*$ß÷×¤§°~^`ůáÝěŠľĹŕŃđŁˇ´"))
    EXPECT_TRUE(isCzechKeyboardCharacter(c)) << static_cast<int>(c);
  // Typographic quotes and dashes, the ring and other dead keys, Tab, NBSP.
  for (const char16_t c : std::u16string(u"„“‚‘’”–—…ŮäôőűăµŞ\t\x7F\u00A0\u2212"))
    EXPECT_FALSE(isCzechKeyboardCharacter(c)) << static_cast<int>(c);
}

}  // namespace
}  // namespace tymba
