#include "core/lessonengine.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tymba {
namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kCarriageReturn = u'\r';
// A blank cannot be seen in the marks or the tables, so it is kept as this.
constexpr char16_t kBlankShownAs = u'_';
constexpr double kBlockSeconds = 1.0;
constexpr std::u16string_view kErrorRowGap = u"         ";  // nine blanks

// One character cell of the lesson font.
int shape1Step(int pismo) { return 120 + (pismo - 1) * 15; }

std::u16string_view withoutTrailingBlanks(std::u16string_view text) {
  const std::size_t end = text.find_last_not_of(kBlank);
  return end == std::u16string_view::npos ? std::u16string_view() : text.substr(0, end + 1);
}

bool isFreeSlot(std::u16string_view slot) { return withoutTrailingBlanks(slot).empty(); }

std::u16string shownCharacter(char16_t c) {
  return std::u16string(1, c == kBlank ? kBlankShownAs : c);
}

// The leading number of a setting's text, as "1", " 1" or "1.0" all mean 1.
double numericValue(const std::string& text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  if (text[start] == '+') ++start;
  double value = 0;
  std::from_chars(text.data() + start, text.data() + text.size(), value);
  return value;
}

// Seconds from the last keystroke, whose time is kept to four decimals. A
// reading that rounds to the kept time or later is the same day even when it
// lies a fraction below it; only a real step back is a pass over midnight.
double secondsSinceKeystroke(double now, Fixed4 casUhozu) {
  const double kept = fromFixed4(casUhozu);
  return toFixed4(now) >= casUhozu ? now - kept : secondsSince(now, kept);
}

// The wrong-character table and its row of lstSeznamChyb. The table has 70
// slots; a further distinct character is still counted everywhere else (typed
// text, error list, marks, three in a row) but gets no slot and no row, so a
// long run with many different wrong characters simply goes on.
void countWrongCharacter(SharedState& state, char16_t c, LessonKeystroke& result) {
  const std::u16string typed(1, c);
  for (int n = 0; n < kLessonTableSize; ++n) {
    const std::u16string& slot = state.ChybneZnaky[n];
    if (isFreeSlot(slot)) {
      state.ChybneZnaky[n] = shownCharacter(c);
      state.CetnostChyb[n] = 1;
      result.errorRow = n;
      result.errorRowAdded = true;
      return;
    }
    if (withoutTrailingBlanks(slot) == typed || slot == typed || (slot == u"_" && c == kBlank)) {
      ++state.CetnostChyb[n];
      result.errorRow = n;
      return;
    }
  }
}

// Three wrong keystrokes on consecutive positions block the input.
void checkThreeInARow(SharedState& state, double now, LessonKeystroke& result) {
  const std::size_t n = state.PoziceChyb.size();
  if (state.PocetChyb < 3 || n < 3) return;
  const int third = state.PoziceChyb[n - 3];
  const int second = state.PoziceChyb[n - 2];
  const int last = state.PoziceChyb[n - 1];
  if (third + 1 != second || second + 1 != last) return;
  result.playErrorSound = state.ZvukPripraven && numericValue(state.nastaveni.ZvukChybaB) == 1;
  result.blockStarted = true;
  state.BlokVstupu = true;
  state.CasBloku = now;
}

// The timing table: distinct typed characters, their counts and summed
// pauses. A blank is kept as "_", so it holds its slot like any character;
// a character beyond the 70th distinct one is not timed.
void timeKeystroke(SharedState& state, char16_t c, double now) {
  const std::u16string key = shownCharacter(c);
  for (int n = 0; n < kLessonTableSize; ++n) {
    const std::u16string& slot = state.NapsaneZnaky[n];
    const bool matches = slot == key || withoutTrailingBlanks(slot) == key;
    const bool free = !matches && isFreeSlot(slot);
    if (!matches && !free) continue;
    // The run's first keystroke has no pause before it.
    if (state.CasUhozu != 0) {
      state.ProdlevyZnaku[n] =
          toFixed4(fromFixed4(state.ProdlevyZnaku[n]) + secondsSinceKeystroke(now, state.CasUhozu));
    }
    if (matches) {
      ++state.CetnostZnaku[n];
    } else {
      state.NapsaneZnaky[n] = key;
      state.CetnostZnaku[n] = 1;
    }
    break;
  }
  state.CasUhozu = toFixed4(now);
}

// Lines are cut after a blank or a line break, and Enter at the end of a
// line arrives as a blank, so a blank is what closes a line. The last line
// of a text without a final line break ends in an ordinary character
// instead; there typing that very character closes the line correctly too.
bool closesLine(char16_t c, std::u16string_view line) {
  if (c == kBlank) return true;
  if (line.empty()) return false;
  const char16_t last = line.back();
  return last != kBlank && last != kCarriageReturn && c == last;
}

void finishLine(SharedState& state, LessonDisplay& display, char16_t c, double now,
                LessonKeystroke& result) {
  display.shape1Left = shape1StartLeft(state.nastaveni.Pismo);
  ++state.RadekVyuky;
  state.NapsanyText += c;
  if (closesLine(c, display.lblRadek[0])) {
    result.right = true;
  } else {
    result.wrong = true;
    appendError(state, static_cast<int>(state.NapsanyText.size()), std::u16string(1, c));
    countWrongCharacter(state, c, result);
    checkThreeInARow(state, now, result);
  }
  state.NapsanyText += u"\r\n";
  result.lineFinished = true;
  result.clearBox = true;

  display.lblRadek[0] = display.lblRadek[2];
  display.lblRadek[1].clear();
  if (display.lblRadek[0].empty()) {
    result.runFinished = true;
    state.CasUkonceni = static_cast<std::int32_t>(roundHalfEven(now));
    return;
  }
  // Every line that exists is shown, the text's last one included.
  const auto lastLine = static_cast<int>(state.RadkyVyuky.size()) - 1;
  for (int n = 2; n <= 10; ++n) {
    const int line = n + state.RadekVyuky;
    display.lblRadek[n] = line <= lastLine ? state.RadkyVyuky[line] : std::u16string();
  }
  result.updateNextKey = true;
}

}  // namespace

LessonKeystroke lessonKeystroke(SharedState& state, LessonDisplay& display,
                                const LessonKeystrokeInput& input) {
  LessonKeystroke result;
  state.JeNapsano = true;
  if (input.boxText.empty()) {
    result.emptyBox = true;
    return result;
  }
  result.startLimitTimer = !input.limitTimerRunning;

  if (state.BlokVstupu) {
    if (secondsSince(input.now, state.CasBloku) < kBlockSeconds) {
      result.discarded = true;
      result.clearBox = true;
      return result;
    }
    state.BlokVstupu = false;
    state.CasBloku = 0;
  }
  if (state.TestUkoncen) {
    result.ignored = true;
    return result;
  }
  result.timing = timeKeystroke(state, input.now, input.clockRunning, input.dictationVisible);
  if (input.dictationVisible) return result;
  const int pismo = state.nastaveni.Pismo;
  display.shape1Left += shape1Step(pismo);

  // The box is emptied after every keystroke, so anything before the last
  // character is a leftover; the keystroke itself is the last character.
  const char16_t c = input.boxText.back();
  const std::u16string& line = display.lblRadek[0];
  std::u16string& marks = display.lblRadek[1];
  if (marks.size() + 1 == line.size()) {
    finishLine(state, display, c, input.now, result);
    return result;
  }
  // Beyond the end of the line the expected character is empty: no keystroke
  // matches it.
  const bool right = marks.size() < line.size() && c == line[marks.size()];
  if (right) {
    result.right = true;
    state.NapsanyText += c;
    marks += kBlank;
  } else {
    result.wrong = true;
    const bool blankExpected = marks.size() < line.size() && line[marks.size()] == kBlank;
    countWrongCharacter(state, c, result);
    state.NapsanyText += shownCharacter(c);
    appendError(state, static_cast<int>(state.NapsanyText.size()),
                blankExpected ? std::u16string(1, kBlankShownAs) : std::u16string(1, c));
    marks += shownCharacter(c);
    checkThreeInARow(state, input.now, result);
  }
  timeKeystroke(state, c, input.now);
  result.updateNextKey = true;
  result.clearBox = true;
  return result;
}

bool enterCompletesLine(const LessonDisplay& display) {
  return display.lblRadek[1].size() + 1 == display.lblRadek[0].size();
}

std::u16string errorRowText(const SharedState& state, int slot) {
  if (slot < 0 || slot >= kLessonTableSize) return {};
  std::u16string row = state.ChybneZnaky[slot];
  row += kErrorRowGap;
  for (const char digit : std::to_string(state.CetnostChyb[slot]))
    row += static_cast<char16_t>(digit);
  return row;
}

void showLessonStart(LessonDisplay& display, const std::vector<std::u16string>& RadkyVyuky,
                     int pismo) {
  const auto line = [&](std::size_t n) {
    return n < RadkyVyuky.size() ? RadkyVyuky[n] : std::u16string();
  };
  display.lblRadek[0] = line(1);
  display.lblRadek[1].clear();  // the marks of the line being typed
  for (std::size_t n = 2; n < display.lblRadek.size(); ++n) display.lblRadek[n] = line(n);
  display.shape1Left = shape1StartLeft(pismo);
}

}  // namespace tymba
