#pragma once
// Dialogs open in the middle of the screen: Left = (screen width - window
// width) / 2, Top likewise.

class QWidget;

namespace tymba {

void centreOnScreen(QWidget& window);

}  // namespace tymba
