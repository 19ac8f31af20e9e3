#pragma once
// The characters the standard Czech keyboard (the Czech QWERTZ layout of a
// 105-key PC keyboard, with Shift, AltGr and the dead keys ˇ and ´) types into
// a text box. A text the program ships holds nothing else, so that a faultless
// typist can copy it without a single error.

namespace tymba {

bool isCzechKeyboardCharacter(char16_t c);

}  // namespace tymba
