#pragma once
// The texts Qt itself shows (file dialog, standard buttons, the edit menu of
// text boxes) in Czech, like the rest of the program.

namespace tymba {

// Installs Qt's own Czech translation into the running application; returns
// false, leaving Qt's English texts, when the translation is not installed.
bool installCzechQtTexts();

}  // namespace tymba
