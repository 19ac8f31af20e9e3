#include "ui/centring.h"

#include <QScreen>
#include <QWidget>

namespace tymba {

void centreOnScreen(QWidget& window) {
  if (const QScreen* screen = window.screen()) {
    const QRect area = screen->geometry();
    window.move((area.width() - window.width()) / 2, (area.height() - window.height()) / 2);
  }
}

}  // namespace tymba
