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

class TestRecords : public MainWindowTest {
  Q_OBJECT

  fs::path testFile() {
    fs::create_directories(fx->context.folders.user);
    return fx->context.folders.user / "testy.tst";
  }
  QString names(const fs::path& file) {
    QStringList found;
    for (const auto& r : readRecords(file)) found << toQString(headerFields(r)[0]).trimmed();
    return found.join(' ');
  }
  // "Abc abc." typed as "Abd abc."; the result window is open.
  void scoredRun() {
    startExercise(QStringLiteral("Opis"), u"Abc abc.");
    typeText(box(), QStringLiteral("Abd abc."));
    pressKey(box(), Qt::Key_F5);
    QVERIFY(result());
  }
  // The browser opened by "Otevřít ..." on a test file of these tests.
  QDialog* browse(const QString& tests) {
    std::vector<TestRecord> records;
    for (const QString& name : tests.split(' '))
      records.push_back(makeRecord(fromQString(name), u"3.12.2026", u"10:00:00",
                                   {u"40", u"1", u"00 : 45", u"19", u"25", u"2,5"}, u"ab\r\ncd",
                                   u"a_\r_cd"));
    rewriteRecords(testFile(), records);
    fx->files.answers << QString::fromStdString(testFile().string());
    child<QAction>(QStringLiteral("miOtevrit"))->trigger();
    return fx->dialogs.last<frmUzivatel>();
  }
  QPushButton* button(const char* name) {
    return child<QPushButton>(QString::fromLatin1(name), fx->dialogs.last<frmUzivatel>());
  }
  QListWidget* list() {
    return child<QListWidget>(QStringLiteral("lstTesty"), fx->dialogs.last<frmUzivatel>());
  }

 private slots:
  void savesTheResult_data() { rowsFrom("saving.txt", {"before", "typed", "answer", "after"}); }

  void savesTheResult() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, after);
    scoredRun();
    const fs::path file = testFile().parent_path() / "vysledek.tst";
    if (before != "-") rewriteRecords(file, {makeRecord(u"Stary", u"", u"", {}, u"", u"")});
    fx->files.answers << (typed.isEmpty() ? typed : fx->programDir.path() + "/user/Tymba/" + typed);
    fx->messages.answers << (answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdUloz"), result()), Qt::LeftButton);
    QCOMPARE(fs::exists(file) ? names(file) : QStringLiteral("-"), after);
    QCOMPARE(fx->messages.said.size(), before == "-" ? 0 : 1);
    QCOMPARE(!result(), !typed.isEmpty());  // saved, the result closes
    // The input box's text as scoring left it, with the gap marked.
    if (after != "-")
      QCOMPARE(toQString(readRecords(file).back().typed), QStringLiteral("Abd_abc."));
  }

  void appendsTheHistoryRecord_data() {
    rowsFrom("history.txt", {"identity", "userFile", "records", "messages"});
  }

  void appendsTheHistoryRecord() {
    QFETCH(QString, identity);
    QFETCH(QString, userFile);
    QFETCH(QString, records);
    QFETCH(QString, messages);
    fx->state.AktualniUzivatel = fromQString(identity);
    const fs::path file = fx->context.folders.identityFile(fx->state.AktualniUzivatel);
    fs::create_directories(file.parent_path());
    if (userFile == "yes") writeText(file, u"");
    scoredRun();
    QCOMPARE(QString::number(fs::exists(file) ? readRecords(file).size() : 0), records);
    QCOMPARE(QString::number(fx->messages.said.size()), messages);
  }

  void deletesOneTest_data() { rowsFrom("deleting.txt", {"tests", "row", "left", "selected"}); }

  void deletesOneTest() {
    QFETCH(QString, tests);
    QFETCH(QString, row);
    QFETCH(QString, left);
    QFETCH(QString, selected);
    browse(tests);
    list()->setCurrentRow(row.toInt());
    QTest::mouseClick(button("cmdVymazat"), Qt::LeftButton);
    QCOMPARE(names(testFile()), left);
    QCOMPARE(QString::number(list()->currentRow()), selected);
    // Both buttons disabled when the list is empty.
    QCOMPARE(button("cmdVybrat")->isEnabled() + button("cmdVymazat")->isEnabled(),
             selected == "-1" ? 0 : 2);
    if (left.isEmpty()) QCOMPARE(fs::file_size(testFile()), 0u);
  }

  void shiftOffersDeletingAll_data() { rowsFrom("shift.txt", {"held", "caption", "left"}); }

  void shiftOffersDeletingAll() {
    QFETCH(QString, held);
    QFETCH(QString, caption);
    QFETCH(QString, left);
    browse(QStringLiteral("A B"));
    list()->setCurrentRow(0);
    const Qt::KeyboardModifiers modifiers(held == "Ctrl" ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyPress(list(), Qt::Key_Shift, modifiers);
    QCOMPARE(button("cmdVymazat")->text(), caption);
    QTest::mouseClick(button("cmdVymazat"), Qt::LeftButton);
    QCOMPARE(QString::number(readRecords(testFile()).size()), left);
    QTest::keyRelease(list(), Qt::Key_Shift, modifiers);
    QCOMPARE(button("cmdVymazat")->text(), QStringLiteral("Vymazat"));
  }

  void opensATestFileAndShowsOneTest() {
    fx->files.answers << QStringLiteral("/nikde/neni.tst");  // told, and asked again
    QDialog* browser = browse(QStringLiteral("Opis"));
    QCOMPARE(fx->messages.said,
             QStringList{"Přerušení, Exclamation: Tento název souboru neexistuje"});
    emit button("cmdVybrat")->clicked();  // nothing selected: nothing happens
    QVERIFY(child<QWidget>(QStringLiteral("picProtokol"), browser)->isHidden());
    list()->setCurrentRow(0);
    QTest::mouseClick(button("cmdVybrat"), Qt::LeftButton);
    QStringList shown;
    for (const char* name :
         {"lblNazev", "lblDatum", "lblDoba", "lblHrubeUhozy", "lblPocetChyb", "lblCisteUhozy",
          "lblCisteUhozyMin", "lblProcentoChyb", "lblProtokolC", "lblProtokol"})
      shown << text(QString::fromLatin1(name), browser);
    QCOMPARE(shown.join('/'), "Opis" + QString(35, ' ') + "/3.12.2026" + QString(30, ' ') +
                                  "/00 : 45 min/40/1/19/25/2,5/ab cd/a_ cd");
    QVERIFY(child<QWidget>(QStringLiteral("picSeznam"), browser)->isHidden());
  }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
