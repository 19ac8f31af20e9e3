#include <QFile>
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

void rowsFrom(const char* file, std::initializer_list<const char*> columns) {
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

}  // namespace tymba::testing
