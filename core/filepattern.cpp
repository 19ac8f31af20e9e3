#include "core/filepattern.h"

#include "core/cp1250.h"

namespace tymba {
namespace {

bool sameLetter(char16_t a, char16_t b) { return toUpperCp1250(a) == toUpperCp1250(b); }

// Matching with backtracking to the last star only: linear in practice and
// never exponential, whatever the pattern.
bool matchesOne(std::u16string_view name, std::u16string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starAt = std::u16string_view::npos;
  std::size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && (pattern[p] == u'?' || sameLetter(pattern[p], name[n]))) {
      ++n;
      ++p;
    } else if (starAt != std::u16string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

std::u16string_view trimmed(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

}  // namespace

bool matchesFilePattern(std::u16string_view name, std::u16string_view pattern) {
  if (trimmed(pattern).empty()) return true;
  const bool hasDot = name.find(u'.') != std::u16string_view::npos;
  while (true) {
    const std::size_t end = pattern.find(u';');
    const std::u16string_view one = trimmed(pattern.substr(0, end));
    if (!one.empty()) {
      if (matchesOne(name, one)) return true;
      if (!hasDot && one.size() >= 2 && one.substr(one.size() - 2) == u".*" &&
          matchesOne(name, one.substr(0, one.size() - 2)))
        return true;
    }
    if (end == std::u16string_view::npos) return false;
    pattern.remove_prefix(end + 1);
  }
}

}  // namespace tymba
