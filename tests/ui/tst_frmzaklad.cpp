// The main window driven as a user drives it: real key events into real
// widgets, a fake clock, recorded message boxes.

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <algorithm>
#include <tuple>
#include <vector>

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

const QString kShortText = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");

// `paragraphs` times `sentences` times the sentence, each paragraph ending
// with a line break.
std::u16string paragraphs(const std::u16string& sentence, int sentences, int paragraphs) {
  std::u16string text;
  for (int p = 0; p < paragraphs; ++p) {
    for (int i = 0; i < sentences; ++i) text += sentence;
    text += u"\r\n";
  }
  return text;
}

enum class Run { Exercise, Accuracy, Lesson };
enum class Paste { CtrlV, ShiftInsert, Drop };

}  // namespace

class TestFrmZaklad : public MainWindowTest {
  Q_OBJECT

 private:
  QAction* miZnovu() { return child<QAction>(QStringLiteral("miZnovu")); }
  void startShortExercise() { startExercise(QStringLiteral("Krátký"), fromQString(kShortText)); }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void opensIdleWithItsTitle() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba "));
    QVERIFY(!box()->isVisible() && !lessonBox()->isVisible());
    QCOMPARE(running(), QStringList());
    QCOMPARE(timer("tmrCasik")->interval(), 980);
    QCOMPARE(timer("tmrPosun1")->interval(), 50);
    QCOMPARE(timer("tmrCas")->timerType(), Qt::PreciseTimer);
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
    QCOMPARE(texts({"lblNazev", "lblDoba", "lblZtrata", "lblZahajeni"}),
             (QStringList{"Hájovna", "5 min", "20", "9:05:07   3.12.2026"}));
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QVERIFY(box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), box());
    QCOMPARE(fx->state.DruhTestu, TestKind::Cviceni);
    QCOMPARE(toQString(fx->state.NazevTestu), QStringLiteral("Hájovna"));
  }

  void firstKeystrokeStartsTheRun_data() {
    QTest::addColumn<bool>("deadKey");
    QTest::newRow("a key") << false;
    QTest::newRow("a letter composed with a dead key") << true;
  }

  void firstKeystrokeStartsTheRun() {
    QFETCH(bool, deadKey);
    startShortExercise();
    fx->clock.set(QDateTime(QDate(2026, 12, 3), QTime(10, 0, 0, 600)));
    QVERIFY(!miZnovu()->isEnabled());

    if (deadKey) {
      QInputMethodEvent preedit(QStringLiteral("ˇ"), {});
      QApplication::sendEvent(box(), &preedit);
      QInputMethodEvent commit;
      commit.setCommitString(QStringLiteral("Č"));
      QApplication::sendEvent(box(), &commit);
    } else {
      typeText(box(), QStringLiteral("P"));
    }

    QCOMPARE(box()->toPlainText(), deadKey ? QStringLiteral("Č") : QStringLiteral("P"));
    QCOMPARE(std::tuple(fx->state.TestBezi, fx->state.CasZahajeni, fx->state.CasStartu),
             std::tuple(true, 36001, 36001));
    QCOMPARE(fx->state.CasTiku, 36000.6);
    QVERIFY(miZnovu()->isEnabled());
    QCOMPARE(running(), (QStringList{"tmrCas", "tmrVypnuti"}));
    QCOMPARE(label("lblZahajeni")->text(), QStringLiteral("10:00:00   3.12.2026"));

    fx->clock.advance(2.0);
    typeText(box(), QStringLiteral("ř"));
    // Only the first keystroke starts the run and shows its start.
    QCOMPARE(fx->state.CasZahajeni, 36001);
    QCOMPARE(label("lblZahajeni")->text(), QStringLiteral("10:00:00   3.12.2026"));
  }

  void accuracyTestRefusesEveryEditThatDeletes() {
    fx->state.BezMazani = true;
    startShortExercise();
    QString typed = kShortText + QStringLiteral("\nĚŠČŘŽÝÁÍÉÚŮ");
    typeText(box(), kShortText);
    pressKey(box(), Qt::Key_Return, Qt::ShiftModifier);  // an ordinary line break as well
    typeText(box(), typed.mid(kShortText.size() + 1));
    QCOMPARE(box()->toPlainText(), typed);
    QCOMPARE(box()->coreLength(), typed.size() + 1);  // the line break counts as CR LF
    QVERIFY(fx->state.JeNapsano);
    // Each edit is refused; the text stays as typed.
    const auto after = [this](std::initializer_list<QKeyCombination> keys) {
      for (const QKeyCombination key : keys) pressKey(box(), key.key(), key.keyboardModifiers());
      return box()->toPlainText();
    };
    QCOMPARE(after({Qt::Key_Backspace}), typed);
    QCOMPARE(after({Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete}), typed);
    QCOMPARE(after({Qt::ControlModifier | Qt::Key_Backspace}), typed);
    QCOMPARE(after({Qt::ControlModifier | Qt::Key_A, Qt::ControlModifier | Qt::Key_X}), typed);
    QCOMPARE(after({Qt::ControlModifier | Qt::Key_Z}), typed);
    after({Qt::ControlModifier | Qt::Key_A});
    typeText(box(), QStringLiteral("i"));  // typing over the selection appends
    typed += QStringLiteral("i");
    QCOMPARE(box()->toPlainText(), typed);

    // A composed letter that would replace the text before it only adds.
    QInputMethodEvent replacing;
    replacing.setCommitString(QStringLiteral("ř"), -2, 2);
    QApplication::sendEvent(box(), &replacing);
    QCOMPARE(box()->toPlainText(), typed + QStringLiteral("ř"));

    // F2 starts afresh: what was typed before it never comes back.
    pressKey(box(), Qt::Key_F2);
    typeText(box(), QStringLiteral("P"));
    QCOMPARE(box()->toPlainText(), QStringLiteral("P"));
  }

  void onlyTypingPutsTextIntoTheBoxes_data() {
    QTest::addColumn<Run>("run");
    QTest::addColumn<Paste>("way");
    const char* runs[] = {"an exercise run", "an accuracy test", "a lesson"};
    const char* ways[] = {"Ctrl+V", "Shift+Insert", "a drop"};
    for (const Run run : {Run::Exercise, Run::Accuracy, Run::Lesson})
      for (const Paste way : {Paste::CtrlV, Paste::ShiftInsert, Paste::Drop})
        QTest::addRow("%s in %s", ways[int(way)], runs[int(run)]) << run << way;
  }

  void onlyTypingPutsTextIntoTheBoxes() {
    QFETCH(Run, run);
    QFETCH(Paste, way);
    const QString pasted = QStringLiteral("vložený text ");
    QApplication::clipboard()->setText(pasted);
    fx->state.BezMazani = run == Run::Accuracy;
    if (run == Run::Lesson)
      window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"vložený text "},
                             LessonKind::Lesson);
    else
      startShortExercise();
    TypingBox* target = run == Run::Lesson ? lessonBox() : box();
    QSignalSpy miVyuka(child<QAction>(QStringLiteral("miVyuka")), &QAction::triggered);
    if (way == Paste::CtrlV) pressKey(target, Qt::Key_V, Qt::ControlModifier);
    if (way == Paste::ShiftInsert) pressKey(target, Qt::Key_Insert, Qt::ShiftModifier);
    if (way == Paste::Drop) {
      QMimeData data;
      data.setText(pasted);
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &enter);
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &drop);
    }
    QVERIFY(target->toPlainText().isEmpty() && !fx->state.TestBezi);
    QCOMPARE(miVyuka.count(), way == Paste::CtrlV ? 1 : 0);  // Ctrl+V is the menu's
  }

  void scrollStartsAtAThirdOfTheViewLessFive() {
    startExercise(QStringLiteral("Les"),
                  paragraphs(u"Na kraji lesa stála stará hájovna a bydlel v ní hajný. ", 9, 12));
    typeText(box(), QStringLiteral("N"));
    const int third = fx->state.TretinaOkna;
    QVERIFY(third > 20);
    typeText(box(), QString(third - 7, QLatin1Char('a')));
    QCOMPARE(box()->coreLength(), third - 6);
    QVERIFY(!timer("tmrPosun1")->isActive());
    typeText(box(), QStringLiteral("a"));
    // One line of scrolling takes Pismo + 14 ticks of 15 twips.
    for (int step = 0; step < 15; ++step) {
      QVERIFY(timer("tmrPosun1")->isActive());
      tick("tmrPosun1");
    }
    QVERIFY(!timer("tmrPosun1")->isActive());
    QCOMPARE(child<QWidget>(QStringLiteral("picPozadi"))->y(), -15);

    // Deleting (allowed here) and typing the same length again never
    // scrolls twice.
    pressKey(box(), Qt::Key_Backspace);
    pressKey(box(), Qt::Key_Backspace);
    typeText(box(), QStringLiteral("aa"));
    QVERIFY(!timer("tmrPosun1")->isActive());
    QCOMPARE(fx->state.NejdelsiText, third - 5);
  }

  void theRepeatedTextNeverRunsOut() {
    // A text a little taller than the view: each copy leaves the top and is
    // stacked below again many times.
    startExercise(QStringLiteral("Mlýn"),
                  paragraphs(u"Ve mlýně se točilo kolo a mlynář zpíval, když sypal obilí. ", 2, 6));
    auto* panel = child<QWidget>(QStringLiteral("picPozadi"));
    const int viewHeight = child<QWidget>(QStringLiteral("picZadani"))->height();
    int scrolls = 0;
    // Several copies' worth of typing: the labels are restacked many times.
    for (int typed = 0; typed < 3000; ++typed) {
      typeText(box(), QStringLiteral("a"));
      if (!timer("tmrPosun1")->isActive()) continue;
      ++scrolls;
      while (timer("tmrPosun1")->isActive()) tick("tmrPosun1");
      // The copies stand one below the other without a gap, from no lower
      // than the first line of the view down past the typing line (a third
      // of the way down) with plenty of text ahead of it.
      std::vector<QRect> copies;
      for (int i = 1; i <= 3; ++i)
        copies.push_back(child<TargetTextLabel>(QStringLiteral("lblZadani(%1)").arg(i))
                             ->geometry()
                             .translated(0, panel->y()));
      std::ranges::sort(copies, {}, &QRect::top);
      const QByteArray where = "after scroll " + QByteArray::number(scrolls);
      QVERIFY2(copies[1].top() == copies[0].bottom() + 1, where);
      QVERIFY2(copies[2].top() == copies[1].bottom() + 1, where);
      QVERIFY2(copies[0].top() <= 16 && copies[2].bottom() >= viewHeight * 2 / 3, where);
    }
    QVERIFY2(scrolls > 20, QByteArray::number(scrolls));
  }

  void lessonShowsItsLinesMarksAndErrors() {
    fx->state.nastaveni.LimitRychlost = 120;
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"as df ", u"jklů\r", u"fdsa "},
                           LessonKind::Lesson);
    QVERIFY(fx->messages.said.isEmpty());
    QCOMPARE(fx->state.DruhTestu, TestKind::Vyuka);
    QCOMPARE(std::tuple(fx->state.DobaTestu, fx->state.ZtrataUhozu, fx->state.LimitRychlostiTestu),
             std::tuple(30, 10, 120));
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(1)", "lblRadek(2)", "lblRadek(3)", "lblRadek(4)"}),
             (QStringList{"as df ", "", "jklů", "fdsa ", ""}));
    QVERIFY(lessonBox()->isVisible() && !box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), lessonBox());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Lekce 1"));
    QCOMPARE(label("lblDoba")->text(), QStringLiteral("30 min"));

    auto* shape = child<QFrame>(QStringLiteral("Shape1"));
    auto* list = child<QListWidget>(QStringLiteral("lstSeznamChyb"));
    const int shapeStart = shape->x();
    typeText(lessonBox(), QStringLiteral("axx"));  // right, wrong for "s", wrong blank
    pressKey(lessonBox(), Qt::Key_Return);         // inside a line: no error, no change
    QCOMPARE(label("lblRadek(1)")->text(), QStringLiteral(" xx"));
    QVERIFY(lessonBox()->toPlainText().isEmpty());
    QCOMPARE(shape->x(), shapeStart + 3 * 8);  // one 120-twip cell per keystroke
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("x         2"));
    typeText(lessonBox(), QStringLiteral("d "));  // a blank where "f" belongs
    QCOMPARE(label("lblRadek(1)")->text(), QStringLiteral(" xx _"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("_         1"));

    // Enter closes the line as its final blank.
    pressKey(lessonBox(), Qt::Key_Return);
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(1)"}), (QStringList{"jklů", ""}));
    QCOMPARE(shape->x(), shapeStart);
    QVERIFY(fx->state.NapsanyText == u"axxd_ \r\n");

    // A lesson keeps the keyboard.
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), lessonBox());

    QVERIFY(running().contains(QStringLiteral("tmrLimit")));
    window->Vymazat();
    QCOMPARE(list->count(), 0);
    QCOMPARE(running(), QStringList());
    QVERIFY(!miZnovu()->isEnabled());
    QCOMPARE(fx->state.PocetChyb, 0);
  }

  void threeErrorsInARowBlockForASecond() {
    window->startLessonRun(QStringLiteral("Lekce 1"), {u"", u"asdf "}, LessonKind::Lesson);
    typeText(lessonBox(), QStringLiteral("xxx"));
    fx->clock.advance(0.9);
    typeText(lessonBox(), QStringLiteral("d"));  // swallowed
    QCOMPARE(label("lblRadek(1)")->text(), QStringLiteral("xxx"));
    QVERIFY(lessonBox()->toPlainText().isEmpty());
    fx->clock.advance(0.2);
    typeText(lessonBox(), QStringLiteral("f"));
    QCOMPARE(label("lblRadek(1)")->text(), QStringLiteral("xxx "));
  }
};

QTEST_MAIN(TestFrmZaklad)
#include "tst_frmzaklad.moc"
