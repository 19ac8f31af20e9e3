#pragma once
// Typing into a window as a user would. QTest::keyClicks takes ASCII only,
// so every character goes as its own key event carrying the text.

#include <QString>

class QWidget;

namespace tymba::testing {

// One key event per character; "\n" is sent as Return.
void typeText(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace tymba::testing
