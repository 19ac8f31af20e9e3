// The user-configured test: its settings dialog checks what is typed in.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "ui/frmTest.h"
#include "ui/frmUzivNastaveni.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"

using namespace tymba;
using namespace tymba::testing;

class TestFrmUzivNastaveni : public MainWindowTest {
  Q_OBJECT

 private:
  frmUzivNastaveni* openSettings() {
    child<QAction>(QStringLiteral("miUzivTest"))->trigger();
    return fx->dialogs.last<frmUzivNastaveni>();
  }
  QLineEdit* field(QWidget* dialog, const char* name) {
    return child<QLineEdit>(dialog, QString::fromLatin1(name));
  }
  void fill(frmUzivNastaveni* dialog, const QString& minutes, const QString& loss) {
    field(dialog, "txtDoba")->setText(minutes);
    field(dialog, "txtChyba")->setText(loss);
    QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("cmdOK")), Qt::LeftButton);
  }

 private slots:
  void init() {
    openWindow();
    std::filesystem::create_directories(fx->context.programFolder / "cviceni");
  }
  void cleanup() { closeWindow(); }

  void acceptedValuesOpenTheListOfTexts_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("loss");
    QTest::addColumn<int>("doba");
    QTest::addColumn<int>("ztrata");
    QTest::newRow("the longest and the dearest") << "60"
                                                 << "500" << 60 << 500;
    QTest::newRow("a decimal comma rounds half to even") << "7,5"
                                                         << "20" << 8 << 20;
    QTest::newRow("the shortest and the cheapest") << "1"
                                                   << "1" << 1 << 1;
    QTest::newRow("0,6 rounds up to the shortest") << "0,6"
                                                   << "0,6" << 1 << 1;
  }

  void acceptedValuesOpenTheListOfTexts() {
    QFETCH(QString, minutes);
    QFETCH(QString, loss);
    QFETCH(int, doba);
    QFETCH(int, ztrata);
    frmUzivNastaveni* dialog = openSettings();
    QCOMPARE(field(dialog, "txtDoba")->text(), QStringLiteral("10"));
    QCOMPARE(field(dialog, "txtChyba")->text(), QStringLiteral("20"));
    QCOMPARE(field(dialog, "txtDoba")->maxLength(), 3);
    fill(dialog, minutes, loss);
    QVERIFY(fx->messages.said.isEmpty());
    QCOMPARE(fx->state.DobaTestu, doba);
    QCOMPARE(fx->state.ZtrataUhozu, ztrata);
    QVERIFY(!fx->dialogs.last<frmUzivNastaveni>());
    QVERIFY(fx->dialogs.last<frmTest>());
  }

  void refusedValuesSayWhyAndKeepTheDialog_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("loss");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    const QString doba = "Můžete zadávat pouze hodnoty pro pole 'doba' pouze od 1 do 60";
    const QString chyba = "Můžete zadávat pouze hotnoty pro pole 'chyba' pouze od 1 do 500";
    const QString numbers =
        "Všechna políčka mohou mít pouze číselnou hodnotu\r\n"
        "Políčko 'Doba testu' nesmí přesáhnout hodnotu 60 minut\r\n"
        "Ztráta úhozů nesmí přesáhnout 500 úhozů";
    QTest::newRow("61 minutes") << "61"
                                << "20" << doba << "txtDoba";
    QTest::newRow("0 minutes") << "0"
                               << "20" << doba << "txtDoba";
    QTest::newRow("0,5 minutes round to 0") << "0,5"
                                            << "20" << doba << "txtDoba";
    QTest::newRow("a loss of 0,5 rounds to 0") << "10"
                                               << "0,5" << chyba << "txtChyba";
    QTest::newRow("nan is no number") << "nan"
                                      << "20" << numbers << "txtDoba";
    QTest::newRow("a loss of 501") << "10"
                                   << "501" << chyba << "txtChyba";
    QTest::newRow("letters for the loss") << "10"
                                          << "ab" << numbers << "txtChyba";
    QTest::newRow("letters in both") << "x"
                                     << "ab" << numbers << "txtDoba";
    QTest::newRow("both empty") << ""
                                << ""
                                << "Všechna políčka musí být vyplněna"
                                << "txtChyba";
    QTest::newRow("minutes empty") << ""
                                   << "20"
                                   << "Všechna políčka musí být vyplněna"
                                   << "txtDoba";
  }

  void refusedValuesSayWhyAndKeepTheDialog() {
    QFETCH(QString, minutes);
    QFETCH(QString, loss);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    frmUzivNastaveni* dialog = openSettings();
    QApplication::setActiveWindow(dialog);
    fill(dialog, minutes, loss);
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, message);
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Přerušení"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Exclamation);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget()->objectName(), focused);
    QCOMPARE(fx->state.DobaTestu, 1);  // nothing changed before every test passed
  }

  void everyWayOfCancellingRestoresWhatTheMenuChanged_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("way");
    for (const char* opener : {"miUzivTest", "miTestSoubor"})
      for (const char* way : {"Storno", "Esc", "close box"})
        QTest::addRow("%s, %s", opener, way) << opener << way;
    QTest::newRow("miTestSoubor, OK on a text too large") << "miTestSoubor"
                                                          << "OK";
  }

  void everyWayOfCancellingRestoresWhatTheMenuChanged() {
    QFETCH(QString, opener);
    QFETCH(QString, way);
    SharedState& s = fx->state;
    s.BezMazani = true;
    s.DruhTestu = TestKind::Vyuka;
    s.NazevTestu = s.VybranyText = u"Lekce 3";
    s.ZdrojTestu = u"jinde";
    const auto source = [&s] {
      return QStringList{toQString(s.ZdrojTestu), toQString(s.VybranyText), toQString(s.NazevTestu)}
             << QString::number(s.TextZeSouboru) << QString::number(s.BezMazani)
             << QString::number(static_cast<int>(s.DruhTestu)) << QString::number(s.DobaTestu)
             << QString::number(s.ZtrataUhozu);
    };
    const QStringList before = source();
    const auto file = fx->context.programFolder / "velký.txt";
    std::ofstream(file) << std::string(kMaxTextFileBytes + 1, 'a');
    fx->files.answers.enqueue(QString::fromStdString(file.string()));
    child<QAction>(opener)->trigger();
    auto* dialog = fx->dialogs.last<frmUzivNastaveni>();
    QVERIFY(source() != before);
    if (way == "Storno")
      QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("cmdStorno")), Qt::LeftButton);
    else if (way == "Esc")
      QTest::keyClick(field(dialog, "txtDoba"), Qt::Key_Escape);
    else if (way == "OK")
      fill(dialog, "3", "10");
    else
      dialog->close();
    QVERIFY(!fx->dialogs.last<frmUzivNastaveni>());
    QCOMPARE(source(), before);
    QCOMPARE(fx->messages.said.size(), way == "OK" ? 1 : 0);
    if (way == "OK") QVERIFY(fx->messages.said[0].text.contains(QStringLiteral("příliš velká")));
  }

  void aTextFileStartsAtOnceWithoutTheRules() {
    const auto file = fx->context.programFolder / "Moje texty" / "Vlastní Text.TXT";
    std::filesystem::create_directories(file.parent_path());
    // Written by another editor: UTF-8 with LF line ends.
    std::ofstream(file, std::ios::binary) << "M\xC5\xAFj text.\nDruh\xC3\xBD \xC5\x99\xC3\xA1"
                                             "dek.";
    const QString path = QString::fromStdString(file.string());
    fx->files.answers.enqueue(path);
    child<QAction>(QStringLiteral("miTestSoubor"))->trigger();
    QCOMPARE(fx->files.asked.size(), 1);
    QVERIFY(fx->files.asked[0].folder.endsWith(QStringLiteral("/cviceni")));
    QVERIFY(fx->files.asked[0].filter.startsWith(QStringLiteral("Textové soubory (*.txt)")));
    frmUzivNastaveni* dialog = fx->dialogs.last<frmUzivNastaveni>();
    QVERIFY(dialog);
    QVERIFY(fx->state.ZdrojTestu == u"Ze souboru");
    fill(dialog, "3", "10");
    QVERIFY(fx->messages.said.isEmpty());
    QVERIFY(!fx->dialogs.last<frmTest>());
    QCOMPARE(label(QStringLiteral("lblNazev"))->text(), QStringLiteral("Vlastní Text"));
    QCOMPARE(label(QStringLiteral("lblDoba"))->text(), QStringLiteral("3 min"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - ") + path);
    QVERIFY(fx->state.TextZeSouboru);
    const std::u16string& copy = child<TextHolder>(QStringLiteral("rtbZadani"))->text();
    QVERIFY(copy.starts_with(u"Můj text.\r\nDruhý řádek."));
    QVERIFY(fx->state.ZdrojTestu.empty());
    QCOMPARE(fx->state.ZtrataUhozu, 10);
    QVERIFY(box()->isVisible());
    QCOMPARE(window->focusWidget(), box());
    // F2 starts it again under the same name and title.
    QApplication::setActiveWindow(window.get());
    typeText(box(), QStringLiteral("M"));
    pressKey(box(), Qt::Key_F2);
    QVERIFY(box()->toPlainText().isEmpty());
    QCOMPARE(label(QStringLiteral("lblNazev"))->text(), QStringLiteral("Vlastní Text"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - ") + path);
  }

  void cancellingTheFileChoiceChangesNothing() {
    fx->state.NazevTestu = u"Jaro";
    fx->state.BezMazani = true;
    child<QAction>(QStringLiteral("miTestSoubor"))->trigger();
    QCOMPARE(fx->files.asked.size(), 1);
    QVERIFY(!fx->dialogs.last<frmUzivNastaveni>());
    QVERIFY(fx->state.NazevTestu == u"Jaro");
    QVERIFY(fx->state.BezMazani);
    QVERIFY(fx->state.ZdrojTestu.empty());
  }
};

QTEST_MAIN(TestFrmUzivNastaveni)
#include "tst_frmuziv.moc"
