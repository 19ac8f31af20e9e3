// A timed run from its first keystroke to its result, driven with real key
// events, a fake clock and direct calls of the timers' ticks.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/frmVysledek.h"
#include "ui/frmZaklad.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

const std::u16string kTarget = u"Na kraji lesa stála hájovna.";

}  // namespace

class TestTimedRun : public MainWindowTest {
  Q_OBJECT

 private:
  QString text(const QString& name) { return label(name)->text(); }
  QString resultValue(const char* name) {
    return child<QLabel>(result(), QString::fromLatin1(name))->text();
  }

  // Runs the clock timer every 50 ms of the fake clock for a while.
  void runClock(double seconds) {
    for (double t = 0; t < seconds && timer("tmrCas")->isActive(); t += 0.05) {
      fx->clock.advance(0.05);
      tick("tmrCas");
    }
  }

  void startExercise(int minutes = 1) {
    fx->state.DobaTestu = minutes;
    fx->state.ZtrataUhozu = 20;
    MainWindowTest::startExercise(QStringLiteral("Hájovna"), kTarget);
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void exerciseRunEndedByF5ShowsItsValues_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QStringList>("values");  // gross, errors, net, percent, duration, per minute
    QTest::newRow("typed exactly for a minute")
        << QStringLiteral("Na kraji lesa stála hájovna.") << 60.0
        << QStringList{"34", "0", "28", "0", "1 : 00", "28"};
    QTest::newRow("one wrong letter in ten seconds")
        << QStringLiteral("Na kraji lesa stxla hájovna.") << 10.0
        << QStringList{"34", "1", "0", "7,1429", "00 : 10", "0"};
  }

  void exerciseRunEndedByF5ShowsItsValues() {
    QFETCH(QString, typed);
    QFETCH(double, seconds);
    QFETCH(QStringList, values);
    startExercise(5);
    typeText(box(), typed);
    fx->clock.advance(seconds);
    pressKey(box(), Qt::Key_F5);

    QVERIFY(result());
    QCOMPARE(result()->windowTitle(), QStringLiteral("Vyhodnocení- Hájovna"));
    QCOMPARE(resultValue("lblHrubeUhozy"), values[0]);
    QCOMPARE(resultValue("lblPocetChyb"), values[1]);
    QCOMPARE(resultValue("lblCisteUhozy"), values[2]);
    QCOMPARE(resultValue("lblProcentoChyb"), values[3]);
    QCOMPARE(resultValue("lblDobaTestu"), values[4]);
    QCOMPARE(resultValue("lblCisteUhozyMin"), values[5]);
    QCOMPARE(child<QLabel>(result(), QStringLiteral("Label1"))->text(),
             QStringLiteral("Hubé úhozy:"));
    QVERIFY(fx->state.TestUkoncen);
    QCOMPARE(fx->state.PocetChyb, fx->state.ChybyVysledku);
    QVERIFY(window->findChild<QAction*>(QStringLiteral("miUlozit"))->isEnabled());
    QCOMPARE(text(QStringLiteral("lblZahajeni")), QString());
  }

  void closingTheResultStartsAFreshRunOfTheSameText() {
    startExercise();
    typeText(box(), QStringLiteral("Na kaji le"));  // the "r" left out
    fx->clock.advance(4);
    pressKey(box(), Qt::Key_F5);
    // The gap the alignment found is marked in the typed text.
    QVERIFY(box()->toPlainText().contains(QLatin1Char('_')));
    QTest::mouseClick(child<QPushButton>(result(), QStringLiteral("cmdOK")), Qt::LeftButton);

    QVERIFY(!result());
    QVERIFY(box()->toPlainText().isEmpty());
    QVERIFY(box()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), box());
    QVERIFY(!fx->state.TestBezi);
    QVERIFY(!fx->state.TestUkoncen);
    QCOMPARE(fx->state.PocetChyb, 0);

    fx->clock.advance(30);
    typeText(box(), QStringLiteral("N"));
    QVERIFY(fx->state.TestBezi);
    QCOMPARE(fx->state.CasZahajeni, 36034);
    QVERIFY(fx->state.PoziceChyb.empty());
  }

  void escapeAndTheCloseBoxAlsoReset() {
    startExercise();
    typeText(box(), QStringLiteral("Na"));
    pressKey(box(), Qt::Key_Escape);
    QTest::keyClick(result(), Qt::Key_Escape);
    QVERIFY(!result());
    QVERIFY(box()->toPlainText().isEmpty());
    QVERIFY(!fx->state.TestUkoncen);

    typeText(box(), QStringLiteral("Na"));
    pressKey(box(), Qt::Key_Escape);
    QVERIFY(result()->close());
    QVERIFY(!result());
    QVERIFY(box()->toPlainText().isEmpty());
    QVERIFY(!fx->state.TestUkoncen);
    // The main window's focus is in its box when the window is active again.
    QCOMPARE(window->focusWidget(), box());
  }

  void f2RestartsInTheMiddleOfARun() {
    startExercise();
    typeText(box(), QStringLiteral("Na kr"));
    runClock(3.2);
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("03"));
    pressKey(box(), Qt::Key_F2);

    QVERIFY(!result());
    QVERIFY(fx->messages.said.isEmpty());
    QVERIFY(box()->toPlainText().isEmpty());
    QVERIFY(!fx->state.TestBezi);
    QVERIFY(!timer("tmrCas")->isActive());
    QVERIFY(timer("tmrCasik")->isActive());
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("00"));
    QCOMPARE(text(QStringLiteral("lblNazev")), QStringLiteral("Hájovna"));
    QCOMPARE(QApplication::focusWidget(), box());
    // The text is loaded again on top of what the alignment copy held.
    std::u16string tenCopies;
    for (int i = 0; i < 10; ++i) tenCopies += kTarget + u"\r\n";
    QVERIFY(window->findChild<TextHolder*>(QStringLiteral("rtbZadani"))->text() == tenCopies);

    typeText(box(), QStringLiteral("N"));
    QVERIFY(fx->state.TestBezi);
  }

  void clockShowsTwoDigitsAndMinutes() {
    startExercise(5);
    typeText(box(), QStringLiteral("N"));
    // Readings every 50 ms: the clock moves on at 1.05 s, 2.10 s, ...
    runClock(9.5);
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("09"));
    QCOMPARE(text(QStringLiteral("lblSekunda(1)")), QStringLiteral("09"));
    QCOMPARE(text(QStringLiteral("lblMinuta(0)")), QStringLiteral("00"));
    runClock(55.6);
    QCOMPARE(text(QStringLiteral("lblMinuta(0)")), QStringLiteral("01"));
    QCOMPARE(text(QStringLiteral("lblMinuta(1)")), QStringLiteral("01"));
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("05"));
    QCOMPARE(fx->state.PocetVzorku, 12);  // one every 5.05 s
    QCOMPARE(fx->state.OsaRychlosti[5], std::u16string(u"30 sec"));
  }

  void clockTickEmptiesTheClipboard() {
    startExercise();
    typeText(box(), QStringLiteral("N"));
    QApplication::clipboard()->setText(QStringLiteral("opsaný text"));
    fx->clock.advance(0.05);
    tick("tmrCas");
    QVERIFY(QApplication::clipboard()->text().isEmpty());
  }

  void oneMinuteRunEndsWhenTheBarIsFull() {
    startExercise(1);
    typeText(box(), QStringLiteral("Na kraji"));
    auto* bar = child<QFrame>(QStringLiteral("lblZacatek"));
    auto* frame = child<QFrame>(QStringLiteral("lblKonecna"));
    runClock(30.0);  // the last whole-second reading was at 29.4 s
    QVERIFY(qAbs(bar->width() - frame->width() * 29.4 / 60) <= 1);
    runClock(29.9);
    QVERIFY(!result());
    runClock(0.1);  // the first reading at a full minute ends the run
    QVERIFY(result());
    QCOMPARE(bar->width(), 1);  // the evaluated run's bar is back at rest
    QCOMPARE(text(QStringLiteral("lblMinuta(0)")), QStringLiteral("00"));
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("00"));
    QVERIFY(!box()->isEnabled());  // nothing can be typed after the time is up
    QVERIFY(!timer("tmrCas")->isActive());
    QVERIFY(!timer("tmrVypnuti")->isActive());
    QCOMPARE(fx->state.CasUkonceni, 0);  // the result has taken it and cleared it
    QCOMPARE(resultValue("lblDobaTestu"), QStringLiteral("1 : 00"));
  }

  void inactivityEndsTheRunAfterZastavSeconds() {
    fx->state.nastaveni.Zastav = 6;
    startExercise();
    typeText(box(), QStringLiteral("Na"));
    for (int second = 0; second < 5; ++second) tick("tmrVypnuti");
    typeText(box(), QStringLiteral(" k"));  // a keystroke starts the count again
    for (int second = 0; second < 5; ++second) tick("tmrVypnuti");
    QVERIFY(!result());
    tick("tmrVypnuti");
    QVERIFY(result());
  }

  void lessonLimitsShowSpeedAndErrorsAgainstTheLimits() {
    fx->state.nastaveni.LimitRychlost = 120;
    fx->state.nastaveni.LimitChyba = 5;
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf jklů asdf "},
                           LessonKind::Lesson);
    QVERIFY(child<QWidget>(QStringLiteral("frmLimity"))->isVisible());
    typeText(lessonBox(), QStringLiteral("asdx"));  // 4 keystrokes, one wrong
    fx->clock.advance(3.0);
    tick("tmrLimit");
    // 4 keystrokes in 3 s: 80 a minute, a third below the limit of 120.
    QCOMPARE(text(QStringLiteral("lblRychlost")), QStringLiteral("80"));
    QCOMPARE(text(QStringLiteral("lblProcentoRychlosti")), QStringLiteral("-34 %"));
    QCOMPARE(text(QStringLiteral("lblChyby")), QStringLiteral("25"));
    QCOMPARE(text(QStringLiteral("lblProcentoChyb")), QStringLiteral("400 %"));
  }

  void lessonResultCountsEveryErrorAndGoesBackToTheFirstLine() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"ab ", u"cd "}, LessonKind::Lesson);
    typeText(lessonBox(), QStringLiteral("xy "));  // two adjacent errors
    QCOMPARE(text(QStringLiteral("lblRadek(0)")), QStringLiteral("cd "));
    fx->clock.advance(6);
    typeText(lessonBox(), QStringLiteral("cd "));
    QVERIFY(result());
    QCOMPARE(resultValue("lblPocetChyb"), QStringLiteral("2"));
    // "xy \r\ncd \r\n": ten characters, and blanks and line breaks are shifted.
    QCOMPARE(resultValue("lblHrubeUhozy"), QStringLiteral("16"));
    QTest::mouseClick(child<QPushButton>(result(), QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(text(QStringLiteral("lblRadek(0)")), QStringLiteral("ab "));
    QCOMPARE(text(QStringLiteral("lblRadek(2)")), QStringLiteral("cd "));
    QCOMPARE(QApplication::focusWidget(), lessonBox());
    QVERIFY(fx->state.NapsanyText.empty());
  }
};

QTEST_MAIN(TestTimedRun)
#include "tst_timedrun.moc"
