#pragma once
// For everything that runs the alignment on test input (its tests and its
// fuzzer). The alignment calls its processEvents callback on every pass of
// its main loop; the guard given there throws once the passes are far more
// than any input needs, so that a loop that never ends fails at once instead
// of hanging the run. brokenListRule checks the rules every error list keeps.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "core/alignment.h"

namespace tymba {

struct AlignmentDoesNotEnd : std::runtime_error {
  AlignmentDoesNotEnd() : std::runtime_error("the alignment does not end") {}
};

// The processEvents callback for aligning these texts; it calls `also` on
// every pass.
inline std::function<void()> alignmentPassGuard(
    std::u16string_view target, std::u16string_view typed, std::function<void()> also = [] {}) {
  const long limit = 50L * static_cast<long>(target.size() + typed.size() + 10);
  return [limit, passes = 0L, also = std::move(also)]() mutable {
    if (++passes > limit) throw AlignmentDoesNotEnd();
    also();
  };
}

inline AlignmentErrors alignGuarded(std::u16string_view target, std::u16string_view typed) {
  return alignTexts(target, typed, alignmentPassGuard(target, typed));
}

// The first rule of the error list that `errors` breaks, or nothing: both
// vectors of one length; every position once, within the typed text, with
// the character typed there or a blank.
inline std::string brokenListRule(const AlignmentErrors& errors, std::u16string_view typed) {
  if (errors.PoziceChyb.size() != errors.ZnakyChyb.size()) return "vectors of different lengths";
  std::unordered_set<int> seen;
  for (std::size_t n = 0; n < errors.PoziceChyb.size(); ++n) {
    const int p = errors.PoziceChyb[n];
    const std::string at = "position " + std::to_string(p);
    if (!seen.insert(p).second) return at + " entered twice";
    if (p < 1 || p > static_cast<int>(typed.size())) return at + " outside the typed text";
    if (errors.ZnakyChyb[n] != u" " && errors.ZnakyChyb[n] != typed.substr(p - 1, 1))
      return at + " with another character than the typed one";
  }
  return {};
}

}  // namespace tymba
