// The keyboard guide of the main window and the keyboard window.
#include "ui/frmZaklad.h"

namespace tymba {

// Placeholders until the keyboard window exists.
void frmZaklad::openKeyboardWindow() {}

void frmZaklad::miKlavesnice_Click() { openKeyboardWindow(); }

}  // namespace tymba
