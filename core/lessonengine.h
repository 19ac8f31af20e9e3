#pragma once
// The lesson run while it is typed: every keystroke is checked at once
// against the current line (lblRadek(0)), marked under it (lblRadek(1)),
// counted in the error list and the per-character tables, and timed. Three
// wrong keystrokes in a row block the input for a second. A completed line
// moves the following lines up; an empty line after the move ends the run.
//
// The engine works on the shared state and on the captions of the lesson
// panel; the window shows the captions and turns the returned flags into
// timers, sounds, list rows and key pictures.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/keystroketiming.h"
#include "core/sharedstate.h"

namespace tymba {

// The cursor mark Shape1 at the start of a line, in twips.
inline constexpr int kShape1StartLeft = 1080;
inline constexpr int kShape1StartLeftLargeFont = 1065;  // Pismo 3
constexpr int shape1StartLeft(int pismo) {
  return pismo == 3 ? kShape1StartLeftLargeFont : kShape1StartLeft;
}

// What the lesson panel shows: captions of lblRadek(0)..(10) and the left
// edge of the cursor mark Shape1 (twips).
struct LessonDisplay {
  std::array<std::u16string, 11> lblRadek;
  int shape1Left = kShape1StartLeft;
};

struct LessonKeystrokeInput {
  std::u16string_view boxText;     // the input box's whole text after the change
  double now = 0;                  // seconds since midnight
  bool limitTimerRunning = false;  // tmrLimit
  bool clockRunning = false;       // tmrCas
  bool dictationVisible = false;   // picDiktafon
};

// What happened; the window maps it to timers, marks, sounds and pictures.
struct LessonKeystroke {
  bool emptyBox = false;         // the change emptied the box: nothing else happens
  bool startLimitTimer = false;  // start tmrLimit
  bool discarded = false;        // input blocked: keystroke dropped without trace (box emptied)
  bool ignored = false;          // the run has already been evaluated (TestUkoncen)
  KeystrokeTiming timing;
  bool right = false;
  bool wrong = false;
  std::optional<int> errorRow;  // 0-based row of lstSeznamChyb to set, or to add (errorRowAdded)
  bool errorRowAdded = false;
  bool blockStarted = false;  // three in a row: input blocked for one second
  bool playErrorSound = false;
  bool lineFinished = false;
  bool runFinished =
      false;              // stop tmrLimit, tmrCas, tmrVypnuti; CasUkonceni is set; show the result
  bool clearBox = false;  // empty the input box
  bool updateNextKey = false;  // hide img2(DalsiKlavesa) if not 0, then show the next key
};

// One change of the lesson input box (txtVVysledek).
LessonKeystroke lessonKeystroke(SharedState& state, LessonDisplay& display,
                                const LessonKeystrokeInput& input);

// Enter (KeyPress 13): true when it completes the line; the window then sets
// the box's text to " ", which closes the line as its final blank.
bool enterCompletesLine(const LessonDisplay& display);

// Row text of lstSeznamChyb for a 0-based slot of the wrong-character table:
// the character, nine blanks and the count ("_         3" for a blank).
std::u16string errorRowText(const SharedState& state, int slot);

// The start of a lesson text: item 0 shows line 1, item 1 (the marks) stays
// empty, items 2 to 10 show lines 2 to 10 as far as they exist; Shape1 goes
// to the start of the line for the font size.
void showLessonStart(LessonDisplay& display, const std::vector<std::u16string>& RadkyVyuky,
                     int pismo);

}  // namespace tymba
