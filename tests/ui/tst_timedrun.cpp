// A timed run from its first keystroke to its result, driven with real key
// events, a fake clock and direct calls of the timers' ticks.

#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <tuple>

#include "tests/ui/support/mainwindowtest.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

const std::u16string kTarget = u"Na kraji lesa stála hájovna.";

enum class Back { OkButton, Escape, CloseBox, F2, NewStart };

}  // namespace

class TestTimedRun : public MainWindowTest {
  Q_OBJECT

  QString resultValue(const char* name) {
    return result() ? text(QString::fromLatin1(name), result()) : QStringLiteral("no result");
  }

  // Runs the clock timer every 50 ms of the fake clock for a while.
  void runClock(double seconds) {
    for (double t = 0; t < seconds && timer("tmrCas")->isActive(); t += 0.05) {
      fx->clock.advance(0.05);
      tick("tmrCas");
    }
  }

  // Closes the open result as the user chose; keys work in it from its
  // second second on.
  void closeResult(Back back) {
    if (back == Back::OkButton) {
      QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK"), result()), Qt::LeftButton);
    } else if (back == Back::CloseBox) {
      QVERIFY(result()->close());
    } else {
      fx->clock.advance(1.0);
      QTest::keyClick(result(), Qt::Key_Escape);
    }
  }

  void startExercise(int minutes = 1, const QString& name = QStringLiteral("Hájovna")) {
    fx->state.DobaTestu = minutes;
    fx->state.ZtrataUhozu = 20;
    MainWindowTest::startExercise(name, kTarget);
  }

 private slots:
  void exerciseRunEndedByKeyShowsItsValues_data() {
    QTest::addColumn<int>("endKey");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QStringList>("values");  // gross, errors, net, percent, duration, per minute
    QTest::newRow("F5 after typing exactly for a minute")
        << int(Qt::Key_F5) << QStringLiteral("Na kraji lesa stála hájovna.") << 60.0
        << QStringList{"34", "0", "28", "0", "1 : 00", "28"};
    QTest::newRow("Esc after one wrong letter in ten seconds")
        << int(Qt::Key_Escape) << QStringLiteral("Na kraji lesa stxla hájovna.") << 10.0
        << QStringList{"34", "1", "0", "7,1429", "00 : 10", "0"};
  }

  void exerciseRunEndedByKeyShowsItsValues() {
    QFETCH(int, endKey);
    QFETCH(QString, typed);
    QFETCH(double, seconds);
    QFETCH(QStringList, values);
    startExercise(5);
    pressKey(box(), endKey);  // nothing typed, nothing to evaluate
    QVERIFY(!result());
    typeText(box(), typed);
    fx->clock.advance(seconds);
    pressKey(box(), endKey);

    QCOMPARE(fx->dialogs.opened.size(), 1);
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QCOMPARE(result()->windowTitle(), QStringLiteral("Vyhodnocení- Hájovna"));
    QStringList shown;
    for (const char* name : {"lblHrubeUhozy", "lblPocetChyb", "lblCisteUhozy", "lblProcentoChyb",
                             "lblDobaTestu", "lblCisteUhozyMin"})
      shown << resultValue(name);
    QCOMPARE(shown, values);
    QVERIFY(child<QAction>(QStringLiteral("miUlozit"))->isEnabled());
    QCOMPARE(text(QStringLiteral("lblZahajeni")), QString());
  }

  void everyWayBackGivesAFreshRun_data() {
    QTest::addColumn<Back>("back");
    QTest::addColumn<int>("copies");  // then held by the alignment copy
    QTest::newRow("result closed with OK") << Back::OkButton << 5;
    QTest::newRow("result closed with Esc") << Back::Escape << 5;
    QTest::newRow("result closed with its close box") << Back::CloseBox << 5;
    QTest::newRow("F2 loads the text again on top of the copies") << Back::F2 << 10;
    QTest::newRow("a new start") << Back::NewStart << 5;
  }

  void everyWayBackGivesAFreshRun() {
    QFETCH(Back, back);
    QFETCH(int, copies);
    startExercise();
    typeText(box(), QStringLiteral("Na kaji le"));  // the "r" left out
    runClock(3.2);
    QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("03"));
    appendError(fx->state, 4, u"j");
    fx->state.PocetVzorku = 1;
    fx->state.VzorkyRychlosti = {5};
    const QString name =
        back == Back::NewStart ? QStringLiteral("Jiný") : QStringLiteral("Hájovna");
    if (back == Back::F2) {
      pressKey(box(), Qt::Key_F2);
    } else if (back == Back::NewStart) {
      startExercise(1, name);
    } else {
      pressKey(box(), Qt::Key_F5);
      // The gap the alignment found is marked in the typed text.
      QVERIFY(box()->toPlainText().contains(QLatin1Char('_')));
      closeResult(back);
    }

    QVERIFY(!result() && fx->messages.said.isEmpty());
    QVERIFY(box()->toPlainText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box());
    const SharedState& st = fx->state;
    QCOMPARE(std::tuple(st.TestBezi, st.TestUkoncen, st.PocetChyb, st.PocetVzorku),
             std::tuple(false, false, 0, 0));
    QVERIFY(st.PoziceChyb.empty() && st.VzorkyRychlosti.empty());
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QVERIFY(!child<QAction>(QStringLiteral("miZnovu"))->isEnabled());
    QCOMPARE(text(QStringLiteral("lblNazev")), name);
    if (back != Back::NewStart)
      QCOMPARE(text(QStringLiteral("lblSekunda(0)")), QStringLiteral("00"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - ") + name);
    std::u16string held;
    for (int i = 0; i < copies; ++i) held += kTarget + u"\r\n";
    QVERIFY(alignmentCopy() == held);

    fx->clock.set(QTime(10, 0, 33));
    typeText(box(), QStringLiteral("N"));  // the next keystroke starts a run of its own
    QCOMPARE(std::tuple(fx->state.TestBezi, fx->state.CasZahajeni), std::tuple(true, 36033));
  }

  void keysTypedOnIntoTheResultAreSwallowedForASecond_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("later");  // seconds after the result opened
    QTest::addColumn<bool>("closes");
    QTest::newRow("Space at once") << int(Qt::Key_Space) << 0.0 << false;
    QTest::newRow("Enter within the second") << int(Qt::Key_Return) << 0.9 << false;
    QTest::newRow("Esc within the second") << int(Qt::Key_Escape) << 0.5 << false;
    QTest::newRow("Space after the second") << int(Qt::Key_Space) << 1.0 << true;
    QTest::newRow("Esc after the second") << int(Qt::Key_Escape) << 1.2 << true;
    QTest::newRow("a letter after the second") << int(Qt::Key_A) << 1.0 << false;
  }

  void keysTypedOnIntoTheResultAreSwallowedForASecond() {
    QFETCH(int, key);
    QFETCH(double, later);
    QFETCH(bool, closes);
    startExercise();
    typeText(box(), QStringLiteral("Na kraji"));
    // A key still pending when the run ends does not join the scored text.
    QCoreApplication::postEvent(
        box(), new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    fx->clock.set(QTime(23, 59, 59, 500));  // the second wraps at midnight
    pressKey(box(), Qt::Key_F5);
    QCOMPARE(box()->toPlainText(), QStringLiteral("Na kraji"));
    QApplication::setActiveWindow(result());
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(QStringLiteral("cmdOK"), result()));
    fx->clock.advance(later);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(!result(), closes);
  }

  void clockShowsTwoDigitsAndMinutesAndEmptiesTheClipboard() {
    startExercise(5);
    typeText(box(), QStringLiteral("N"));
    QApplication::clipboard()->setText(QStringLiteral("opsaný text"));
    // Readings every 50 ms: the clock moves on at 1.05 s, 2.10 s, ...
    runClock(9.5);
    QVERIFY(QApplication::clipboard()->text().isEmpty());
    const auto clock = [this] {
      return texts({"lblMinuta(0)", "lblSekunda(0)", "lblMinuta(1)", "lblSekunda(1)"});
    };
    QCOMPARE(clock(), (QStringList{"00", "09", "00", "09"}));
    runClock(55.6);
    QCOMPARE(clock(), (QStringList{"01", "05", "01", "05"}));
    QCOMPARE(fx->state.PocetVzorku, 12);  // one every 5.05 s
    QCOMPARE(fx->state.OsaRychlosti[5], std::u16string(u"30 sec"));
  }

  void oneMinuteRunEndsWhenTheBarIsFull() {
    startExercise(1);
    typeText(box(), QStringLiteral("Na kraji"));
    auto* bar = child<QFrame>(QStringLiteral("lblZacatek"));
    runClock(30.0);  // the last whole-second reading was at 29.4 s
    QVERIFY(qAbs(bar->width() - child<QFrame>(QStringLiteral("lblKonecna"))->width() * 0.49) <= 1);
    runClock(29.9);
    QVERIFY(!result());
    runClock(0.1);  // the first reading at a full minute ends the run
    QCOMPARE(resultValue("lblDobaTestu"), QStringLiteral("1 : 00"));
    QCOMPARE(bar->width(), 1);  // the evaluated run's bar is back at rest
    QCOMPARE(texts({"lblMinuta(0)", "lblSekunda(0)"}), (QStringList{"00", "00"}));
    QVERIFY(!box()->isEnabled());  // nothing can be typed after the time is up
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK"), result()), Qt::LeftButton);
    QVERIFY(box()->isEnabled());
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
    startLesson({u"", u"asdf jklů asdf "});
    QVERIFY(child<QWidget>(QStringLiteral("frmLimity"))->isVisible());
    typeText(lessonBox(), QStringLiteral("asdx"));  // 4 keystrokes, one wrong
    fx->clock.advance(3.0);
    tick("tmrLimit");
    // 4 keystrokes in 3 s: 80 a minute, a third below the limit of 120.
    QCOMPARE(texts({"lblRychlost", "lblProcentoRychlosti", "lblChyby", "lblProcentoChyb"}),
             (QStringList{"80", "-34 %", "25", "400 %"}));
  }

  void lessonRunEndsAfterItsLastLineCountingEveryError_data() {
    QTest::addColumn<Back>("back");
    QTest::newRow("result closed with OK") << Back::OkButton;
    QTest::newRow("result closed with Esc") << Back::Escape;
    QTest::newRow("result closed with its close box") << Back::CloseBox;
    QTest::newRow("F2 before the end") << Back::F2;
  }

  void lessonRunEndsAfterItsLastLineCountingEveryError() {
    QFETCH(Back, back);
    startLesson({u"", u"ab ", u"cd"});
    typeText(lessonBox(), QStringLiteral("xy "));  // two adjacent errors
    QVERIFY(!result());
    if (back == Back::F2) {
      pressKey(lessonBox(), Qt::Key_F2);
    } else {
      fx->clock.advance(6);
      typeText(lessonBox(), QStringLiteral("cd"));  // a last line without a blank ends at its end
      QCOMPARE(running(), QStringList{"tmrCasik"});
      // "xy \r\ncd\r\n": nine characters, and blanks and line breaks are shifted.
      QCOMPARE(resultValue("lblHrubeUhozy") + " " + resultValue("lblPocetChyb"), "14 2");
      closeResult(back);
    }
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(2)"}), (QStringList{"ab ", "cd"}));
    QVERIFY(lessonBox()->isVisible() && !box()->isVisible());  // only the lesson's own box
    QCOMPARE(QApplication::focusWidget(), lessonBox());
    QVERIFY(fx->state.NapsanyText.empty());
  }
};

QTEST_MAIN(TestTimedRun)
#include "tst_timedrun.moc"
