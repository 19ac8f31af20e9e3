#pragma once
// The target text of an exercise run as the display takes it: it always ends
// with a line break, and the copy kept for the alignment holds it several
// times over, so that a fast typist never runs past its end.

#include <string>
#include <string_view>

namespace tymba {

// A final blank becomes CR LF; a text not ending with LF gets CR LF appended.
// An empty text stays empty.
std::u16string normalizeTextEnd(std::u16string_view text);

// How many copies of a text of this length the alignment copy receives:
// five below 5000 characters, three between 5000 and 10000 (both excluded),
// one otherwise.
int targetCopies(std::size_t length);

}  // namespace tymba
