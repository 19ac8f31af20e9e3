#pragma once
// The Windows-1250 code page: every file the program reads or writes is
// single-byte text in it, and the core works on UTF-16 code units. Upper case
// is taken from a table so that it never depends on the C library's locale.

#include <string>
#include <string_view>

namespace tymba {

// Each byte becomes one character; the five bytes the code page leaves
// undefined map to the C1 control with the same number, so decoding and
// encoding again gives back the same bytes.
std::u16string decodeCp1250(std::string_view bytes);

// Characters outside the code page are written as "?".
std::string encodeCp1250(std::u16string_view text);

bool isInCp1250(char16_t c);

// Upper-case form within the code page; characters without one come back
// unchanged (ß, µ, digits, punctuation).
char16_t toUpperCp1250(char16_t c);

// UTF-8 <-> UTF-16 for the boundary with settings and messages.
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view text);

}  // namespace tymba
