#include "core/lessonlines.h"

#include <algorithm>

namespace tymba {
namespace {

constexpr std::size_t kBlankSearchOffset = 70;
constexpr std::size_t kLongestBrokenLine = 74;

}  // namespace

std::vector<std::u16string> cutLessonLines(std::u16string_view text) {
  std::vector<std::u16string> lines{std::u16string()};
  std::size_t start = 0;  // 0-based
  for (;;) {
    const std::size_t blank = start + kBlankSearchOffset < text.size()
                                  ? text.find(u' ', start + kBlankSearchOffset)
                                  : std::u16string_view::npos;
    const std::size_t cr = text.find(u'\r', start);
    if (cr != std::u16string_view::npos && cr > start && cr - start <= kLongestBrokenLine) {
      lines.emplace_back(text.substr(start, cr - start + 1));
      start = cr + 2;
    } else if (blank == std::u16string_view::npos) {
      lines.emplace_back(text.substr(std::min(start, text.size())));
      return lines;
    } else {
      lines.emplace_back(text.substr(start, blank - start + 1));
      start = blank + 1;
    }
    // 1-based P >= length: the same as start + 1 >= size.
    if (start + 1 >= text.size()) return lines;
  }
}

}  // namespace tymba
