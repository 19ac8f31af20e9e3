#include <QTest>

#include "tests/ui/support/mainwindowtest.h"

namespace tymba::testing {

void typeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch == QLatin1Char('\n'))
      QTest::keyClick(widget, Qt::Key_Return);
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace tymba::testing
