#pragma once
// The exercise run while it is typed: nothing is compared yet (the alignment
// does that at the end); a keystroke starts the run and the clock, and the
// target text, shown three times one below the other, scrolls as the typed
// text grows. All measures are twips in the coordinates of the target panel.

#include <array>
#include <optional>

#include "core/keystroketiming.h"
#include "core/sharedstate.h"

namespace tymba {

// Texts this short (the first copy at most 2400 twips high) never scroll.
inline constexpr int kShortTextHeight = 2400;

struct ExerciseKeystrokeInput {
  int textLength = 0;             // the input box's text, a line break counting two
  double now = 0;                 // seconds since midnight
  bool clockRunning = false;      // tmrCas
  bool dictationVisible = false;  // the dictation player runs its own clock
  int firstLabelHeight = 0;       // lblZadani(1)
};

struct ExerciseKeystroke {
  bool ignored = false;  // the run has already been evaluated
  KeystrokeTiming timing;
  bool scrolls = false;  // long text: restack the labels, then decide the scroll
};

// A change of the input box's text.
ExerciseKeystroke exerciseKeystroke(SharedState& state, const ExerciseKeystrokeInput& input);

struct LabelSpan {
  int top = 0;
  int height = 0;
  int bottom() const { return top + height; }
};

struct LabelMove {
  int label = 0;  // 0, 1 or 2 for lblZadani(1) to (3)
  int newTop = 0;
};

// The copy that has left the top goes below the other two; at most one moves.
std::optional<LabelMove> restackTargetLabels(const std::array<LabelSpan, 3>& labels, int pismo);

struct ScrollGeometry {
  int viewHeight = 0;  // picZadani
  int labelWidth = 0;  // lblZadani(1)
  int cellWidth = 0;   // lblVelikostPisma: one character cell
  int cellHeight = 0;
};

struct ScrollDecision {
  bool startScroll = false;  // start the one-line scroll (tmrPosun1)
  // Before scrolling, put the panel back to the top and move the three
  // labels up by this many twips (0: leave them).
  int restackShift = 0;
};

// Decides on scrolling from the typed length. The scroll starts when the text
// first reaches TretinaOkna - 5 characters and then once per target line
// (ZnakuNaRadek characters); only the first time the text grows to a length
// counts, so deleting and retyping never scrolls twice.
ScrollDecision exerciseScroll(SharedState& state, int textLength, const ScrollGeometry& geometry);

// One 50 ms step of the one-line scroll: the panel moves up by 15 twips.
// Returns true when the line is done and the scroll timer stops.
bool scrollStep(SharedState& state);

}  // namespace tymba
