#include "ui/keyevent.h"

#include <QKeyEvent>

#include "core/fingermap.h"
#include "core/keycodes.h"

namespace tymba {

int keyCodeOf(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return keyCodeForX11(event.nativeScanCode());
  if (event.text().size() == 1)
    if (const auto key = guideKey(event.text()[0].unicode()); key && key->picture != 0)
      return key->picture;
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  switch (key) {
    case Qt::Key_Shift:
      return kShiftKey;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Space:
      return 32;
    default:
      return 0;
  }
}

bool shiftHeld(const QKeyEvent& event) {
  return event.modifiers().testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Shift;
}

}  // namespace tymba
