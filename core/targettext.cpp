#include "core/targettext.h"

namespace tymba {

std::u16string normalizeTextEnd(std::u16string_view text) {
  std::u16string result(text);
  if (result.empty()) return result;
  if (result.back() == u' ') {
    result.pop_back();
    result += u"\r\n";
  } else if (result.back() != u'\n') {
    result += u"\r\n";
  }
  return result;
}

int targetCopies(std::size_t length) {
  if (length < 5000) return 5;
  if (length > 5000 && length < 10000) return 3;
  return 1;
}

}  // namespace tymba
