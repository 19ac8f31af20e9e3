#include "core/scoring.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/clockmath.h"
#include "core/cp1250.h"

namespace tymba {
namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kMark = u'_';
// Typed with an accent key first, so each costs one keystroke more.
constexpr std::u16string_view kDeadKeyLetters = u"ťďňóĚŘŤŽŠĎČŇÉÚÍÓÁÝ";
constexpr int kSecondsPerMinute = 60;

std::u16string digits(int value) {
  std::u16string text;
  for (const char digit : std::to_string(value)) text += static_cast<char16_t>(digit);
  return text;
}

std::u16string_view withoutTrailingBlanks(std::u16string_view text) {
  const std::size_t end = text.find_last_not_of(kBlank);
  return end == std::u16string_view::npos ? std::u16string_view() : text.substr(0, end + 1);
}

// Adds the wrong characters of an exercise run to the table, which the reset
// emptied. A blank (left-out or added text) is kept as "_"; entries already
// "_" are skipped. The table has 70 slots: a 71st distinct character gets no
// slot, but it still counts as an error everywhere else, so the run is scored
// as usual.
void fillWrongCharacterTable(SharedState& state) {
  for (const std::u16string& c : state.ZnakyChyb) {
    if (c == u"_") continue;
    for (int s = 0; s < kLessonTableSize; ++s) {
      std::u16string& slot = state.ChybneZnaky[s];
      const std::u16string_view trimmed = withoutTrailingBlanks(slot);
      if (trimmed == c || slot == c || (slot == u"_" && c == u" ")) {
        ++state.CetnostChyb[s];
        break;
      }
      if (trimmed.empty()) {
        slot = c == u" " ? std::u16string(1, kMark) : c;
        state.CetnostChyb[s] = 1;
        break;
      }
    }
  }
}

// Seconds the run took; an end before the start means it went past midnight.
int runSeconds(const SharedState& state) {
  const std::int64_t elapsed =
      static_cast<std::int64_t>(state.CasUkonceni) - static_cast<std::int64_t>(state.CasZahajeni);
  return static_cast<int>(elapsed < 0 ? elapsed + static_cast<std::int64_t>(kSecondsPerDay)
                                      : elapsed);
}

// The value is kept as a 16-bit number: one outside that range, like a run of
// no time at all, leaves 0.
int netPerMinute(std::int64_t net, int seconds) {
  if (seconds == 0) return 0;
  const double value =
      std::floor(static_cast<double>(net) / (seconds / static_cast<double>(kSecondsPerMinute)));
  if (!(value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max()))
    return 0;
  return static_cast<int>(value);
}

bool isInside(int position, std::size_t length) {
  return position >= 1 && static_cast<std::size_t>(position) <= length;
}

}  // namespace

// Read from the end, as replacing in place from the end would do, so that a
// line feed always takes the character before it: the texts are built from
// their ends in one pass, in linear time however many line breaks are wrong.
void replaceWrongLineBreaks(std::u16string& typed, std::u16string& marked) {
  std::u16string typedOut;
  // What the marked text holds beyond the typed text's end stays as it is.
  const std::size_t beyond = marked.size() > typed.size() ? marked.size() - typed.size() : 0;
  std::u16string markedOut(marked.rbegin(), marked.rbegin() + static_cast<std::ptrdiff_t>(beyond));
  typedOut.reserve(typed.size());
  markedOut.reserve(marked.size());
  for (std::size_t i = typed.size(); i-- > 0;) {
    if (typed[i] != kLineFeed || (i < marked.size() && marked[i] == kLineFeed)) {
      typedOut += typed[i];
      if (i < marked.size()) markedOut += marked[i];
      continue;
    }
    typedOut += kBlank;
    if (i > 0) {
      --i;  // its CR goes into the same blank
    }
    if (i < marked.size()) markedOut += kBlank;
  }
  typed.assign(typedOut.rbegin(), typedOut.rend());
  marked.assign(markedOut.rbegin(), markedOut.rend());
}

namespace {

// A lesson's typed text gets a blank after each line feed that a blank
// follows, walking the positions 1 to its original length through the
// growing text. The marked copy gets its blanks at the very same places, so
// that every mark stays under the character it marks: the protocol shows
// the two texts one over the other.
void lessonProtocol(SharedState& state, std::u16string_view typed,
                    const std::u16string& markedCopy) {
  std::u16string written(typed);
  std::u16string marked = markedCopy;
  const std::size_t originalLength = written.size();
  for (std::size_t i = 0; i < originalLength; ++i) {
    if (written[i] != kLineFeed || i + 1 >= written.size() || written[i + 1] != kBlank) continue;
    written.insert(i + 1, 1, kBlank);
    if (i + 1 <= marked.size()) marked.insert(i + 1, 1, kBlank);
  }
  state.ProtokolNapsany = std::move(written);
  state.ProtokolOznaceny = std::move(marked);
}

// Where each character occurs next, walking a text from its end. Letters
// and everything else below U+0180 (all the code page's letters) sit in a
// small table; the rest (dashes, quotes, symbols) is rare enough for a map.
class NextOccurrence {
 public:
  void set(char16_t c, int position) {
    if (c < kTableSize) {
      table_[c] = position;
    } else {
      rest_[c] = position;
    }
  }
  int at(char16_t c) const {
    if (c < kTableSize) return table_[c];
    const auto found = rest_.find(c);
    return found == rest_.end() ? 0 : found->second;
  }

 private:
  static constexpr char16_t kTableSize = 0x180;
  std::array<int, kTableSize> table_{};
  std::unordered_map<char16_t, int> rest_;
};

}  // namespace

int grossKeystrokes(std::u16string_view typed) {
  const std::size_t length = typed.size();
  // shiftTarget[i]: 1-based position of the first character at or after i
  // equal to the upper-case form of typed[i], 0 when there is none. Built
  // from the end, remembering where each character occurs next.
  std::vector<int> shiftTarget(length, 0);
  NextOccurrence next;
  for (std::size_t i = length; i-- > 0;) {
    const char16_t c = typed[i];
    const auto position = static_cast<int>(i + 1);
    next.set(c, position);
    const char16_t upper = toUpperCp1250(c);
    shiftTarget[i] = upper == c ? position : next.at(upper);
  }

  int gross = static_cast<int>(length);
  int lastCounted = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const int p = shiftTarget[i];
    if (p != 0 && p != lastCounted) {
      ++gross;
      lastCounted = p;
    }
    if (kDeadKeyLetters.find(typed[i]) != std::u16string_view::npos) ++gross;
  }
  return gross;
}

std::u16string durationText(int seconds) {
  if (seconds < 10) return u"00 : 0" + digits(seconds);
  if (seconds < kSecondsPerMinute) return u"00 : " + digits(seconds);
  const int minutes = seconds / kSecondsPerMinute;
  const int rest = seconds - minutes * kSecondsPerMinute;
  return digits(minutes) + (rest < 10 ? u" : 0" : u" : ") + digits(rest);
}

// The run counter is tested before it counts the current mark, so the first
// error of a run covers ten marks and each further one nine.
int mergedErrorCount(const std::vector<int>& PoziceChyb) {
  int count = 0;
  int run = 1;
  for (std::size_t i = 0; i < PoziceChyb.size(); ++i) {
    if (i == 0) count = 1;
    if (run > 9) {
      run = 1;
      ++count;
    }
    if (i > 0) {
      if (PoziceChyb[i] - PoziceChyb[i - 1] == 1) {
        ++run;
      } else {
        run = 1;
        ++count;
      }
    }
  }
  return count;
}

ScoredTexts scoreRun(SharedState& state, std::u16string_view typed) {
  const bool exercise = state.DruhTestu != TestKind::Vyuka;
  const auto length = static_cast<int>(typed.size());

  state.HrubeUhozy = grossKeystrokes(typed);
  if (exercise) fillWrongCharacterTable(state);
  state.ChybyVysledku = exercise ? mergedErrorCount(state.PoziceChyb) : state.PocetChyb;

  const int seconds = runSeconds(state);
  state.DobaVysledku = durationText(seconds);

  // Net keystrokes take the engine's marks, not the merged count.
  const std::int64_t net = length - static_cast<std::int64_t>(state.PocetChyb) * state.ZtrataUhozu;
  state.CisteUhozy = net >= 1 ? static_cast<int>(net) : 0;
  state.CisteUhozyMin = netPerMinute(net, seconds);
  state.ProcentoChyb = length == 0 ? 0 : toFixed4(state.PocetChyb * 100.0 / length);

  ScoredTexts texts{std::u16string(typed), std::u16string(typed)};
  for (std::size_t k = 0; k < state.PoziceChyb.size(); ++k) {
    const int position = state.PoziceChyb[k];
    if (!isInside(position, typed.size())) continue;
    texts.markedCopy[position - 1] = kMark;
    if (exercise && k < state.ZnakyChyb.size() && state.ZnakyChyb[k] == u" ")
      texts.typedWithGaps[position - 1] = kMark;
  }

  if (exercise) {
    std::u16string written = texts.typedWithGaps;
    std::u16string marked = texts.markedCopy;
    replaceWrongLineBreaks(written, marked);
    state.ProtokolNapsany = std::move(written);
    state.ProtokolOznaceny = std::move(marked);
  } else {
    lessonProtocol(state, typed, texts.markedCopy);
  }
  return texts;
}

}  // namespace tymba
