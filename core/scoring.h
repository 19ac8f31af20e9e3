#pragma once
// Scoring of an ended run by the Czech method: gross keystrokes, scored
// errors, duration, net keystrokes, net keystrokes per minute and the error
// percentage, with the table of wrongly typed characters, the marked copy of
// the typed text and the two protocol texts that the evaluation shows.
// Exercise and lesson runs are scored by the same procedure; they differ in
// whether adjacent error marks merge and where the character table comes from.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/sharedstate.h"

namespace tymba {

// Gross keystrokes of a typed text: one per character, one more for each
// character typed with Shift (as found by the rule below), one more for each
// of the 18 letters typed with a dead key before them. Runs in linear time.
//
// The shift rule: walking the text, each character's upper-case form is
// looked for from its own position on (exact case); a keystroke is added
// when one is found and it is not the position counted just before.
int grossKeystrokes(std::u16string_view typed);

// "00 : 07", "00 : 45", "1 : 05", "12 : 30" for a duration in seconds.
std::u16string durationText(int seconds);

// Scored errors of an exercise run: adjacent marks merge into one error, and a
// long run of adjacent marks is split: ten marks in a row count one error,
// eleven count two, twenty count three.
int mergedErrorCount(const std::vector<int>& PoziceChyb);

// The protocol's two texts from a typed text and its marked copy ("_" at the
// errors): each line break typed where the marked copy has none (a line feed
// marked as an error, or no character there at all) becomes one blank in
// both texts at its place, so the protocol keeps the two lines together. The
// CR before the line feed goes into the same blank; in the marked copy only
// the characters it holds there are replaced.
void replaceWrongLineBreaks(std::u16string& typed, std::u16string& marked);

// The texts the window puts into its boxes after scoring.
struct ScoredTexts {
  // The typed text with "_" at every error position (the hidden marked copy).
  std::u16string markedCopy;
  // The typed text of an exercise run with "_" where text was left out; the
  // input box shows it until the run is reset. For a lesson run, unchanged.
  std::u16string typedWithGaps;
};

// Scores the ended run in state, whose typed text is `typed` (the input box's
// text of an exercise run, NapsanyText of a lesson run, line breaks as CR LF)
// and whose error list the engine or the alignment has filled. Sets
// HrubeUhozy, ChybyVysledku, DobaVysledku, CisteUhozy, CisteUhozyMin,
// ProcentoChyb, ProtokolNapsany and ProtokolOznaceny, and for an exercise run
// fills the wrong-character table (ChybneZnaky, CetnostChyb) from ZnakyChyb.
// The duration is CasUkonceni - CasZahajeni, a day later when the end is
// before the start (a run across midnight). PocetChyb is left as it is; the
// result window replaces it by ChybyVysledku when it has shown the values.
ScoredTexts scoreRun(SharedState& state, std::u16string_view typed);

}  // namespace tymba
