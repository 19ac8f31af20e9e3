#include "core/identity.h"

#include <algorithm>

#include "core/cp1250.h"

namespace tymba {

bool isMainIdentity(std::u16string_view name) {
  return std::equal(name.begin(), name.end(), kMainIdentity.begin(), kMainIdentity.end(),
                    [](char16_t a, char16_t b) { return toUpperCp1250(a) == toUpperCp1250(b); });
}

bool isIdentityName(std::u16string_view name) {
  if (name.empty() || name.size() > kIdentityNameMaxLength) return false;
  const auto refused = [](char16_t c) {
    return c < u' ' || (c >= 0x7F && c <= 0x9F) ||
           std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
  };
  const auto loose = [](char16_t c) { return c == u' ' || c == u'.'; };
  return std::none_of(name.begin(), name.end(), refused) && !loose(name.front()) &&
         !loose(name.back());
}

}  // namespace tymba
