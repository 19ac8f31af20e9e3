// The main window driven as a user drives it: real key events into real
// widgets, a fake clock, recorded message boxes.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/frmVysledek.h"
#include "ui/frmZaklad.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

const QString kShortText = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");

// A text long enough to scroll: about 6000 characters in paragraphs.
std::u16string longText() {
  std::u16string text;
  const std::u16string sentence =
      u"Na kraji lesa stála stará hájovna a v ní bydlel hajný se ženou a dětmi. ";
  for (int paragraph = 0; paragraph < 12; ++paragraph) {
    for (int i = 0; i < 7; ++i) text += sentence;
    text += u"\r\n";
  }
  return text;
}

// A text a little taller than the view: while typing, each copy leaves the
// top and is stacked below again many times.
std::u16string mediumText() {
  std::u16string text;
  for (int paragraph = 0; paragraph < 6; ++paragraph)
    text +=
        u"Ve mlýně se točilo kolo a mlynář zpíval, když sypal obilí do násypky. "
        u"Mouka se prášila po celé světnici. Děti se smály.\r\n";
  return text;
}

}  // namespace

class TestFrmZaklad : public MainWindowTest {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void opensIdleWithItsTitle() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba "));
    QVERIFY(!box()->isVisible());
    QVERIFY(!lessonBox()->isVisible());
    for (const char* name : {"tmrCasik", "tmrCas", "tmrLimit", "tmrVypnuti", "tmrPosun1"})
      QVERIFY2(!timer(name)->isActive(), name);
    QCOMPARE(timer("tmrCasik")->interval(), 980);
    QCOMPARE(timer("tmrPosun1")->interval(), 50);
    QCOMPARE(timer("tmrCas")->timerType(), Qt::PreciseTimer);
  }

  void startWithoutChoiceAsksForAText() {
    QVERIFY(!window->startExerciseRun(QString()));
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, QStringLiteral("Vyberte písemnost"));
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Chyba"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Exclamation);
    QVERIFY(!box()->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba "));
  }

  void startShowsTheRulesWordForWord_data() {
    QTest::addColumn<bool>("bezMazani");
    QTest::addColumn<QString>("expected");
    QTest::newRow("deleting allowed")
        << false
        << QStringLiteral(
               "Snažte se co nejrychleji s co nejmenším počtem chyb opsat tento text 'Hájovna' po "
               "dobu 5 munut při ztrátě 20 úhozů za chybu. Pomocí klávesy F5 můžete kdykoli "
               "ukončit test. Klávesou F2 spustíte tento test znovu. Máte možnost mazat text. "
               "Kliknutím na OK spustíte test. Hodně štěstí!.");
    QTest::newRow("accuracy test")
        << true
        << QStringLiteral(
               "Snažte se co nejrychleji s co nejmenším počtem chyb na přesnost opsat tento text "
               "'Hájovna' po dobu 5 munut při ztrátě 20 úhozů za chybu. Pomocí klávesy F5 můžete "
               "kdykoli ukončit test. Klávesou F2 spustíte tento test znovu. V tomto testu nemáte "
               "možnost mazat při testu text, proto doporučuji psát pomale a přesně. Kliknutím "
               "na OK spustíte test. Hodně štěstí!.");
  }

  void startShowsTheRulesWordForWord() {
    QFETCH(bool, bezMazani);
    QFETCH(QString, expected);
    fx->state.BezMazani = bezMazani;
    fx->state.DobaTestu = 5;
    fx->state.ZtrataUhozu = 20;
    fx->clock.set(QDateTime(QDate(2026, 12, 3), QTime(9, 5, 7)));

    addExerciseText(QStringLiteral("Hájovna"), u"Stará hájovna.");
    QVERIFY(window->startExerciseRun(QStringLiteral("Hájovna")));

    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, expected);
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Informace"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Information);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Hájovna"));
    QCOMPARE(label("lblNazev")->text(), QStringLiteral("Hájovna"));
    QCOMPARE(label("lblDoba")->text(), QStringLiteral("5 min"));
    QCOMPARE(label("lblZtrata")->text(), QStringLiteral("20"));
    QCOMPARE(label("lblZahajeni")->text(), QStringLiteral("9:05:07   3.12.2026"));
    QVERIFY(timer("tmrCasik")->isActive());
    QVERIFY(box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), box());
    QCOMPARE(fx->state.DruhTestu, TestKind::Cviceni);
    QCOMPARE(toQString(fx->state.NazevTestu), QStringLiteral("Hájovna"));
    // The alignment copy holds five copies of the text with its final line break.
    std::u16string expectedCopies;
    for (int i = 0; i < 5; ++i) expectedCopies += u"Stará hájovna.\r\n";
    QVERIFY(window->findChild<TextHolder*>(QStringLiteral("rtbZadani"))->text() == expectedCopies);
  }

  void firstKeystrokeStartsTheRun() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    fx->clock.set(QDateTime(QDate(2026, 12, 3), QTime(10, 0, 0, 600)));
    auto* miZnovu = window->findChild<QAction*>(QStringLiteral("miZnovu"));
    QVERIFY(!miZnovu->isEnabled());

    typeText(box(), QStringLiteral("P"));

    QVERIFY(fx->state.TestBezi);
    QCOMPARE(fx->state.CasZahajeni, 36001);
    QCOMPARE(fx->state.CasStartu, 36001);
    QCOMPARE(fx->state.CasTiku, 36000.6);
    QVERIFY(miZnovu->isEnabled());
    QVERIFY(timer("tmrCas")->isActive());
    QVERIFY(timer("tmrVypnuti")->isActive());
    QVERIFY(!timer("tmrCasik")->isActive());
    QCOMPARE(label("lblZahajeni")->text(), QStringLiteral("10:00:00   3.12.2026"));

    fx->clock.advance(2.0);
    typeText(box(), QStringLiteral("ř"));
    QCOMPARE(fx->state.CasZahajeni, 36001);  // only the first keystroke starts the run
  }

  void czechLettersAreTypedAsTheyAre() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    typeText(box(), kShortText + QStringLiteral("\nĚŠČŘŽÝÁÍÉÚŮ"));
    QCOMPARE(box()->toPlainText(), kShortText + QStringLiteral("\nĚŠČŘŽÝÁÍÉÚŮ"));
    // The line break counts as CR LF.
    QCOMPARE(box()->coreLength(), kShortText.size() + 2 + 11);
    QVERIFY(fx->state.JeNapsano);
  }

  void deadKeyCommitCountsAsAKeystroke() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    QInputMethodEvent preedit(QStringLiteral("ˇ"), {});
    QApplication::sendEvent(box(), &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("č"));
    QApplication::sendEvent(box(), &commit);

    QCOMPARE(box()->toPlainText(), QStringLiteral("č"));
    QVERIFY(fx->state.TestBezi);
    QVERIFY(timer("tmrCas")->isActive());
  }

  void accuracyTestRefusesEveryEditThatDeletes() {
    fx->state.BezMazani = true;
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    typeText(box(), QStringLiteral("Přílš"));
    const QString typed = QStringLiteral("Přílš");

    pressKey(box(), Qt::Key_Backspace);
    QCOMPARE(box()->toPlainText(), typed);
    pressKey(box(), Qt::Key_Left);
    pressKey(box(), Qt::Key_Left);
    pressKey(box(), Qt::Key_Delete);
    QCOMPARE(box()->toPlainText(), typed);
    pressKey(box(), Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(box()->toPlainText(), typed);

    pressKey(box(), Qt::Key_A, Qt::ControlModifier);  // select all
    pressKey(box(), Qt::Key_X, Qt::ControlModifier);  // cut
    QCOMPARE(box()->toPlainText(), typed);
    pressKey(box(), Qt::Key_A, Qt::ControlModifier);
    typeText(box(), QStringLiteral("i"));  // typing over the selection appends
    QCOMPARE(box()->toPlainText(), typed + QStringLiteral("i"));

    QApplication::clipboard()->setText(QStringLiteral("vložený text"));
    pressKey(box(), Qt::Key_V, Qt::ControlModifier);
    pressKey(box(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box()->toPlainText(), typed + QStringLiteral("i"));

    // A composed letter that would replace the text before it only adds.
    QInputMethodEvent replacing;
    replacing.setCommitString(QStringLiteral("ř"), -2, 2);
    QApplication::sendEvent(box(), &replacing);
    QCOMPARE(box()->toPlainText(), typed + QStringLiteral("iř"));
  }

  void deletingWorksWhereItIsAllowed() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    typeText(box(), QStringLiteral("Přílid"));
    pressKey(box(), Qt::Key_Backspace);
    typeText(box(), QStringLiteral("š"));
    QCOMPARE(box()->toPlainText(), QStringLiteral("Příliš"));
  }

  void scrollStartsAtAThirdOfTheViewLessFive() {
    startExercise(QStringLiteral("Dlouhý"), longText());
    auto* first = child<TargetTextLabel>(QStringLiteral("lblZadani(1)"));
    QVERIFY(first->height() * 15 > 2400);
    QVERIFY(child<TargetTextLabel>(QStringLiteral("lblZadani(2)"))->isVisible());
    QCOMPARE(child<TargetTextLabel>(QStringLiteral("lblZadani(2)"))->y(),
             first->y() + first->height());

    typeText(box(), QStringLiteral("N"));
    const int third = fx->state.TretinaOkna;
    QVERIFY(third > 20);
    typeText(box(), QString(third - 7, QLatin1Char('a')));
    QCOMPARE(box()->coreLength(), third - 6);
    QVERIFY(!timer("tmrPosun1")->isActive());
    typeText(box(), QStringLiteral("a"));
    QVERIFY(timer("tmrPosun1")->isActive());

    // One line of scrolling takes Pismo + 14 ticks of 15 twips.
    auto* panel = child<QWidget>(QStringLiteral("picPozadi"));
    for (int step = 0; step < 15; ++step) {
      QVERIFY(timer("tmrPosun1")->isActive());
      tick("tmrPosun1");
    }
    QVERIFY(!timer("tmrPosun1")->isActive());
    QCOMPARE(panel->y(), -15);

    // Deleting and typing the same length again never scrolls twice.
    pressKey(box(), Qt::Key_Backspace);
    pressKey(box(), Qt::Key_Backspace);
    typeText(box(), QStringLiteral("aa"));
    QVERIFY(!timer("tmrPosun1")->isActive());
    QCOMPARE(fx->state.NejdelsiText, third - 5);
  }

  void theRepeatedTextNeverRunsOut() {
    startExercise(QStringLiteral("Mlýn"), mediumText());
    auto* panel = child<QWidget>(QStringLiteral("picPozadi"));
    auto* view = child<QWidget>(QStringLiteral("picZadani"));
    QTimer* scroll = timer("tmrPosun1");
    int scrolls = 0;
    // Several copies' worth of typing: the labels are restacked many times.
    for (int typed = 0; typed < 3000; ++typed) {
      typeText(box(), QStringLiteral("a"));
      if (!scroll->isActive()) continue;
      ++scrolls;
      while (scroll->isActive()) QMetaObject::invokeMethod(scroll, "timeout");
      // The copies stand one below the other without a gap, from no lower
      // than the first line of the view down past the typing line (a third
      // of the way down) with plenty of text ahead of it.
      std::vector<QRect> copies;
      for (int i = 1; i <= 3; ++i)
        copies.push_back(child<TargetTextLabel>(QStringLiteral("lblZadani(%1)").arg(i))
                             ->geometry()
                             .translated(0, panel->y()));
      std::sort(copies.begin(), copies.end(),
                [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
      const QString where = QStringLiteral("after scroll %1").arg(scrolls);
      QVERIFY2(copies[1].top() == copies[0].bottom() + 1, qPrintable(where));
      QVERIFY2(copies[2].top() == copies[1].bottom() + 1, qPrintable(where));
      QVERIFY2(copies[0].top() <= 16, qPrintable(where));
      QVERIFY2(copies[2].bottom() >= view->height() * 2 / 3, qPrintable(where));
    }
    QVERIFY2(scrolls > 20, qPrintable(QString::number(scrolls)));
  }

  void escapeEndsOnlyARunWithText() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    pressKey(box(), Qt::Key_Escape);
    QVERIFY(!fx->dialogs.last<frmVysledek>());

    typeText(box(), QStringLiteral("Př"));
    fx->clock.advance(12.5);
    pressKey(box(), Qt::Key_Escape);
    QVERIFY(fx->dialogs.last<frmVysledek>());
    QVERIFY(!timer("tmrCas")->isActive());
    QCOMPARE(fx->dialogs.opened.size(), 1);
  }

  void newStartDuringARunResetsEverything() {
    startExercise(QStringLiteral("Krátký"), fromQString(kShortText));
    typeText(box(), QStringLiteral("Přílš"));
    appendError(fx->state, 4, u"š");
    fx->state.PocetVzorku = 1;
    fx->state.VzorkyRychlosti = {5};

    startExercise(QStringLiteral("Dlouhý"), longText());

    QVERIFY(box()->toPlainText().isEmpty());
    QVERIFY(!fx->state.TestBezi);
    QCOMPARE(fx->state.PocetChyb, 0);
    QVERIFY(fx->state.PoziceChyb.empty());
    QCOMPARE(fx->state.PocetVzorku, 0);
    QVERIFY(fx->state.VzorkyRychlosti.empty());
    QVERIFY(!timer("tmrCas")->isActive());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("miZnovu"))->isEnabled());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Dlouhý"));

    // The next keystroke is a fresh run.
    typeText(box(), QStringLiteral("N"));
    QVERIFY(fx->state.TestBezi);
  }

  void lessonStartShowsTheFirstLines() {
    fx->state.nastaveni.LimitRychlost = 120;
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf ", u"jklů\r", u"fdsa "},
                           LessonKind::Lesson);

    QVERIFY(fx->messages.said.isEmpty());
    QCOMPARE(fx->state.DruhTestu, TestKind::Vyuka);
    QCOMPARE(fx->state.DobaTestu, 30);
    QCOMPARE(fx->state.ZtrataUhozu, 10);
    QCOMPARE(fx->state.LimitRychlostiTestu, 120);
    QCOMPARE(label(QStringLiteral("lblRadek(0)"))->text(), QStringLiteral("asdf "));
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QString());
    QCOMPARE(label(QStringLiteral("lblRadek(2)"))->text(), QStringLiteral("jklů"));
    QCOMPARE(label(QStringLiteral("lblRadek(3)"))->text(), QStringLiteral("fdsa "));
    QCOMPARE(label(QStringLiteral("lblRadek(4)"))->text(), QString());
    QVERIFY(lessonBox()->isVisible());
    QVERIFY(!box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), lessonBox());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Lekce 1"));
    QCOMPARE(label("lblDoba")->text(), QStringLiteral("30 min"));
  }

  void lessonKeystrokesAreMarkedAndListed() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"as df ", u"jkl "},
                           LessonKind::Lesson);
    auto* shape = child<QFrame>(QStringLiteral("Shape1"));
    const int shapeStart = shape->x();

    typeText(lessonBox(), QStringLiteral("ax"));  // right, then wrong for "s"
    typeText(lessonBox(), QStringLiteral("x"));   // wrong blank
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QStringLiteral(" xx"));
    QVERIFY(lessonBox()->toPlainText().isEmpty());
    QCOMPARE(shape->x(), shapeStart + 3 * 8);  // one 120-twip cell per keystroke
    auto* list = child<QListWidget>(QStringLiteral("lstSeznamChyb"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("x         2"));

    typeText(lessonBox(), QStringLiteral("d "));  // a blank where "f" belongs
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QStringLiteral(" xx _"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("_         1"));

    // Enter closes the line as its final blank.
    pressKey(lessonBox(), Qt::Key_Return);
    QCOMPARE(label(QStringLiteral("lblRadek(0)"))->text(), QStringLiteral("jkl "));
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QString());
    QCOMPARE(shape->x(), shapeStart);
    QVERIFY(fx->state.NapsanyText == u"axxd_ \r\n");
  }

  void threeErrorsInARowBlockForASecond() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf "}, LessonKind::Lesson);
    typeText(lessonBox(), QStringLiteral("xxx"));
    fx->clock.advance(0.9);
    typeText(lessonBox(), QStringLiteral("d"));  // swallowed
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QStringLiteral("xxx"));
    QVERIFY(lessonBox()->toPlainText().isEmpty());
    fx->clock.advance(0.2);
    typeText(lessonBox(), QStringLiteral("f"));
    QCOMPARE(label(QStringLiteral("lblRadek(1)"))->text(), QStringLiteral("xxx "));
  }

  void lessonKeepsTheKeyboard() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf "}, LessonKind::Lesson);
    auto* list = child<QListWidget>(QStringLiteral("lstSeznamChyb"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), lessonBox());
  }

  void lessonRunEndsAfterItsLastLine() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"ab ", u"cd"}, LessonKind::Lesson);
    typeText(lessonBox(), QStringLiteral("ab "));
    QVERIFY(!fx->dialogs.last<frmVysledek>());
    QCOMPARE(label(QStringLiteral("lblRadek(0)"))->text(), QStringLiteral("cd"));
    typeText(lessonBox(), QStringLiteral("cd"));
    QVERIFY(fx->dialogs.last<frmVysledek>());
    QVERIFY(!timer("tmrCas")->isActive());
    QVERIFY(!timer("tmrLimit")->isActive());
  }

  void vymazatClearsTheWindow() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf "}, LessonKind::Lesson);
    typeText(lessonBox(), QStringLiteral("x"));
    QVERIFY(timer("tmrLimit")->isActive());
    window->Vymazat();
    QCOMPARE(child<QListWidget>(QStringLiteral("lstSeznamChyb"))->count(), 0);
    for (const char* name : {"tmrCas", "tmrLimit", "tmrVypnuti", "tmrPosun1"})
      QVERIFY2(!timer(name)->isActive(), name);
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("miZnovu"))->isEnabled());
    QCOMPARE(fx->state.PocetChyb, 0);
  }
};

QTEST_MAIN(TestFrmZaklad)
#include "tst_frmzaklad.moc"
