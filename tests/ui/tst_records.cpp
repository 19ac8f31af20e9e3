// Results that last: saving a result to a test file, the history record of a
// signed-in identity, opening a test file, and the history browser.

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "storage/testrecord.h"
#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmUzivatel.h"
#include "ui/textconvert.h"

using namespace tymba;
using namespace tymba::testing;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(tymba::MessageAnswer)

class TestRecords : public MainWindowTest {
  Q_OBJECT

  fs::path userFile(const char* name) {
    fs::create_directories(fx->context.folders.user / "Uzivatele");
    return fx->context.folders.user / name;
  }
  QStringList names(const fs::path& file) {
    QStringList found;
    for (const TestRecord& record : readRecords(file))
      found << toQString(headerFields(record)[0]).trimmed();
    return found;
  }
  // "Abc abc." typed as "Abd abc." in 10 seconds; the result window is open.
  void scoredRun() {
    startExercise(QStringLiteral("Opis"), u"Abc abc.");
    typeText(box(), QStringLiteral("Abd abc."));
    fx->clock.advance(10);
    pressKey(box(), Qt::Key_F5);
    QVERIFY(result());
    fx->messages.said.clear();
  }
  // The browser on a test file of these tests, opened by "Otevřít ...".
  frmUzivatel* browse(const fs::path& file, const QStringList& tests) {
    std::vector<TestRecord> records;
    for (const QString& name : tests)
      records.push_back(makeRecord(fromQString(name), u"3.12.2026", u"10:00:00",
                                   {u"40", u"1", u"00 : 45", u"19", u"25", u"2,5"}, u"ab\r\ncd",
                                   u"a_\r_cd"));
    rewriteRecords(file, records);
    fx->files.answers << QString::fromStdString(file.string());
    child<QAction>(QStringLiteral("miOtevrit"))->trigger();
    return fx->dialogs.last<frmUzivatel>();
  }
  QPushButton* button(const char* name, QWidget* window) {
    return child<QPushButton>(QString::fromLatin1(name), window);
  }

 private slots:
  void uloz_data() {
    QTest::addColumn<QString>("before");  // the tests already in the file
    QTest::addColumn<QString>("typed");   // the name typed in the dialog
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("after");  // "-": no file
    QTest::newRow("new file, .tst added") << "-"
                                          << "vysledek" << MessageAnswer::Yes << "Opis";
    QTest::newRow("Yes adds") << "Stary"
                              << "vysledek.tst" << MessageAnswer::Yes << "Stary Opis";
    QTest::newRow("No replaces") << "Stary"
                                 << "vysledek.tst" << MessageAnswer::No << "Opis";
    QTest::newRow("cancelled") << "-"
                               << "" << MessageAnswer::Yes << "-";
  }

  void uloz() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, after);
    scoredRun();
    const fs::path file = userFile("vysledek.tst");
    if (before != "-") rewriteRecords(file, {makeRecord(u"Stary", u"", u"", {}, u"", u"")});
    fx->files.answers << (typed.isEmpty()
                              ? typed
                              : QString::fromStdString(file.parent_path() / typed.toStdString()));
    fx->messages.answers << answer;
    QTest::mouseClick(button("cmdUloz", result()), Qt::LeftButton);
    QCOMPARE(fs::exists(file) ? names(file).join(' ') : QStringLiteral("-"), after);
    QCOMPARE(fx->messages.said.size(), before != "-" ? 1 : 0);
    QCOMPARE(!result(), !typed.isEmpty());  // saved, the result closes
  }

  void historyRecord_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<bool>("userFile");
    QTest::addColumn<int>("records");
    QTest::newRow("signed in") << "Eva" << true << 1;
    QTest::newRow("nobody signed in") << "Hlavni" << true << 0;
    QTest::newRow("user file missing") << "Eva" << false << 0;
  }

  void historyRecord() {
    QFETCH(QString, identity);
    QFETCH(bool, userFile);
    QFETCH(int, records);
    fx->state.AktualniUzivatel = fromQString(identity);
    const fs::path file = fx->context.folders.identityFile(fx->state.AktualniUzivatel);
    fs::create_directories(file.parent_path());
    if (userFile) writeText(file, u"");
    startExercise(QStringLiteral("Opis"), u"Abc abc.");
    typeText(box(), QStringLiteral("Abd abc."));
    pressKey(box(), Qt::Key_F5);
    QVERIFY(result());
    QCOMPARE(fs::exists(file) ? int(readRecords(file).size()) : 0, records);
    QCOMPARE(fx->messages.said.size(), userFile ? 0 : 1);
  }

  void openAsksAgainForAMissingName() {
    fx->files.answers << QStringLiteral("/nikde/neni.tst");
    frmUzivatel* browser = browse(userFile("testy.tst"), {"A", "B"});
    QCOMPARE(fx->messages.said,
             QStringList{"Přerušení, Exclamation: Tento název souboru neexistuje"});
    QVERIFY(browser);
    QCOMPARE(child<QListWidget>(QStringLiteral("lstTesty"), browser)->count(), 2);
    QCOMPARE(toQString(fx->state.OtevrenySoubor),
             QString::fromStdString(userFile("testy.tst").string()));
  }

  void deleting_data() {
    QTest::addColumn<QString>("tests");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("selected");  // -1: both buttons disabled
    QTest::newRow("the last of three") << "A B C" << 2 << "A B" << 1;
    QTest::newRow("the first of three") << "A B C" << 0 << "B C" << 0;
    QTest::newRow("the only one") << "A" << 0 << "" << -1;
  }

  void deleting() {
    QFETCH(QString, tests);
    QFETCH(int, row);
    QFETCH(QString, left);
    QFETCH(int, selected);
    const fs::path file = userFile("testy.tst");
    frmUzivatel* browser = browse(file, tests.split(' '));
    auto* list = child<QListWidget>(QStringLiteral("lstTesty"), browser);
    list->setCurrentRow(row);
    QTest::mouseClick(button("cmdVymazat", browser), Qt::LeftButton);
    QCOMPARE(names(file).join(' '), left);
    QCOMPARE(list->currentRow(), selected);
    QCOMPARE(button("cmdVybrat", browser)->isEnabled(), selected >= 0);
    QCOMPARE(button("cmdVymazat", browser)->isEnabled(), selected >= 0);
    if (left.isEmpty()) QCOMPARE(fs::file_size(file), 0u);
  }

  void shiftOffersDeletingAll_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Shift alone") << Qt::KeyboardModifiers() << "Vymazat vše";
    QTest::newRow("Ctrl and Shift") << Qt::KeyboardModifiers(Qt::ControlModifier) << "Vymazat";
  }

  void shiftOffersDeletingAll() {
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(QString, caption);
    const fs::path file = userFile("testy.tst");
    frmUzivatel* browser = browse(file, {"A", "B"});
    auto* list = child<QListWidget>(QStringLiteral("lstTesty"), browser);
    list->setCurrentRow(0);
    QTest::keyPress(list, Qt::Key_Shift, held);
    QCOMPARE(button("cmdVymazat", browser)->text(), caption);
    QTest::mouseClick(button("cmdVymazat", browser), Qt::LeftButton);
    QCOMPARE(names(file).size(), caption == "Vymazat" ? 1 : 0);  // all without a question
    QTest::keyRelease(list, Qt::Key_Shift, held);
    QCOMPARE(button("cmdVymazat", browser)->text(), QStringLiteral("Vymazat"));
  }

  void detailOfATest() {
    frmUzivatel* browser = browse(userFile("testy.tst"), {"Opis"});
    auto* list = child<QListWidget>(QStringLiteral("lstTesty"), browser);
    emit button("cmdVybrat", browser)->clicked();  // nothing selected: nothing happens
    QVERIFY(child<QWidget>(QStringLiteral("picProtokol"), browser)->isHidden());
    list->setCurrentRow(0);
    QTest::mouseClick(button("cmdVybrat", browser), Qt::LeftButton);
    QStringList shown;
    for (const char* name :
         {"lblNazev", "lblDatum", "lblDoba", "lblHrubeUhozy", "lblPocetChyb", "lblCisteUhozy",
          "lblCisteUhozyMin", "lblProcentoChyb", "lblProtokolC", "lblProtokol"})
      shown << text(QString::fromLatin1(name), browser).trimmed();
    QCOMPARE(shown.join('/'),
             QStringLiteral("Opis/3.12.2026/00 : 45 min/40/1/19/25/2,5/ab cd/a_ cd"));
    QCOMPARE(text(QStringLiteral("lblNazev"), browser).size(), 39);
    QVERIFY(child<QWidget>(QStringLiteral("picSeznam"), browser)->isHidden());
  }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
