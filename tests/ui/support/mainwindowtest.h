#pragma once
// The base of the window tests: a fresh main window on a fresh fixture for
// every test function, handles to controls by object name, and typing as a
// user types (QTest::keyClicks takes ASCII only, so each character goes as a
// key event of its own carrying the text; "\n" goes as Return).

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
#include "ui/textholder.h"
#include "ui/typingbox.h"

namespace tymba::testing {

void typeText(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Adds a row for each line "row name | value | ..." of the file in golden/,
// with a QString column for each value; "\r" and "\n" stand for CR and LF.
void rowsFrom(const char* file, std::initializer_list<const char*> columns);

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

 protected:
  void openWindow() {
    if (!fx) fx = std::make_unique<WindowFixture>();
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

  template <typename T = QLabel>
  T* child(const QString& name, QObject* parent = nullptr) {
    T* found = (parent ? parent : window.get())->findChild<T*>(name);
    if (!found) qFatal("no child %s", qPrintable(name));
    return found;
  }
  QString text(const QString& name, QObject* parent = nullptr) {
    return child<QLabel>(name, parent)->text();
  }
  QStringList texts(std::initializer_list<const char*> names) {
    QStringList all;
    for (const char* name : names) all << text(QString::fromLatin1(name));
    return all;
  }
  TypingBox* box() { return child<TypingBox>(QStringLiteral("txtVysledek")); }
  TypingBox* lessonBox() { return child<TypingBox>(QStringLiteral("txtVVysledek")); }
  QTimer* timer(const char* name) { return child<QTimer>(QString::fromLatin1(name)); }
  // The timer's tick, without waiting for it.
  void tick(const char* name) { QMetaObject::invokeMethod(timer(name), "timeout"); }
  // Which of the main window's timers are running.
  QStringList running() {
    QStringList names;
    for (const char* name : {"tmrCasik", "tmrCas", "tmrLimit", "tmrVypnuti", "tmrPosun1"})
      if (timer(name)->isActive()) names << QString::fromLatin1(name);
    return names;
  }
  const std::u16string& alignmentCopy() {
    return child<TextHolder>(QStringLiteral("rtbZadani"))->text();
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
  void startLesson(std::vector<std::u16string> lines) {
    window->startLessonRun(QStringLiteral("Lekce 1"), std::move(lines), LessonKind::Lesson);
  }
  // The result window the run opened, while it is open.
  frmVysledek* result() { return fx ? fx->dialogs.last<frmVysledek>() : nullptr; }

  std::unique_ptr<WindowFixture> fx;
  std::unique_ptr<frmZaklad> window;
};

}  // namespace tymba::testing
