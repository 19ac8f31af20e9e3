#pragma once
// The alignment of an exercise run: when the run ends, the whole typed text is
// laid against the target text, tolerating characters typed too many, left
// out or swapped and line breaks typed as blanks, and every typed position
// that does not fit becomes an entry of the error list.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sharedstate.h"

namespace tymba {

struct AlignmentErrors {
  // Entry n of both vectors belongs together, in the order found (not sorted).
  std::vector<int> PoziceChyb;            // 1-based positions into the typed text (CR LF counts 2)
  std::vector<std::u16string> ZnakyChyb;  // typed character there, or u" " for left-out target text
};

// Aligns the typed text with the target text. processEvents (may be empty) is
// called once per pass of the main loop and once after each search, so that a
// window stays responsive while a long text is aligned.
AlignmentErrors alignTexts(std::u16string_view target, std::u16string_view typed,
                           const std::function<void()>& processEvents = {});

// Appends what alignTexts finds to the shared error list. Expects
// state.PocetChyb == 0 (the run was reset when it started).
void Oprava(SharedState& state, std::u16string_view target, std::u16string_view typed,
            const std::function<void()>& processEvents = {});

}  // namespace tymba
