// The main window driven as a user drives it, from the start of a run to its
// result: real key events into real widgets, a fake clock, direct calls of
// the timers' ticks, recorded message boxes.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <fstream>
#include <tuple>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmKlavesnice.h"
#include "ui/frmTestKlik.h"
#include "ui/frmVUzivNastaveni.h"
#include "ui/frmVyuka.h"
#include "ui/keyboardpicture.h"

using namespace tymba;
using namespace tymba::testing;

namespace {
const std::u16string kTarget = u"Na kraji lesa stála hájovna.";
const QString kShortText = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");
enum class Run { Exercise, Accuracy, Lesson };
enum class Paste { CtrlV, ShiftInsert, Drop };
int key(const QString& name) { return QKeySequence::fromString(name)[0].key(); }
}  // namespace

class TestFrmZaklad : public MainWindowTest {
  Q_OBJECT

  QAction* miZnovu() { return child<QAction>(QStringLiteral("miZnovu")); }
  QWidget* copy(int n) { return child<QWidget>(QStringLiteral("lblZadani(%1)").arg(n)); }
  QString resultValue(const char* name) {
    return result() ? text(QString::fromLatin1(name), result()) : QStringLiteral("no result");
  }
  // An exercise run on kTarget, 20 keystrokes lost per error.
  void startHajovna(int minutes = 1, const QString& name = QStringLiteral("Hájovna")) {
    fx->state.DobaTestu = minutes;
    fx->state.ZtrataUhozu = 20;
    startExercise(name, kTarget);
  }
  // Runs the clock timer every 50 ms of the fake clock for a while.
  void runClock(double seconds) {
    for (int step = qRound(seconds * 20); step > 0 && timer("tmrCas")->isActive(); --step) {
      fx->clock.advance(0.05);
      tick("tmrCas");
    }
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
    QCOMPARE(texts({"lblNazev", "lblDoba", "lblZtrata", "lblZahajeni"}),
             (QStringList{"Hájovna", "5 min", "20", "9:05:07   3.12.2026"}));
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QVERIFY(QApplication::focusWidget() == box() && !miZnovu()->isEnabled());

    fx->clock.set(QTime(10, 0, 0, 600));
    QInputMethodEvent preedit(QStringLiteral("ˇ"), {}), commit;
    commit.setCommitString(QStringLiteral("Č"));
    if (deadKey)
      for (QInputMethodEvent* event : {&preedit, &commit}) QApplication::sendEvent(box(), event);
    else
      typeText(box(), QStringLiteral("Č"));
    QCOMPARE(box()->toPlainText(), QStringLiteral("Č"));
    QCOMPARE(std::tuple(fx->state.TestBezi, fx->state.CasZahajeni, fx->state.CasTiku),
             std::tuple(true, 36001, 36000.6));
    QCOMPARE(running(), (QStringList{"tmrCas", "tmrVypnuti"}));
    QVERIFY(miZnovu()->isEnabled());
    fx->clock.advance(2.0);
    typeText(box(), QStringLiteral("ř"));  // only the first keystroke shows the start
    QCOMPARE(text(QStringLiteral("lblZahajeni")), QStringLiteral("10:00:00   3.12.2026"));
  }

  void accuracyTestRefusesEveryEditThatDeletes() {
    fx->state.BezMazani = true;
    startExercise(QStringLiteral("Krátký"), kShortText.toStdU16String());
    const QString typed = kShortText + QStringLiteral("\nĚŠČŘŽÝÁÍÉÚŮ");
    typeText(box(), kShortText);
    pressKey(box(), Qt::Key_Return, Qt::ShiftModifier);  // an ordinary line break as well
    typeText(box(), typed.mid(kShortText.size() + 1));
    QCOMPARE(box()->coreLength(), typed.size() + 1);  // the line break counts as CR LF
    // Each edit is refused; the text stays as typed.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Left),
          QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_Backspace),
          QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_A),
          QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_A)}) {
      pressKey(box(), keys[0].key(), keys[0].keyboardModifiers());
      QCOMPARE(box()->toPlainText(), typed);
    }
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
    QMimeData data;
    data.setText(QStringLiteral("vložený text "));
    QApplication::clipboard()->setText(data.text());
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
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &enter);
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target->viewport(), &drop);
    }
    QVERIFY(target->toPlainText().isEmpty() && !fx->state.TestBezi);
    QCOMPARE(miVyuka.count(), way == Paste::CtrlV ? 1 : 0);  // Ctrl+V is the menu's
  }

  void aTallTextIsShownThreeTimesWithoutGaps_data() {
    rowsFrom("tall_texts.txt", {"lines", "shown"});
  }

  void aTallTextIsShownThreeTimesWithoutGaps() {
    QFETCH(QString, lines);
    QFETCH(QString, shown);
    std::u16string text;
    for (int i = 0; i < lines.toInt(); ++i) text += u"Krátký řádek.\r\n";
    startExercise(QStringLiteral("Řádky"), text);
    QCOMPARE(std::tuple(copy(1)->y(), copy(1)->height()), std::tuple(16, lines.toInt() * 16));
    for (int n = 1; n <= 3; ++n) QCOMPARE(copy(n)->isVisible(), n <= shown.toInt());
    QCOMPARE(copy(2)->y(), copy(1)->y() + copy(1)->height());
    QCOMPARE(copy(3)->y(), copy(2)->y() + copy(2)->height());
  }

  // The bands, the target labels and the cursor mark.
  QList<QRect> sizedGeometry() {
    QList<QRect> all{child<QWidget>(QStringLiteral("Shape1"))->geometry()};
    for (const QFrame* band : window->findChildren<QFrame*>(QRegularExpression("^lblLinka")))
      all << band->geometry();
    for (int n = 1; n <= 3; ++n) all << copy(n)->geometry();
    return all;
  }
  QRect band(const char* name) { return child<QWidget>(QString::fromLatin1(name))->geometry(); }
  void keepPicture(const QString& name) {
#ifdef TYMBA_PICTURES_DIR
    QVERIFY(QDir().mkpath(TYMBA_PICTURES_DIR));
    QVERIFY(window->grab().save(QStringLiteral(TYMBA_PICTURES_DIR "/") + name));
#else
    Q_UNUSED(name);
#endif
  }

  void fontSizesMoveTheBandsAndStackTheCopies() {
    std::u16string text;
    for (int i = 0; i < 11; ++i) text += u"Krátký řádek.\r\n";
    startExercise(QStringLiteral("Řádky"), text);
    const QList<QRect> small = sizedGeometry();
    const QRect band10 = band("lblLinka(10)"), second = band("lblLinka1(4)");
    child<QAction>(QStringLiteral("miMale"))->trigger();  // the size in use
    QCOMPARE(sizedGeometry(), small);
    for (const int pismo : {3, 2, 3, 1}) {
      child<QAction>(QString::fromLatin1(pismo == 3   ? "miVelke"
                                         : pismo == 2 ? "miStredni"
                                                      : "miMale"))
          ->trigger();
      QCOMPARE(fx->settings.read("Moznosti", "Pismo", ""), std::to_string(pismo));
      const int line = 16 + pismo - 1;  // 240 + 15 x (Pismo - 1) twips
      QCOMPARE(std::tuple(copy(1)->y(), copy(1)->height()), std::tuple(line, 11 * line));
      QCOMPARE(copy(3)->y(), copy(2)->y() + copy(2)->height());
      QCOMPARE(copy(2)->y(), line + 11 * line);
      keepPicture(QStringLiteral("main-window-size-%1.png").arg(pismo));
      if (pismo != 3) continue;
      QCOMPARE(band("lblLinka(10)").y() - band10.y(), 36);           // 540 twips
      QCOMPARE(band("lblLinka1(4)").height() - second.height(), 2);  // 30 twips
    }
    QCOMPARE(sizedGeometry(), small);
    child<QAction>(QStringLiteral("miVelke"))->trigger();  // kept for the next start
    window = std::make_unique<frmZaklad>(fx->context);
    QVERIFY(child<QAction>(QStringLiteral("miVelke"))->isChecked());
    QCOMPARE(child<QLabel>(QStringLiteral("lblVelikostPisma"))->font().pointSize(), 12);
  }

  void theWindowKeepsItsMinimumAndWidensTheTargetLines() {
    window->resize(100, 100);
    QCOMPARE(window->size(), QSize(627, 433));  // 9400 x 6500 twips
    std::u16string text;
    for (int i = 0; i < 11; ++i) text += u"Krátký řádek.\r\n";
    startExercise(QStringLiteral("Řádky"), text);
    typeText(box(), QStringLiteral("K"));
    const int narrow = fx->state.ZnakuNaRadek;
    window->resize(1920, 1080);
    typeText(box(), QStringLiteral("r"));
    QCOMPARE(copy(1)->width(), 1920 - 16 - 166);  // W - 240 - 2490 twips
    QVERIFY(narrow > 40 && fx->state.ZnakuNaRadek > 3 * narrow);
    keepPicture(QStringLiteral("main-window-1920x1080.png"));
  }

  void exerciseRunEndedByKeyShowsItsValues_data() {
    rowsFrom("results.txt",
             {"endKey", "typed", "seconds", "values", "keyAfter", "later", "closes"});
  }

  void exerciseRunEndedByKeyShowsItsValues() {
    QFETCH(QString, endKey);
    QFETCH(QString, typed);
    QFETCH(QString, seconds);
    QFETCH(QString, values);
    QFETCH(QString, keyAfter);
    QFETCH(QString, later);
    QFETCH(QString, closes);
    startHajovna(5);
    pressKey(box(), key(endKey));  // nothing typed, nothing to evaluate
    QVERIFY(!result());
    fx->clock.set(QTime(23, 59, 59, 400).addSecs(-seconds.toInt()));
    typeText(box(), typed);
    fx->clock.advance(seconds.toDouble());
    // A key still pending when the run ends does not join the scored text.
    QCoreApplication::postEvent(
        box(), new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    pressKey(box(), key(endKey));
    QVERIFY(box()->toPlainText().endsWith(QStringLiteral("hájovna.")));
    QCOMPARE(fx->dialogs.opened.size(), 1);
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QStringList shown;
    for (const char* name : {"lblHrubeUhozy", "lblPocetChyb", "lblCisteUhozy", "lblProcentoChyb",
                             "lblDobaTestu", "lblCisteUhozyMin"})
      shown << resultValue(name);
    QCOMPARE(shown.join('/'), values);
    QCOMPARE(result()->windowTitle(), QStringLiteral("Vyhodnocení- Hájovna"));
    QVERIFY(child<QAction>(QStringLiteral("miUlozit"))->isEnabled());
    QCOMPARE(text(QStringLiteral("lblZahajeni")), QString());
    // Keys typed on into the result are swallowed until the keyboard rests for
    // a second, past midnight too.
    QApplication::setActiveWindow(result());
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(QStringLiteral("cmdOK"), result()));
    const QStringList keys = keyAfter.split(' '), moments = later.split(' ');
    for (qsizetype n = 0; n < keys.size(); ++n) {
      fx->clock.advance(moments[n].toDouble() - (n > 0 ? moments[n - 1].toDouble() : 0.0));
      pressKey(QApplication::focusWidget(), key(keys[n]));
    }
    QCOMPARE(!result(), closes == QStringLiteral("closes"));
  }

  void everyWayBackGivesAFreshRun_data() { rowsFrom("ways_back.txt", {"back"}); }

  void everyWayBackGivesAFreshRun() {
    QFETCH(QString, back);
    startHajovna(2);
    typeText(box(), QStringLiteral("Na kaji le"));  // the "r" left out
    QApplication::clipboard()->setText(QStringLiteral("opsaný text"));
    const auto clock = [this] {
      return texts({"lblMinuta(0)", "lblSekunda(0)", "lblMinuta(1)", "lblSekunda(1)"});
    };
    // Readings every 50 ms: the clock moves on at 1.05 s, 2.10 s, ...
    runClock(9.5);
    QCOMPARE(clock(), (QStringList{"00", "09", "00", "09"}));
    runClock(55.6);
    QCOMPARE(clock(), (QStringList{"01", "05", "01", "05"}));
    QVERIFY(QApplication::clipboard()->text().isEmpty());  // nothing to paste during a run
    QCOMPARE(fx->state.PocetVzorku, 12);                   // one every 5.05 s
    appendError(fx->state, 4, u"j");
    const QString name = back == "new start" ? QStringLiteral("Jiný") : QStringLiteral("Hájovna");
    if (back == "F2") {
      pressKey(box(), Qt::Key_F2);
    } else if (back == "new start") {
      startHajovna(1, name);
    } else {
      pressKey(box(), Qt::Key_F5);
      if (back == "OK")
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK"), result()), Qt::LeftButton);
      if (back == "close box") QVERIFY(result()->close());
      fx->clock.advance(1.0);  // keys work in the result from its second second on
      if (back == "Esc") QTest::keyClick(result(), Qt::Key_Escape);
    }
    QVERIFY(!result() && fx->messages.said.isEmpty() && box()->toPlainText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box());
    const SharedState& st = fx->state;
    QCOMPARE(
        std::tuple(st.TestBezi, st.TestUkoncen, st.PocetChyb, st.PoziceChyb.size(), st.PocetVzorku),
        std::tuple(false, false, 0, size_t(0), 0));
    QCOMPARE(running(), QStringList{"tmrCasik"});
    QVERIFY(!miZnovu()->isEnabled() && !copy(2)->isVisible());
    // A new start leaves the clock as it was.
    QCOMPARE(texts({"lblSekunda(0)", "lblNazev"}),
             (QStringList{back == "new start" ? "05" : "00", name}));
    fx->clock.set(QTime(10, 0, 33));
    typeText(box(), QStringLiteral("N"));  // the next keystroke starts a run of its own
    QCOMPARE(std::tuple(st.TestBezi, st.CasZahajeni), std::tuple(true, 36033));
  }

  void theRunEndsWhenTheTimeIsUp() {
    startHajovna(1);
    typeText(box(), QStringLiteral("Na kraji"));
    runClock(59.9);
    QVERIFY(!result());
    runClock(0.1);  // the first reading at a full minute ends the run
    QCOMPARE(resultValue("lblDobaTestu"), QStringLiteral("1 : 00"));
    QCOMPARE(child<QFrame>(QStringLiteral("lblZacatek"))->width(), 1);     // the bar is at rest
    QCOMPARE(fx->sounds.plays().filter("End"), QStringList{"start End"});  // warned once
  }

  void aPracticeRunStopsItsLimitsWhenTheTimeIsUp() {
    fx->state.DobaTestu = 1;
    window->startLessonRun(QStringLiteral("Text"), {u"", u"asdf "}, LessonKind::Practice);
    typeText(lessonBox(), QStringLiteral("as"));
    runClock(60.0);
    QVERIFY(result());
    QCOMPARE(running(), QStringList{"tmrCasik"});  // the indicators rest, as the result resets them
  }

  void lessonShowsItsLinesMarksAndErrors() {
    fx->state.nastaveni.LimitRychlost = 120;
    startLesson({u"", u"as df ", u"jklů\r", u"fdsa "});
    QCOMPARE(std::tuple(fx->state.DobaTestu, fx->state.ZtrataUhozu, fx->state.LimitRychlostiTestu),
             std::tuple(30, 10, 120));
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(1)", "lblRadek(2)", "lblRadek(3)", "lblRadek(4)"}),
             (QStringList{"as df ", "", "jklů", "fdsa ", ""}));
    QVERIFY(lessonBox()->isVisible() && !box()->isVisible());
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
    // Esc ends it even though the box is emptied after each keystroke; the
    // lesson starts again in its own box.
    pressKey(lessonBox(), Qt::Key_Escape);
    QCOMPARE(resultValue("lblPocetChyb"), QStringLiteral("3"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK"), result()), Qt::LeftButton);
    QCOMPARE(texts({"lblRadek(0)", "lblRadek(2)"}), (QStringList{"as df ", "jklů"}));
    QVERIFY(lessonBox()->isVisible() && !box()->isVisible());
    QVERIFY(list->count() == 0 && fx->state.NapsanyText.empty() && !miZnovu()->isEnabled());
    // The keyboard window still colours the keys of the run's wrong characters.
    window->openKeyboardWindow();
    auto* keys = fx->dialogs.last<frmKlavesnice>();
    QTest::mouseClick(child<QCheckBox>(QStringLiteral("chkChyby"), keys), Qt::LeftButton);
    auto* picture = child<KeyboardPicture>(QStringLiteral("imgKlavesnice"), keys);
    const QImage shown = picture->grab().toImage();
    const auto colourOf = [&](int key) {
      const QRect r = picture->keyRect(key);
      return shown.pixelColor(r.right() - r.width() / 4, r.bottom() - r.height() / 4);
    };
    QCOMPARE(colourOf(88), KeyboardPicture::mistakeColour(2));  // x
    QCOMPARE(colourOf(32), KeyboardPicture::mistakeColour(1));  // the blank
  }

  void theGuideLightsTheNextKeyAndTheKeysHeld() {
    startLesson({u"", u"řA "});
    auto* guide = child<KeyboardPicture>(QStringLiteral("imgKlavesnice"));
    QVERIFY(guide->isVisible() && guide->img2.isLit(53));
    QCOMPARE(text(QStringLiteral("lblPopis")), QStringLiteral("levým ukazováčkem"));
    typeText(lessonBox(), QStringLiteral("ř"));
    QVERIFY(!guide->img2.isLit(53) && guide->img2.isLit(65));
    QCOMPARE(text(QStringLiteral("lblPopis")), QStringLiteral("levým malíčkem"));
    QTest::keyPress(lessonBox(), Qt::Key_A, Qt::ShiftModifier);
    QVERIFY(guide->img1.isLit(160) && guide->img1.isLit(161) && guide->img1.isLit(65));
    QKeyEvent releaseA(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(lessonBox(), &releaseA);  // Shift still held
    QVERIFY(!guide->img1.isLit(65) && guide->img1.isLit(160));
    lessonBox()->clearFocus();  // Shift let go in another window
    QVERIFY(!guide->img1.isLit(160) && !guide->img1.isLit(161));
    fx->state.nastaveni.ZobrazKlavesnici = "0";
    window->startLessonRun(QStringLiteral("Text"), {u"", u"ab "}, LessonKind::Practice);
    QVERIFY(!guide->isVisible());
  }

  void aLessonChosenInTheMenuIsTypedToItsResult() {
    const auto shipped = fx->context.folders.shipped / "Vyuka",
               own = fx->context.folders.user / "vyuka";
    for (const auto& folder : {shipped, own}) std::filesystem::create_directories(folder);
    writeText(shipped / "02 Druhá.vyu", u"asdf jklů asdf jklů\r\nfjfj dkdk slsl\r\njf jf");
    writeText(own / "01 Moje.vyu", u"ff jj");
    child<QAction>(QStringLiteral("miVyuka"))->trigger();
    auto* list = child<QComboBox>(QStringLiteral("cmbVyuka"), fx->dialogs.last<frmVyuka>());
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    QCOMPARE(entries, (QStringList{"Úvod - než začnete psát!", "01 Moje", "02 Druhá"}));
    list->setCurrentIndex(2);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdVýuka"), list->parent()),
                      Qt::LeftButton);
    QVERIFY(!fx->dialogs.last<frmVyuka>() && fx->messages.said.isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - 02 Druhá"));
    fx->clock.set(QTime(10, 0, 0));
    const auto type = [this](const QString& keys) {
      for (const QChar key : keys) {
        typeText(lessonBox(), key);
        fx->clock.advance(0.25);
      }
    };
    type(QStringLiteral("asxyz"));  // three wrong keystrokes in a row: blocked for a second
    type(QStringLiteral("d"));
    QApplication::setActiveWindow(window.get());
    pressKey(lessonBox(), Qt::Key_V, Qt::ControlModifier);  // no lesson dialog while timed
    pressKey(lessonBox(), Qt::Key_P, Qt::ControlModifier);  // nor the practice settings
    QCOMPARE(text(QStringLiteral("lblRadek(1)")), QStringLiteral("  xyz"));
    QVERIFY(!fx->dialogs.last<frmVyuka>() && !fx->dialogs.last<frmVUzivNastaveni>());
    fx->clock.advance(1.0);
    type(QStringLiteral("jklů asdf jklů\nfjfj dkdk slsl\njf jf"));
    QStringList shown;
    for (const char* name : {"lblHrubeUhozy", "lblPocetChyb", "lblCisteUhozy", "lblProcentoChyb",
                             "lblDobaTestu", "lblCisteUhozyMin"})
      shown << resultValue(name);
    // 46 characters with the line ends, 3 errors of 10 keystrokes each, 11 seconds.
    QCOMPARE(shown.join('/'), QStringLiteral("59/3/16/6,5217/00 : 11/87"));
  }

  void lessonLimitsShowSpeedAndErrorsAgainstTheLimits_data() {
    QTest::addColumn<bool>("lesson");
    QTest::addColumn<int>("speedLimit");
    QTest::addColumn<int>("errorLimit");
    QTest::addColumn<QString>("shown");  // the values, then the bars' widths in pixels
    QTest::newRow("a lesson's, from the options")
        << true << 120 << 5 << "220 83 % 9,0909 81,818 % | 127 126";
    QTest::newRow("practice: the highest")
        << false << 999 << 99 << "220 -78 % 9,0909 -90,8173 % | 22 14";
    // Against a limit of 0 nothing can be measured: what follows stays at rest.
    QTest::newRow("practice: speed limit 0") << false << 0 << 5 << "0 0 % 0 0 % | 65 65";
    QTest::newRow("practice: error limit 0") << false << 120 << 0 << "220 0 % 0 0 % | 127 65";
    QTest::newRow("practice: below 0, empty bars")
        << false << -150 << -2 << "220 -247 % 9,0909 -554,545 % | 0 0";
  }

  void lessonLimitsShowSpeedAndErrorsAgainstTheLimits() {
    QFETCH(bool, lesson);
    QFETCH(int, speedLimit);
    QFETCH(int, errorLimit);
    QFETCH(QString, shown);
    // A lesson takes the options' limits, practice those its settings entered.
    SharedState& s = fx->state;
    (lesson ? s.nastaveni.LimitRychlost : s.LimitRychlostiTestu) = speedLimit;
    (lesson ? s.nastaveni.LimitChyba : s.LimitChybTestu) = errorLimit;
    window->startLessonRun(QStringLiteral("Text"), {u"", u"asdf jklů asdf "},
                           lesson ? LessonKind::Lesson : LessonKind::Practice);
    QVERIFY(child<QWidget>(QStringLiteral("frmLimity"))->isVisible());
    typeText(lessonBox(), QStringLiteral("asdf jklů x"));  // 11 keystrokes, one wrong
    fx->clock.advance(3.0);
    tick("tmrLimit");
    const auto bar = [this](const char* name) {
      return child<QFrame>(QString::fromLatin1(name))->width();
    };
    QCOMPARE(
        texts({"lblRychlost", "lblProcentoRychlosti", "lblChyby", "lblProcentoChyb"}).join(' ') +
            QStringLiteral(" | %1 %2").arg(bar("lblZRychlost")).arg(bar("lblCChyby")),
        shown);
    if (lesson) keepPicture(QStringLiteral("main-window-lesson.png"));
  }

  // --- Sound ---
  void soundFilesAreCheckedAndLoadedAtStartUp_data() {
    rowsFrom("sounds.txt", {"change", "heard", "said"});
  }
  void soundFilesAreCheckedAndLoadedAtStartUp() {
    QFETCH(QString, change);
    QFETCH(QString, heard);
    QFETCH(QString, said);
    closeWindow();
    fx = std::make_unique<WindowFixture>();
    for (const QString& step : change.split(QStringLiteral(", "))) {
      const auto file = fx->folder("shipped") / step.section(' ', 1).toStdString();
      if (step == "no device") fx->sounds.device = false;
      if (step == "later") fx->settings.writeAll("Moznosti", {{"Stav", "1"}, {"Klik", "2"}});
      if (step.startsWith("remove")) std::filesystem::remove(file);
      if (step.startsWith("damage"))  // a wave header over noise
        std::ofstream(file, std::ios::binary)
            << std::string("RIFF\x24\1\0\0WAVEfmt \x9f\xe1\x7a", 19);
    }
    openWindow();
    QCOMPARE(fx->sounds.heard.join(", "), heard);
    QCOMPARE(fx->messages.said.join('\n').replace(
                 " neexistuje nebo je poškozen. Zvuk nebude z inicializován. Pokud se tento "
                 "problém bude stále objevovat, přeinstalujte program popřípadě kontaktujte "
                 "dodavatele",
                 "+E"),
             said == "-" ? QString() : said);
  }

  void soundsFollowTheirSwitches_data() {
    QTest::addColumn<QString>("switchB");
    QTest::addColumn<QString>("plays");
    // Three wrong keystrokes in a row ask for the error sound.
    QTest::newRow("a click each change, an error sound") << "1"
                                                         << "C C C C Error";
    QTest::newRow("error sound off") << " 0"
                                     << "C C C C";
    QTest::newRow("no sound, no click") << "-"
                                        << "";
  }
  void soundsFollowTheirSwitches() {
    QFETCH(QString, switchB);
    QFETCH(QString, plays);
    fx->state.nastaveni.ZvukChybaB = switchB.toStdString();
    fx->state.ZvukPripraven = switchB != "-";
    startLesson({u"", u"as df "});
    typeText(lessonBox(), QStringLiteral("axxx"));
    QCOMPARE(fx->sounds.plays().join(' ').remove("play ").replace("Click", "C"), plays);
  }

  void theClickTestPlaysTheChosenClick_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("device");
    QTest::addColumn<QString>("heard");
    QTest::newRow("beep") << 1 << true << "load Click prc.wav, play Click, play Click";
    QTest::newRow("no sound is silent") << 3 << true << "load Click nic.wav";
    QTest::newRow("no device") << 0 << false << "";
  }
  void theClickTestPlaysTheChosenClick() {
    QFETCH(int, entry);
    QFETCH(bool, device);
    QFETCH(QString, heard);
    // A missing sound file at the start leaves the test working on an open device.
    fx->state.ZvukPripraven = false;
    fx->state.ZvukInicializovan = device;
    fx->sounds.heard.clear();
    auto* test = new frmTestKlik(fx->context, entry, window.get());
    typeText(child<TypingBox>(QStringLiteral("txtTest"), test), QStringLiteral("ab"));
    QCOMPARE(fx->sounds.heard.join(", "), heard);
    test->close();
  }
};

QTEST_MAIN(TestFrmZaklad)
#include "tst_frmzaklad.moc"
