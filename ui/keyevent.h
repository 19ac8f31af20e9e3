#pragma once
// The key of a key event as the finger map numbers it (core/fingermap.h).

class QKeyEvent;

namespace tymba {

// By the key's place when the desktop gives its X11 code (X11 and Wayland);
// without one (offscreen, some Wayland compositors) by the character the
// event carries, else by the Qt key. 0 for a key without a picture.
int keyCodeOf(const QKeyEvent& event);

// Whether Shift is held during the event.
bool shiftHeld(const QKeyEvent& event);

}  // namespace tymba
