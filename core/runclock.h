#pragma once
// The clock of a running test: the ticks of the clock timer (elapsed time,
// the time bar, the end of the run on time-out, the end warning, the
// 5-second samples), of the limit timer (speed and error indicators of lesson
// runs) and of the inactivity timer. Every rule is stated on clock readings,
// not on counts of ticks, so it holds for any tick interval; the window calls
// these with "now" and shows what they return. Widths are twips.

#include <cstdint>
#include <optional>
#include <string>

#include "core/sharedstate.h"

namespace tymba {

struct ClockTickInput {
  double now = 0;         // seconds since midnight
  int typedLength = 0;    // the input box's text of an exercise run (CR LF counts two)
  int barFrameWidth = 0;  // lblKonecna
};

struct ClockTick {
  // A new whole-second reading: the window shows these texts. The minutes
  // change only from 60 seconds on; below that they are left as they are.
  std::optional<std::u16string> minuteText;  // both items of lblMinuta
  std::optional<std::u16string> secondText;  // both items of lblSekunda
  std::optional<int> barWidth;               // lblZacatek
  // Time is up: stop tmrCas and tmrVypnuti, fill the bar, disable
  // txtVysledek, show the result. CasUkonceni is already set.
  bool timeUp = false;
  bool playEndWarning = false;  // the end-of-test sound, about 5 s before the end
  bool sampleTaken = false;     // PocetVzorku grew by one
};

// One tick of the clock timer.
// The end is tested on every reading (the first at least DobaTestu
// minutes after CasStartu), and that tick also shows the final clock texts.
// The end warning goes with the first whole-second reading past 6 seconds
// before the end, so it is given exactly once however the readings fall.
ClockTick clockTick(SharedState& state, const ClockTickInput& input);

// Two digits below 10 ("00" to "09"), the plain number from 10 on.
std::u16string twoDigits(int value);

struct LimitTickInput {
  double now = 0;
  int speedFrameWidth = 0;  // picLimitRychlosti
  int errorFrameWidth = 0;  // picLimitChyby
};

// What one tick of the limit timer shows. Values are computed in order and an
// arithmetic failure (no keystroke yet, no time elapsed, a zero limit) leaves
// that value and every later one empty: the window then keeps what it showed.
struct LimitTick {
  std::optional<int> speedBarWidth;          // lblZRychlost
  std::optional<int> speed;                  // lblRychlost: keystrokes per minute, rounded down
  std::optional<int> errorBarWidth;          // lblCChyby
  std::optional<Fixed4> errorPercent;        // lblChyby
  std::optional<int> speedAgainstLimit;      // lblProcentoRychlosti, percent above (+) or below (-)
  std::optional<Fixed4> errorsAgainstLimit;  // lblProcentoChyb
};

// One tick of the limit timer; shows nothing unless the limits are shown
// (option LimityVisible "1").
LimitTick limitTick(const SharedState& state, const LimitTickInput& input);

// One tick of the inactivity timer: true when the run ends for want of
// keystrokes ("Zastav" seconds without one). CasUkonceni is then set.
bool inactivityTick(SharedState& state, double now);

}  // namespace tymba
