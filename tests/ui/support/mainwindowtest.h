#pragma once
// The base of the main window's tests: a fresh window on a fresh fixture
// for every test function, and handles to its controls by object name.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>

#include "storage/textfile.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/frmVysledek.h"
#include "ui/frmZaklad.h"
#include "ui/typingbox.h"

namespace tymba::testing {

class MainWindowTest : public QObject {
 protected:
  // Call from the test's init() and cleanup() slots.
  void openWindow() {
    fx = std::make_unique<WindowFixture>();
    window = std::make_unique<frmZaklad>(fx->context);
    window->resize(960, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  void closeWindow() {
    if (frmVysledek* open = result()) open->done(QDialog::Accepted);
    window.reset();
    fx.reset();
  }

  template <typename T>
  T* child(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no child %s", qPrintable(name));
    return found;
  }
  template <typename T>
  T* child(const QString& name) {
    return child<T>(window.get(), name);
  }
  TypingBox* box() { return child<TypingBox>(QStringLiteral("txtVysledek")); }
  TypingBox* lessonBox() { return child<TypingBox>(QStringLiteral("txtVVysledek")); }
  QTimer* timer(const char* name) { return child<QTimer>(QString::fromLatin1(name)); }
  QLabel* label(const QString& name) { return child<QLabel>(name); }
  // The captions of the named labels, in the order named.
  QStringList texts(std::initializer_list<const char*> names) {
    QStringList all;
    for (const char* name : names) all << label(QString::fromLatin1(name))->text();
    return all;
  }
  // Which of the main window's timers are running.
  QStringList running() {
    QStringList names;
    for (const char* name : {"tmrCasik", "tmrCas", "tmrLimit", "tmrVypnuti", "tmrPosun1"})
      if (timer(name)->isActive()) names << QString::fromLatin1(name);
    return names;
  }
  // Puts an exercise text into the program folder's exercise folder.
  void addExerciseText(const QString& name, const std::u16string& text) {
    const auto folder = fx->context.programFolder / "cviceni";
    std::filesystem::create_directories(folder);
    writeText(folder / (name.toStdString() + ".txt"), text);
  }
  // Puts the text there and starts an exercise run on it, the rules read.
  void startExercise(const QString& name, const std::u16string& text) {
    addExerciseText(name, text);
    QVERIFY(window->startExerciseRun(name));
    fx->messages.said.clear();
  }

  // The timer's tick, without waiting for it.
  void tick(const char* name) { QMetaObject::invokeMethod(timer(name), "timeout"); }
  // The result window the run opened, while it is open.
  frmVysledek* result() { return fx ? fx->dialogs.last<frmVysledek>() : nullptr; }

  std::unique_ptr<WindowFixture> fx;
  std::unique_ptr<frmZaklad> window;
};

}  // namespace tymba::testing
