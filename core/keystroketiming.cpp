#include "core/keystroketiming.h"

namespace tymba {

void startRunClock(SharedState& state, double now) {
  state.CasTiku = now;
  state.CasVzorku = now;
  state.CasStartu = static_cast<std::int32_t>(roundHalfEven(now));
}

KeystrokeTiming timeKeystroke(SharedState& state, double now, bool clockRunning,
                              bool dictationVisible) {
  KeystrokeTiming timing;
  if (!state.TestBezi) {
    timing.firstKeystroke = true;
    state.TestBezi = true;
    state.CasZahajeni = static_cast<std::int32_t>(roundHalfEven(now));
  }
  timing.restartInactivity = true;
  state.NecinnostTiku = 0;
  if (dictationVisible) return timing;

  timing.playClick = state.ZvukPripraven;
  if (!clockRunning) {
    startRunClock(state, now);
    timing.startClock = true;
  }
  return timing;
}

}  // namespace tymba
