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

#include "tests/ui/support/mainwindowtest.h"
#include "ui/targettextlabel.h"

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

  QAction* miZnovu() { return child<QAction>(QStringLiteral("miZnovu")); }
  TargetTextLabel* copy(int n) {
    return child<TargetTextLabel>(QStringLiteral("lblZadani(%1)").arg(n));
  }

 private slots:
  void firstKeystrokeStartsTheRun_data() {
    QTest::addColumn<bool>("deadKey");
    QTest::newRow("a key") << false;
    QTest::newRow("a letter composed with a dead key") << true;
  }

  void firstKeystrokeStartsTheRun() {
    QFETCH(bool, deadKey);
    fx->state.DobaTestu = 5;
    fx->state.ZtrataUhozu = 20;
    fx->clock.set(QTime(9, 5, 7));
    addExerciseText(QStringLiteral("Hájovna"), u"Stará hájovna.");
    QVERIFY(window->startExerciseRun(QStringLiteral("Hájovna")));
    QCOMPARE(fx->messages.said,
             QStringList{"Informace, Information: Snažte se co nejrychleji s co nejmenším počtem "
                         "chyb opsat tento text 'Hájovna' po dobu 5 munut při ztrátě 20 úhozů za "
                         "chybu. Pomocí klávesy F5 můžete kdykoli ukončit test. Klávesou F2 "
                         "spustíte tento test znovu. Máte možnost mazat text. Kliknutím na OK "
                         "spustíte test. Hodně štěstí!."});
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Hájovna"));
    QCOMPARE(texts({"lblNazev", "lblDoba", "lblZtrata", "lblZahajeni"}),
             (QStringList{"Hájovna", "5 min", "20", "9:05:07   3.12.2026"}));
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QCOMPARE(QApplication::focusWidget(), box());
    QVERIFY(!miZnovu()->isEnabled());

    fx->clock.set(QTime(10, 0, 0, 600));
    if (deadKey) {
      QInputMethodEvent preedit(QStringLiteral("ˇ"), {});
      QApplication::sendEvent(box(), &preedit);
      QInputMethodEvent commit;
      commit.setCommitString(QStringLiteral("Č"));
      QApplication::sendEvent(box(), &commit);
    } else {
      typeText(box(), QStringLiteral("Č"));
    }
    QCOMPARE(box()->toPlainText(), QStringLiteral("Č"));
    QCOMPARE(std::tuple(fx->state.TestBezi, fx->state.CasZahajeni, fx->state.CasTiku),
             std::tuple(true, 36001, 36000.6));
    QVERIFY(miZnovu()->isEnabled());
    QCOMPARE(running(), (QStringList{"tmrCas", "tmrVypnuti"}));
    fx->clock.advance(2.0);
    typeText(box(), QStringLiteral("ř"));  // only the first keystroke shows the start
    QCOMPARE(text(QStringLiteral("lblZahajeni")), QStringLiteral("10:00:00   3.12.2026"));
  }

  void accuracyTestRefusesEveryEditThatDeletes() {
    fx->state.BezMazani = true;
    startExercise(QStringLiteral("Krátký"), kShortText.toStdU16String());
    QString typed = kShortText + QStringLiteral("\nĚŠČŘŽÝÁÍÉÚŮ");
    typeText(box(), kShortText);
    pressKey(box(), Qt::Key_Return, Qt::ShiftModifier);  // an ordinary line break as well
    typeText(box(), typed.mid(kShortText.size() + 1));
    QCOMPARE(box()->toPlainText(), typed);
    QCOMPARE(box()->coreLength(), typed.size() + 1);  // the line break counts as CR LF
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
    // A composed letter that would replace the text before it only adds.
    QInputMethodEvent replacing;
    replacing.setCommitString(QStringLiteral("ř"), -2, 2);
    QApplication::sendEvent(box(), &replacing);
    QCOMPARE(box()->toPlainText(), typed + QStringLiteral("iř"));
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
    QApplication::clipboard()->setText(QStringLiteral("vložený text "));
    fx->state.BezMazani = run == Run::Accuracy;
    if (run == Run::Lesson)
      startLesson({u"", u"vložený text "});
    else
      startExercise(QStringLiteral("Krátký"), u"vložený text ");
    TypingBox* target = run == Run::Lesson ? lessonBox() : box();
    QSignalSpy miVyuka(child<QAction>(QStringLiteral("miVyuka")), &QAction::triggered);
    if (way == Paste::CtrlV) pressKey(target, Qt::Key_V, Qt::ControlModifier);
    if (way == Paste::ShiftInsert) pressKey(target, Qt::Key_Insert, Qt::ShiftModifier);
    if (way == Paste::Drop) {
      QMimeData data;
      data.setText(QStringLiteral("vložený text "));
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &enter);
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &drop);
    }
    QVERIFY(target->toPlainText().isEmpty() && !fx->state.TestBezi);
    QCOMPARE(miVyuka.count(), way == Paste::CtrlV ? 1 : 0);  // Ctrl+V is the menu's
  }

  void aTallTextIsShownThreeTimesWithoutGaps_data() {
    QTest::addColumn<int>("lines");  // 0: one paragraph of 6000 characters, wrapped
    QTest::addColumn<int>("shown");
    QTest::newRow("ten lines, 2400 twips") << 10 << 1;
    QTest::newRow("eleven lines") << 11 << 3;
    QTest::newRow("a wrapped paragraph") << 0 << 3;
  }

  void aTallTextIsShownThreeTimesWithoutGaps() {
    QFETCH(int, lines);
    QFETCH(int, shown);
    startExercise(QStringLiteral("Řádky"),
                  lines ? paragraphs(u"Krátký řádek.", 1, lines) : paragraphs(u"Slovo ", 1000, 1));
    // Lines of 16 pixels from the second line of the view.
    QCOMPARE(copy(1)->y(), 16);
    if (lines) QCOMPARE(copy(1)->height(), lines * 16);
    for (int n = 1; n <= 3; ++n) QCOMPARE(copy(n)->isVisible(), n <= shown);
    QCOMPARE(copy(2)->y(), copy(1)->y() + copy(1)->height());
    QCOMPARE(copy(3)->y(), copy(2)->y() + copy(2)->height());
  }

  void aTextThatCannotBeStartedLeavesTheRunAsItWas_data() {
    QTest::addColumn<QString>("entry");  // "Jaro", the running one, is removed and F2 pressed
    QTest::addColumn<int>("fileBytes");  // -1: no file
    QTest::addColumn<QString>("message");
    QTest::newRow("removed since it was listed")
        << "Zmizelá" << -1
        << "Přerušení, Critical: Písemnost 'Zmizelá' nebyla nalezena nebo ji nelze přečíst.";
    QTest::newRow("removed before a restart")
        << "Jaro" << -1
        << "Přerušení, Critical: Písemnost 'Jaro' nebyla nalezena nebo ji nelze přečíst.";
    QTest::newRow("empty file")
        << "Prázdná" << 0
        << "Přerušení, Exclamation: Písemnost 'Prázdná' je prázdná, proto s ní nelze psát test.";
    QTest::newRow("over 1 MiB") << "Velká" << int(kMaxTextFileBytes + 1)
                                << "Přerušení, Exclamation: Písemnost 'Velká' je příliš velká "
                                   "(více než 1 MB), proto s ní nelze psát test.";
  }

  void aTextThatCannotBeStartedLeavesTheRunAsItWas() {
    QFETCH(QString, entry);
    QFETCH(int, fileBytes);
    QFETCH(QString, message);
    startExercise(QStringLiteral("Jaro"), u"Jaro.");
    if (fileBytes >= 0) addExerciseText(entry, std::u16string(fileBytes, u'a'));
    if (entry == QStringLiteral("Jaro")) {
      std::filesystem::remove(fx->context.programFolder / "cviceni" / "Jaro.txt");
      typeText(box(), QStringLiteral("Ja"));
      pressKey(box(), Qt::Key_F2);
      QVERIFY(box()->toPlainText().isEmpty());
    } else {
      QVERIFY(!window->startExerciseRun(entry));
    }
    QCOMPARE(fx->messages.said, QStringList{message});
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Jaro"));
    QVERIFY(fx->state.VybranyText == u"Jaro");
    QCOMPARE(copy(1)->text(), QStringLiteral("Jaro.\n"));
  }

  void theRepeatedTextNeverRunsOut() {
    startExercise(QStringLiteral("Mlýn"),
                  paragraphs(u"Ve mlýně se točilo kolo a mlynář zpíval, když sypal obilí. ", 2, 6));
    auto* panel = child<QWidget>(QStringLiteral("picPozadi"));
    // Each copy leaves the top and is stacked below again many times.
    const int viewHeight = child<QWidget>(QStringLiteral("picZadani"))->height();
    int scrolls = 0;
    for (int typed = 0; typed < 3000; ++typed) {
      typeText(box(), QStringLiteral("a"));
      if (!timer("tmrPosun1")->isActive()) continue;
      ++scrolls;
      while (timer("tmrPosun1")->isActive()) tick("tmrPosun1");
      // The copies stand one below the other without a gap, from no lower
      // than the first line of the view down past the typing line.
      QList<QRect> copies;
      for (int n = 1; n <= 3; ++n) copies << copy(n)->geometry().translated(0, panel->y());
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
    startLesson({u"", u"as df ", u"jklů\r", u"fdsa "});
    QCOMPARE(std::tuple(fx->state.DobaTestu, fx->state.ZtrataUhozu, fx->state.LimitRychlostiTestu),
             std::tuple(30, 10, 120));
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(1)", "lblRadek(2)", "lblRadek(3)", "lblRadek(4)"}),
             (QStringList{"as df ", "", "jklů", "fdsa ", ""}));
    QVERIFY(lessonBox()->isVisible() && !box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), lessonBox());

    auto* shape = child<QFrame>(QStringLiteral("Shape1"));
    auto* list = child<QListWidget>(QStringLiteral("lstSeznamChyb"));
    const int shapeStart = shape->x();
    typeText(lessonBox(), QStringLiteral("axx"));  // right, wrong for "s", wrong blank
    pressKey(lessonBox(), Qt::Key_Return);         // inside a line: no error, no change
    typeText(lessonBox(), QStringLiteral("d "));   // a blank where "f" belongs
    QCOMPARE(text(QStringLiteral("lblRadek(1)")), QStringLiteral(" xx _"));
    QCOMPARE(shape->x(), shapeStart + 5 * 8);  // one 120-twip cell per keystroke
    QStringList errors;
    for (int i = 0; i < list->count(); ++i) errors << list->item(i)->text();
    QCOMPARE(errors, (QStringList{"x         2", "_         1"}));
    // Enter closes the line as its final blank.
    pressKey(lessonBox(), Qt::Key_Return);
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(1)"}), (QStringList{"jklů", ""}));
    QCOMPARE(shape->x(), shapeStart);
    QVERIFY(fx->state.NapsanyText == u"axxd_ \r\n");
    // A lesson keeps the keyboard.
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), lessonBox());

    window->Vymazat();
    QCOMPARE(list->count(), 0);
    QCOMPARE(running(), QStringList());
    QVERIFY(!miZnovu()->isEnabled());
  }

  void threeErrorsInARowBlockForASecond() {
    startLesson({u"", u"asdf "});
    typeText(lessonBox(), QStringLiteral("xxx"));
    fx->clock.advance(0.9);
    typeText(lessonBox(), QStringLiteral("d"));  // swallowed
    fx->clock.advance(0.2);
    typeText(lessonBox(), QStringLiteral("f"));
    QCOMPARE(text(QStringLiteral("lblRadek(1)")), QStringLiteral("xxx "));
  }
};

QTEST_MAIN(TestFrmZaklad)
#include "tst_frmzaklad.moc"
