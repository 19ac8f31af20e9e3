#pragma once
// Identities: named users whose finished tests are kept in a user file named
// after them. The built-in main identity "Hlavni" stands for an anonymous
// user: it has no password and no user file.

#include <cstddef>
#include <string>
#include <string_view>

namespace tymba {

inline constexpr std::u16string_view kMainIdentity = u"Hlavni";
inline constexpr std::size_t kIdentityNameMaxLength = 30;

// True for the main identity's name in any case, as the settings store
// matches keys.
bool isMainIdentity(std::u16string_view name);

// Whether a name can be an identity's: its user file is "name.ide" in the
// user files' folder, so the name must stay one plain file name there on any
// system. Refused: an empty name, one longer than kIdentityNameMaxLength, one
// with \ / : * ? " < > | or a control character, with blanks or dots at its
// start or end (so "." and ".." too).
bool isIdentityName(std::u16string_view name);

}  // namespace tymba
