#pragma once
// What every keystroke of a run does before its engine looks at the
// character: the first one starts the run, each one restarts the inactivity
// count, and the clock starts unless it is already running or the dictation
// player keeps the time.

#include "core/sharedstate.h"

namespace tymba {

struct KeystrokeTiming {
  bool firstKeystroke = false;     // stop tmrCasik, show the start time, enable miZnovu
  bool restartInactivity = false;  // (re)start tmrVypnuti
  bool playClick = false;
  bool startClock = false;  // start tmrCas; CasTiku, CasVzorku and CasStartu are set
};

// The clock of a run starts now: CasTiku, CasVzorku and CasStartu set. The
// engine starts it at a keystroke; a dictation run starts it itself.
void startRunClock(SharedState& state, double now);

KeystrokeTiming timeKeystroke(SharedState& state, double now, bool clockRunning,
                              bool dictationVisible);

}  // namespace tymba
