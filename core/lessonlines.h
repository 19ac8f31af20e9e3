#pragma once
// A lesson or practice text cut into the lines the lesson panel shows.
//
// A line ends at its line break when that comes within 74 characters (the
// CR stays, the LF is skipped); otherwise at the first blank 70 or more
// characters on (the blank stays); a text with neither ends in one last line.
// A line break further away than that may end up inside a line.

#include <string>
#include <string_view>
#include <vector>

namespace tymba {

// Index 0 stays empty; lines 1..N follow in order. A single character left
// over after the last cut gets no line of its own.
std::vector<std::u16string> cutLessonLines(std::u16string_view text);

}  // namespace tymba
