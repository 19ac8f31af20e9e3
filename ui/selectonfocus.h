#pragma once
// Text boxes that select their whole text when they get the focus, so that
// typing replaces what was there.

class QLineEdit;

namespace tymba {

void selectAllOnFocus(QLineEdit& box);

}  // namespace tymba
