// The list of exercise texts, opened from the menu as a user opens it.

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmTest.h"
#include "ui/frmUkaz.h"

using namespace tymba;
using namespace tymba::testing;

class TestFrmTest : public MainWindowTest {
  Q_OBJECT

 private:
  frmTest* openList(const char* menuItem) {
    child<QAction>(QString::fromLatin1(menuItem))->trigger();
    return fx->dialogs.last<frmTest>();
  }
  QStringList entries(frmTest* list) {
    QStringList names;
    auto* view = child<QListWidget>(list, QStringLiteral("lstSeznam"));
    for (int i = 0; i < view->count(); ++i) names.append(view->item(i)->text());
    return names;
  }
  void choose(frmTest* list, const QString& name) {
    auto* view = child<QListWidget>(list, QStringLiteral("lstSeznam"));
    const auto found = view->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(found.first()).center());
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void listsTheTextsByNameInCzechOrder() {
    for (const char* name : {"abc", "Dub", "Čaj", "Cesta", "chata"})
      addExerciseText(QString::fromUtf8(name), u"Text.");
    writeText(fx->context.programFolder / "cviceni" / "poznámka.doc", u"není text");
    frmTest* list = openList("mi1Test");
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), QStringLiteral("Přehled písemností"));
    QCOMPARE(entries(list), (QStringList{"abc", "Cesta", "Čaj", "Dub", "chata"}));
    QVERIFY(!child<QPushButton>(list, QStringLiteral("cmdUkaz"))->isEnabled());
  }

  void okWithoutAChoiceAsksForOne() {
    std::filesystem::create_directories(fx->context.programFolder / "cviceni");
    frmTest* list = openList("mi1Test");
    QVERIFY(entries(list).isEmpty());
    QTest::mouseClick(child<QPushButton>(list, QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, QStringLiteral("Vyberte písemnost"));
    QVERIFY(list->isVisible());
  }

  void withoutTheExerciseFolderNothingOpens_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("a 5-minute test") << "mi5Test";
    QTest::newRow("a test of one's own") << "miUzivTest";
  }

  void withoutTheExerciseFolderNothingOpens() {
    QFETCH(QString, menuItem);
    child<QAction>(menuItem)->trigger();
    QVERIFY(!fx->dialogs.last<QDialog>());
    QCOMPARE(fx->state.DobaTestu, 1);
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Přerušení"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Critical);
    const auto folder = fx->context.programFolder / "cviceni";
    QVERIFY(fx->messages.said[0].text.contains(QString::fromStdString(folder.string())));
  }

  void doubleClickStartsTheMinuteTest() {
    fx->state.nastaveni.Chyba = 15;
    addExerciseText(QStringLiteral("Jaro"), u"Jaro je tady.");
    frmTest* list = openList("mi1Test");
    auto* view = child<QListWidget>(list, QStringLiteral("lstSeznam"));
    const QPoint onText = view->visualItemRect(view->item(0)).center();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onText);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onText);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onText);
    QVERIFY(!fx->dialogs.last<frmTest>());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Jaro"));
    QCOMPARE(fx->state.DobaTestu, 1);
    QCOMPARE(fx->state.ZtrataUhozu, 15);
    QVERIFY(!fx->state.BezMazani);
    QVERIFY(fx->messages.said.last().text.contains(QStringLiteral("po dobu 1 munut")));
  }

  void theAccuracyTestForbidsDeleting() {
    addExerciseText(QStringLiteral("Jaro"), u"Jaro je tady.");
    frmTest* list = openList("miTestPresnosti");
    choose(list, QStringLiteral("Jaro"));
    QTest::mouseClick(child<QPushButton>(list, QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(fx->state.BezMazani);
    QVERIFY(fx->messages.said.last().text.contains(QStringLiteral("nemáte možnost mazat")));
  }

  void previewShowsTheWholeText() {
    addExerciseText(QStringLiteral("Jaro"), u"Jaro je tady.\r\nVšude kvete.");
    frmTest* list = openList("mi5Test");
    choose(list, QStringLiteral("Jaro"));
    auto* show = child<QPushButton>(list, QStringLiteral("cmdUkaz"));
    QVERIFY(show->isEnabled());
    QTest::mouseClick(show, Qt::LeftButton);
    auto* preview = fx->dialogs.last<frmUkaz>();
    QVERIFY(preview);
    QCOMPARE(child<QLabel>(preview, QStringLiteral("lblNazev"))->text(), QStringLiteral("Jaro"));
    QCOMPARE(child<QPlainTextEdit>(preview, QStringLiteral("txtUkaz"))->toPlainText(),
             QStringLiteral("Jaro je tady.\nVšude kvete."));
  }

  void choosingWithTheKeyboardEnablesThePreview_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("arrow") << int(Qt::Key_Down);
    QTest::newRow("Home") << int(Qt::Key_Home);
    QTest::newRow("End") << int(Qt::Key_End);
    QTest::newRow("first letter") << int(Qt::Key_Z);
  }

  void choosingWithTheKeyboardEnablesThePreview() {
    QFETCH(int, key);
    for (const char* name : {"abc", "Jaro", "Zima"}) addExerciseText(name, u"Text.");
    frmTest* list = openList("mi5Test");
    QTest::keyClick(child<QListWidget>(list, QStringLiteral("lstSeznam")), Qt::Key(key));
    QVERIFY(child<QPushButton>(list, QStringLiteral("cmdUkaz"))->isEnabled());
  }

  void cancelLeavesNothingToType() {
    addExerciseText(QStringLiteral("Jaro"), u"Jaro.");
    frmTest* list = openList("mi10Test");
    QTest::mouseClick(child<QPushButton>(list, QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(!fx->dialogs.last<frmTest>());
    QVERIFY(!box()->isEnabled());
  }
};

QTEST_MAIN(TestFrmTest)
#include "tst_frmtest.moc"
