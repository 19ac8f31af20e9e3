// The identity dialogs and the log-off, driven step by step as a user goes
// through them; each row of golden/identities.txt is one way through.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/cp1250.h"
#include "tests/ui/support/mainwindowtest.h"
#include "ui/textconvert.h"

using namespace tymba;
using namespace tymba::testing;

class TestIdentities : public MainWindowTest {
  Q_OBJECT

  // The open dialog on top: its name, its list (* chosen), its disabled
  // controls and the box with the focus, with its selected text.
  QStringList shown(QDialog* dialog) {
    if (!dialog) return {"none", "-", "-"};
    QStringList entries, off;
    if (auto* list = dialog->findChild<QListWidget*>())
      for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
    for (const QWidget* widget : dialog->findChildren<QWidget*>())
      if (widget->window() == dialog && !widget->isEnabled() &&
          !widget->objectName().startsWith("qt_"))
        off << widget->objectName();
    QString state = "off: " + (off.isEmpty() ? "-" : off.join(' '));
    if (auto* box = qobject_cast<QLineEdit*>(dialog->focusWidget()))
      state += QStringLiteral(", focus: %1 [%2]").arg(box->objectName(), box->selectedText());
    return {dialog->objectName(), entries.isEmpty() ? "-" : entries.join(' '), state};
  }

 private slots:
  void identitiesAsAUserGoesThrough_data() {
    rowsFrom("identities.txt", {"steps", "current", "said", "dialog", "list", "state"});
  }

  void identitiesAsAUserGoesThrough() {
    QFETCH(QString, steps);
    for (const auto& [name, password] : {std::pair{"Jana", "tajne"}, {"Petr", "heslo"}}) {
      fx->settings.write("Uzivatele", name, password);  // as an older version kept them
      writeText(fx->context.folders.identityFile(fromUtf8(name)), u"");
    }
    const auto top = [this] { return fx->dialogs.last<QDialog>(); };
    for (const QString& step : steps.split("; ")) {
      const QString verb = step.section(' ', 0, 0), what = step.section(' ', 1, 1);
      if (verb == "menu")
        child<QAction>(what)->trigger();
      else if (verb == "open")
        emit child<QMenu>(what)->aboutToShow();
      else if (verb == "choose")
        child<QListWidget>({}, top())->setCurrentItem(
            child<QListWidget>({}, top())->findItems(what, Qt::MatchExactly).value(0));
      else if (verb == "type")
        child<QLineEdit>(what, top())->setText(step.section(' ', 2));
      else if (verb == "click")
        QTest::mouseClick(child<QPushButton>(what, top()), Qt::LeftButton);
      else if (verb == "answer")
        fx->messages.answers.enqueue(MessageAnswer::No);
      else if (verb == "remove")
        std::filesystem::remove(fx->context.folders.identityFile(what.toStdU16String()));
      else if (verb == "activate")
        QApplication::setActiveWindow(top());
      else if (verb == "close")
        top()->close();
      else if (verb == "restart")
        window.reset(), openWindow();
      else
        QFAIL(qPrintable(step));
    }
    QFETCH(QString, current);
    QFETCH(QString, said);
    QFETCH(QString, dialog);
    QFETCH(QString, list);
    QFETCH(QString, state);
    QCOMPARE(toQString(fx->state.AktualniUzivatel) + " " + text("lblIdentita(0)"), current);
    QCOMPARE(text("lblIdentita(1)"), text("lblIdentita(0)"));
    QCOMPARE(fx->messages.said.isEmpty() ? "-" : fx->messages.said.join(" / "), said);
    QCOMPARE(shown(top()), (QStringList{dialog, list, state}));
  }
};

QTEST_MAIN(TestIdentities)
#include "tst_identities.moc"
