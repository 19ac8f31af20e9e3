#include "core/alignment.h"

#include <algorithm>
#include <cstddef>
#include <utility>

// How the alignment works. T is the target text, P the typed text; i walks T,
// j walks P, both 1-based. Where T[i] = P[j] the match phase follows the run
// of equivalent characters (equal, or a blank against a line break); a run of
// three confirms it. Where they differ and are not two swapped neighbours, a
// search looks for P[j] (followed by a confirming run) in the next 200 target
// characters from where the last good stretch ended; when it finds one, the
// texts resynchronise there, else the typed character is given up as an error.
//
// Choices made where the rules leave room:
// - Once j has passed the end of the typed text the alignment finishes, in
//   every step: nothing is ever entered outside the typed text.
// - A candidate whose comparison loop ran to its bound after confirming a run
//   resynchronises as if the next pair did not match; going on with the next
//   target position would give up a typed character that has just matched
//   (seen where a blank typed as a line break ends the text with the target).
//   An unconfirmed candidate at the last target position of the window ends
//   the search with a give-up like any other failed search.
// - The recovery after 20 scattered give-ups (below) also starts the next
//   search from the new typed position and counts its entries afresh.
//
// Why it always ends (every loop inside a pass has a bound fixed when it
// starts, so it is about the passes of the main loop):
// 1. Every search moves j forward. Each search ends by resynchronising,
//    giving up or recovering, and all three set flag A, so every search starts
//    at jS = j (= s), and jS only grows in it. A resynchronisation sets
//    j = m + jS > j; a give-up (reached only when no candidate confirmed a
//    run, so j is still s) sets j + 1. Only a recovery moves j back.
// 2. A pass without a search moves j forward, or keeps j and moves i forward
//    past a target character equal to P[j] (at most length of T times in a
//    row), or keeps both and lets r grow towards 3 (at most three times).
//    So between two recoveries there are finitely many passes.
// 3. A recovery sets i = iB + 201 and flag B, so the next search takes iB = i.
//    From then until the next recovery neither i nor iB falls below that (i
//    moves back only to iB; iB is only set to i or moved forward), so each
//    recovery lands at least 201 further into the target than the one before.
//    Once one lands beyond the end of the target nothing in it can match
//    again: every later search gives up, at consecutive typed positions, which
//    the 20-entry check accepts because the recovery restarted its count. So
//    there are at most (length of T) / 201 + 1 recoveries.
//
// Why no typed position is entered twice: at the start of a pass every entry
// lies before j. A pass enters positions from j on (the match phase at j0, the
// swap at j and j + 1, the search one entry at jS or j) and leaves j beyond
// each of them; a recovery drops every entry from its new j on. Each of those
// positions holds a typed character the step has compared, so it lies within
// the typed text.

namespace tymba {
namespace {

// Runs of this many equivalent characters confirm a match.
constexpr int kConfirmingRun = 3;
// Up to this typed position a short match moves both texts forward.
constexpr int kEarlyTypedPosition = 4;
// A run found by a search up to this long keeps the target position; a longer
// one takes the matched position.
constexpr int kLongestShortRun = 6;
// A search looks this many target characters beyond its origin (k = 0..200).
constexpr int kSearchWindow = 200;
// Give-ups since the last resynchronisation before the give-up step checks
// that the latest entries lie on consecutive typed positions...
constexpr int kEntriesBeforeCheck = 20;
// ...comparing this many consecutive pairs.
constexpr int kConsecutivePairs = 19;
// A recovery drops this many of the latest entries and shifts the offset.
constexpr std::size_t kRecoveryDroppedEntries = 200;
constexpr int kRecoveryOffsetShift = 199;

// A text seen through 1-based positions. Beyond either end there is "no
// character", which equals only itself (not even a typed NUL).
class Text {
 public:
  static constexpr int kNoCharacter = -1;

  explicit Text(std::u16string_view text) : text_(text), length_(static_cast<int>(text.size())) {}

  int length() const { return length_; }

  int at(int x) const {
    return x >= 1 && x <= length_ ? static_cast<int>(text_[static_cast<std::size_t>(x - 1)])
                                  : kNoCharacter;
  }
  bool blankAt(int x) const { return at(x) == u' '; }
  bool lineBreakAt(int x) const { return at(x) == u'\r' && at(x + 1) == u'\n'; }

 private:
  std::u16string_view text_;
  int length_;
};

class Aligner {
 public:
  Aligner(std::u16string_view target, std::u16string_view typed,
          const std::function<void()>& processEvents)
      : T_(target), P_(typed), processEvents_(processEvents) {}

  AlignmentErrors run();

 private:
  // Equal characters, or a blank on one side where the other has a line break.
  bool equivalent(int targetPos, int typedPos) const {
    return T_.at(targetPos) == P_.at(typedPos) ||
           (T_.blankAt(targetPos) && P_.lineBreakAt(typedPos)) ||
           (P_.blankAt(typedPos) && T_.lineBreakAt(targetPos));
  }
  bool typedTextUsedUp() const { return j_ > P_.length(); }
  void events() const {
    if (processEvents_) processEvents_();
  }

  void record(int position, std::u16string character) {
    errors_.PoziceChyb.push_back(position);
    errors_.ZnakyChyb.push_back(std::move(character));
  }
  void recordTyped(int position) {
    record(position, std::u16string(1, static_cast<char16_t>(P_.at(position))));
  }
  int count() const { return static_cast<int>(errors_.PoziceChyb.size()); }

  void matchPhase();
  bool swapTest();
  bool search();
  void resynchronise(int k, int m);
  void giveUp();
  bool latestEntriesConsecutive() const;
  void recover();

  const Text T_;
  const Text P_;
  const std::function<void()>& processEvents_;
  AlignmentErrors errors_;

  int i_ = 1;
  int j_ = 1;
  int d_ = 0;  // offset i - j of the stretch being aligned
  int r_ = 0;  // length of the current run
  int e_ = 0;  // target position where the last resynchronising run ended
  int s_ = 1;  // typed position to fall back to when a candidate fails
  int iS_ = 1;
  int jS_ = 1;  // the typed character searched for
  int iB_ = 0;  // where the target search starts
  int jB_ = 0;
  bool flagA_ = true;  // take the search origins iS, jS again
  bool flagB_ = true;  // take iB, jB again
  int q_ = 0;          // entries at the last resynchronisation
};

AlignmentErrors Aligner::run() {
  for (;;) {
    if (typedTextUsedUp()) break;
    events();
    if (T_.at(i_) == P_.at(j_)) matchPhase();
    if (typedTextUsedUp()) break;
    if (swapTest() && typedTextUsedUp()) break;
    if (T_.at(i_) == P_.at(j_)) {
      events();
      continue;
    }
    if (flagB_) {
      flagB_ = false;
      iB_ = i_;
      jB_ = j_;
    }
    if (flagA_) {
      flagA_ = false;
      iS_ = i_;
      jS_ = j_;
    }
    if (search()) continue;  // the resynchronisation processed the events
    if (typedTextUsedUp()) break;
    events();
  }
  return std::move(errors_);
}

// T[i] = P[j]: follow the run of equivalent characters from there.
void Aligner::matchPhase() {
  int j0 = j_;
  int i0 = i_;
  const int last = P_.length() - j_ + 1;
  int k = 1;
  for (; k <= last; ++k) {
    if (!equivalent(i0 + k, j0 + k)) break;
    if (P_.lineBreakAt(j0 + k)) {  // two typed characters against one blank
      ++j0;
      --d_;
    }
    if (T_.lineBreakAt(i0 + k)) {
      ++i0;
      ++d_;
    }
    ++r_;
    if (r_ >= kConfirmingRun) {
      i_ = k + i0;
      j_ = k + j0;
      if (e_ > k + i0) {
        // Confirmed before the end of the run that last resynchronised the
        // texts: target text was left out there.
        record(j0, u" ");
        e_ = 0;
      }
    }
  }
  s_ = j_;
  if (k > last) return;  // ran to its end
  if (r_ < kConfirmingRun) {
    if (j_ > kEarlyTypedPosition) {
      i_ = i0 + 1;  // try the same typed character one target position on
    } else {
      r_ = 0;
      j_ = k + j0;
      s_ = j_;
      i_ = k + i0;
    }
  } else {
    ++j_;
    r_ = 0;
    s_ = j_;
    ++i_;
    flagB_ = true;
  }
}

// Two neighbouring characters typed in swapped order; never a doubled
// character typed correctly. Returns whether it applied.
bool Aligner::swapTest() {
  if (T_.at(i_) == P_.at(j_)) return false;
  if (T_.at(i_) != P_.at(j_ + 1) || T_.at(i_ + 1) != P_.at(j_)) return false;
  recordTyped(j_);
  recordTyped(j_ + 1);
  j_ += 2;
  s_ = j_;
  i_ += 2;
  return true;
}

// Looks for the typed character at jS, followed by a confirming run, in the
// target from iB on. Returns whether the texts were resynchronised; otherwise
// the character was given up.
bool Aligner::search() {
  for (int k = 0; k <= kSearchWindow; ++k) {
    if (!equivalent(iB_ + k, jS_)) continue;
    if (P_.lineBreakAt(jS_)) {
      ++jS_;
      --d_;
    }
    if (T_.lineBreakAt(k + iB_)) {
      ++iB_;
      ++d_;
    }
    const int last = T_.length() - iS_ + k;
    int m = 1;
    for (; m <= last; ++m) {
      if (!equivalent(k + iB_ + m, jS_ + m)) break;
      if (P_.lineBreakAt(jS_ + m)) {
        ++jS_;
        --d_;
      }
      if (T_.lineBreakAt(k + iB_ + m)) {
        ++iB_;
        ++d_;
      }
      ++r_;
      if (r_ >= kConfirmingRun) {
        i_ = k + iB_ + m;
        j_ = m + jS_;
        s_ = j_;
        if (i_ > j_ + d_) {  // found further on in the target than expected
          d_ = i_ - j_;
          record(jS_, u" ");
        }
      }
      if (r_ < kConfirmingRun) j_ = s_;
    }
    if (r_ >= kConfirmingRun) {
      resynchronise(k, m);
      return true;
    }
    // An unconfirmed candidate that ran to its end keeps its run for the next.
    if (m <= last) {
      j_ = s_;
      r_ = 0;
    }
  }
  giveUp();
  return false;
}

// The search confirmed a run that ended before target position k + iB + m.
void Aligner::resynchronise(int k, int m) {
  // A short run may be chance: keep the target position, move the typed one.
  i_ = r_ <= kLongestShortRun ? iB_ : k + iB_ + m;
  j_ = m + jS_;
  s_ = j_;
  r_ = 0;
  e_ = k + iB_ + m;
  q_ = count();
  flagA_ = true;
  flagB_ = true;
  events();
}

// Nothing found within the window: the typed character is an error.
void Aligner::giveUp() {
  recordTyped(j_);
  --d_;
  if (count() - q_ < kEntriesBeforeCheck || latestEntriesConsecutive()) {
    ++j_;
    s_ = j_;
    r_ = 0;
    flagA_ = true;
  } else {
    recover();
  }
}

bool Aligner::latestEntriesConsecutive() const {
  const std::vector<int>& positions = errors_.PoziceChyb;
  const auto n = positions.size();  // at least 20 here
  for (std::size_t back = 0; back < kConsecutivePairs; ++back) {
    if (positions[n - 2 - back] + 1 != positions[n - 1 - back]) return false;
  }
  return true;
}

// Twenty or more scattered entries since the texts last resynchronised: the
// typed text is assumed to continue beyond the searched window. The latest
// entries and those from the new typed position on are dropped, and the
// alignment goes on from one before where the trouble started.
void Aligner::recover() {
  std::vector<int>& positions = errors_.PoziceChyb;
  std::vector<std::u16string>& characters = errors_.ZnakyChyb;
  const std::size_t dropped = std::min(positions.size(), kRecoveryDroppedEntries);
  positions.resize(positions.size() - dropped);
  characters.resize(characters.size() - dropped);

  i_ = iB_ + kSearchWindow + 1;
  j_ = std::max(1, jB_ - 1);
  d_ += kRecoveryOffsetShift;
  flagB_ = true;

  // Positions from j on are aligned again, so none of their entries may stay.
  std::size_t kept = 0;
  for (std::size_t n = 0; n < positions.size(); ++n) {
    if (positions[n] >= j_) continue;
    if (kept != n) {
      positions[kept] = positions[n];
      characters[kept] = std::move(characters[n]);
    }
    ++kept;
  }
  positions.resize(kept);
  characters.resize(kept);

  s_ = j_;
  r_ = 0;
  flagA_ = true;
  q_ = count();
}

}  // namespace

AlignmentErrors alignTexts(std::u16string_view target, std::u16string_view typed,
                           const std::function<void()>& processEvents) {
  return Aligner(target, typed, processEvents).run();
}

void Oprava(SharedState& state, std::u16string_view target, std::u16string_view typed,
            const std::function<void()>& processEvents) {
  AlignmentErrors found = alignTexts(target, typed, processEvents);
  for (std::size_t n = 0; n < found.PoziceChyb.size(); ++n)
    appendError(state, found.PoziceChyb[n], std::move(found.ZnakyChyb[n]));
}

}  // namespace tymba
