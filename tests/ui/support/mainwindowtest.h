#pragma once
// The base of the window tests: a fresh main window on a fresh fixture for
// every test function, handles to controls by object name, and typing as a
// user types (QTest::keyClicks takes ASCII only, so each character goes as a
// key event of its own carrying the text; "\n" goes as Return).

#include <QApplication>
#include <QFile>
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

inline void typeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch == QLatin1Char('\n'))
      QTest::keyClick(widget, Qt::Key_Return);
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}
inline void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

// Adds a row for each line "row name | value | ..." of the file in golden/,
// with a QString column for each value; "\r" and "\n" stand for CR and LF.
inline void rowsFrom(const char* file, std::initializer_list<const char*> columns) {
  for (const char* column : columns) QTest::addColumn<QString>(column);
  QFile in(QStringLiteral(TYMBA_UI_GOLDEN_DIR "/") + QLatin1String(file));
  if (!in.open(QIODevice::ReadOnly)) qFatal("cannot read %s", file);
  for (QString line : QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'))) {
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    line.replace(QLatin1String("\\r"), QLatin1String("\r")).replace(QLatin1String("\\n"), "\n");
    const QStringList fields = line.split(QStringLiteral(" | "));
    if (fields.size() != int(columns.size()) + 1) qFatal("%s: %s", file, qPrintable(line));
    QTestData& row = QTest::newRow(qPrintable(fields[0]));
    for (const QString& field : fields.mid(1)) row << field;
  }
}

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

  // Puts an exercise text among the shipped ones.
  void addExerciseText(const QString& name, const std::u16string& text) {
    const auto folder = fx->context.folders.shipped / "cviceni";
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
