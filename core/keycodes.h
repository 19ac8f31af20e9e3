#pragma once
// Keys by their place on the keyboard, not by the character the active
// layout gives them: the guide and the keyboard window light the same key
// under the Czech QWERTZ, the Czech QWERTY or a US layout. The desktop gives
// each key event an X11 key code (the Linux evdev code + 8, also under
// Wayland); one table turns it into the number Windows gives the key at that
// place on a Czech QWERTZ keyboard (core/fingermap.h).

namespace tymba {

// The key code for an X11 key code; 0 for a key without a picture (Esc, the
// function keys, Tab, Ctrl, the key left of 1, the key left of Y, ...).
int keyCodeForX11(unsigned x11);

}  // namespace tymba
