// The program's start and the windows the main window's menus open, opened
// and answered as a user does: the lists of texts and of files, the test
// settings, the menus' own rules.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <fstream>
#include <tuple>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmKlavesnice.h"
#include "ui/frmSlozka.h"
#include "ui/frmTest.h"
#include "ui/frmUkaz.h"
#include "ui/frmUzivNastaveni.h"
#include "ui/frmVUzivNastaveni.h"
#include "ui/frmVyuka.h"
#include "ui/frmVyukaSeznam.h"
#include "ui/frmVyukaUvod.h"
#include "ui/keyboardpicture.h"
#include "ui/startup.h"
#include "ui/targettextlabel.h"

using namespace tymba;
using namespace tymba::testing;

class TestDialogs : public MainWindowTest {
  Q_OBJECT

  template <typename Dialog>
  Dialog* open(const QString& menuItem) {
    child<QAction>(menuItem)->trigger();
    return fx->dialogs.last<Dialog>();
  }
  void click(const char* button, QWidget* dialog) {
    QTest::mouseClick(child<QPushButton>(QString::fromLatin1(button), dialog), Qt::LeftButton);
  }
  std::filesystem::path exerciseFolder() { return fx->context.folders.shipped / "cviceni"; }
  // The settings typed in ("minutes;loss" and the limits of practice), then OK.
  void fill(QWidget* dialog, const QString& typed) {
    const QStringList values = typed.split(QLatin1Char(';'));
    const char* boxes[] = {"txtDoba", "txtChyba", "txtLRychlost", "txtLChyba"};
    for (int i = 0; i < values.size() && typed != "-"; ++i)
      child<QLineEdit>(QString::fromLatin1(boxes[i]), dialog)->setText(values[i]);
    click("cmdOK", dialog);
  }

 private slots:
  void aMissingFontEndsTheProgramWithAMessage() {
    closeWindow();
    fx = std::make_unique<WindowFixture>();
    StartUp start(fx->context, [](const QString& family) { return family != "Courier New CE"; });
    QVERIFY(!start.begin() && !start.mainWindow());
    QCOMPARE(fx->messages.said, QStringList{"Přerušení, Critical: Typ písma 'Courier New CE' "
                                            "nebyl nalezen, proto nemohu pokračovat."});
    for (const QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  void coloursInEitherFormShowAlike() {
    window.reset();  // and opened again on these options
    std::filesystem::create_directories(fx->settings.file().parent_path());
    std::ofstream(fx->settings.file()) << "[Moznosti]\nStav=OK\nPozadi=1\nBarva=-2147483633\n"
                                          "Barva2=&HFF\nBarvaPisma=16711680\n";
    openWindow();
    // A system colour, and 0x0000FF and 0xFF0000 as blue, green, red from the top.
    const auto shown = [this](const char* band) {
      return child<QWidget>(QString::fromLatin1(band))->grab().toImage().pixelColor(4, 4);
    };
    QCOMPARE(shown("lblLinka(3)"), QApplication::palette().color(QPalette::Button));
    QCOMPARE(shown("lblLinka1(3)"), QColor(255, 0, 0));
    QCOMPARE(child<QWidget>(QStringLiteral("lblZadani(1)"))->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
  }

  void theSettingsCheckWhatIsTyped_data() {
    rowsFrom("settings.txt", {"item", "typed", "outcome"});
  }

  void theSettingsCheckWhatIsTyped() {
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QString, outcome);
    std::filesystem::create_directories(exerciseFolder());
    auto* dialog = open<QDialog>(item);
    QApplication::setActiveWindow(dialog);
    fill(dialog, typed);
    const SharedState& s = fx->state;
    const bool practice = item == "miProcvicovani";
    const bool taken = fx->messages.said.isEmpty();
    QString values = QStringLiteral("%1 %2").arg(s.DobaTestu).arg(s.ZtrataUhozu);
    if (practice)
      values += QStringLiteral(" %1 %2").arg(s.LimitRychlostiTestu).arg(s.LimitChybTestu);
    QCOMPARE(
        taken ? values : dialog->focusWidget()->objectName() + ": " + fx->messages.said.join('\n'),
        outcome);
    // Taken, the list of texts follows; refused, nothing has changed.
    const bool list =
        practice ? bool(fx->dialogs.last<frmVyukaSeznam>()) : bool(fx->dialogs.last<frmTest>());
    QCOMPARE(std::tuple(dialog->isVisible(), list), std::tuple(!taken, taken));
    if (taken) return;
    QCOMPARE(std::tuple(s.DobaTestu, s.LimitRychlostiTestu), std::tuple(1, 0));
    const auto* refused = qobject_cast<QLineEdit*>(dialog->focusWidget());
    QCOMPARE(refused->selectedText(), refused->text());  // empty when it was empty
  }

  void everyWayOfCancellingRestoresWhatTheMenuChanged_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("way");
    for (const char* opener : {"miUzivTest", "miTestSoubor"})
      for (const char* way : {"Storno", "Esc", "close box"})
        QTest::addRow("%s, %s", opener, way) << opener << way;
    for (const char* way : {"OK on a text too large", "OK on an empty text", "no file chosen"})
      QTest::addRow("miTestSoubor, %s", way) << "miTestSoubor" << way;
    for (const char* opener : {"miUzivTest", "mi5Test"})
      QTest::addRow("%s, no exercise folder", opener) << opener << "no exercise folder";
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
      return std::tuple(s.ZdrojTestu, s.VybranyText, s.NazevTestu, s.TextZeSouboru, s.BezMazani,
                        s.DruhTestu, s.DobaTestu, s.ZtrataUhozu);
    };
    const auto before = source();
    if (way != "no exercise folder") std::filesystem::create_directories(exerciseFolder());
    const auto file = fx->context.folders.shipped / "text.txt";
    std::ofstream(file) << std::string(way.endsWith("empty text") ? 0 : kMaxTextFileBytes + 1, 'a');
    if (way != "no file chosen") fx->files.answers.enqueue(QString::fromStdString(file.string()));
    auto* dialog = open<frmUzivNastaveni>(opener);
    const bool opens = !way.startsWith("no ");  // no file chosen, no exercise folder
    QCOMPARE(std::tuple(dialog != nullptr, source() != before), std::tuple(opens, opens));
    if (way == "Storno")
      click("cmdStorno", dialog);
    else if (way == "Esc")
      QTest::keyClick(child<QLineEdit>(QStringLiteral("txtDoba"), dialog), Qt::Key_Escape);
    else if (way.startsWith("OK"))
      fill(dialog, "3;10");
    else if (dialog)
      dialog->close();
    QVERIFY(!fx->dialogs.last<QDialog>() && source() == before);
    const QString told = way.endsWith("folder") ? "Přerušení, Critical: Složka s písemnostmi"
                         : way.startsWith("OK") ? way.endsWith("large") ? "příliš velká" : "prázdná"
                                                : "";
    QCOMPARE(fx->messages.said.size(), int(!told.isEmpty()));
    QVERIFY(fx->messages.said.join(QString()).contains(told));
  }

  void aTextFileStartsAtOnceWithoutTheRules() {
    const auto file = fx->context.folders.shipped / "Moje texty" / "Vlastní Text.TXT";
    std::filesystem::create_directories(file.parent_path());
    writeText(file, u"Můj text.");
    const QString path = QString::fromStdString(file.string());
    fx->files.answers.enqueue(path);
    auto* dialog = open<frmUzivNastaveni>(QStringLiteral("miTestSoubor"));
    QVERIFY(dialog && fx->files.asked[0].folder.endsWith(QStringLiteral("/cviceni")));
    fill(dialog, "3;10");
    QVERIFY(fx->messages.said.isEmpty() && !fx->dialogs.last<frmTest>());
    QVERIFY(alignmentCopy().starts_with(u"Můj text.\r\n"));
    QCOMPARE(std::tuple(fx->state.TextZeSouboru, fx->state.ZtrataUhozu), std::tuple(true, 10));
    // F2 starts it again under the same name and title.
    QApplication::setActiveWindow(window.get());
    typeText(box(), QStringLiteral("M"));
    pressKey(box(), Qt::Key_F2);
    QVERIFY(box()->toPlainText().isEmpty());
    QCOMPARE(texts({"lblNazev", "lblDoba"}), (QStringList{"Vlastní Text", "3 min"}));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - ") + path);
  }

  void theListShowsTheTextsInCzechOrderToPreviewAndStart() {
    fx->state.nastaveni.Chyba = 15;
    for (const char* name : {"abc", "Dub", "Čaj", "Cesta", "chata"})
      addExerciseText(QString::fromUtf8(name), u"Text.\r\nDruhý.");
    writeText(exerciseFolder() / "poznámka.doc", u"není text");
    // The user's own texts join the shipped ones; the user's copy of a name wins.
    const auto own = fx->context.folders.user / "Cviceni";
    std::filesystem::create_directories(own);
    writeText(own / "Bříza.txt", u"x");
    writeText(own / "dub.TXT", u"Můj dub.");
    auto* list = open<frmTest>(QStringLiteral("mi5Test"));
    auto* view = child<QListWidget>(QStringLiteral("lstSeznam"), list);
    QStringList names;
    for (int i = 0; i < view->count(); ++i) names << view->item(i)->text();
    QCOMPARE(names, (QStringList{"abc", "Bříza", "Cesta", "Čaj", "dub", "chata"}));
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdUkaz"), list)->isEnabled());
    click("cmdOK", list);
    QCOMPARE(fx->messages.said, QStringList{"Chyba, Exclamation: Vyberte písemnost"});
    // Chosen with the keyboard (the first Down chooses the first entry), the text can be previewed.
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(view, &tabbedIn);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentItem()->text(), QStringLiteral("abc"));
    QTest::keyClick(view, Qt::Key_D);
    click("cmdUkaz", list);
    auto* preview = fx->dialogs.last<frmUkaz>();
    QVERIFY(preview && text(QStringLiteral("lblNazev"), preview) == QStringLiteral("dub"));
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtUkaz"), preview)->toPlainText(),
             QStringLiteral("Můj dub."));
    preview->close();
    // A double click starts the test with the loss per error of the options.
    const QPoint onText = view->visualItemRect(view->item(0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onText);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onText);
    QVERIFY(!fx->dialogs.last<frmTest>());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - abc"));
    QCOMPARE(std::tuple(fx->state.DobaTestu, fx->state.ZtrataUhozu, fx->state.BezMazani),
             std::tuple(5, 15, false));
    QVERIFY(fx->messages.said.last().contains("po dobu 5 munut"));
  }

  void thePracticeListPreviewsAndStartsWithTheSettingsEntered() {
    const auto shipped = fx->context.folders.shipped / "Procvicovani";
    std::filesystem::create_directories(shipped);
    for (const char* name : {"Řeka.vyu", "abc.vyu", "Cesta.vyu", "Cesta.txt"})
      writeText(shipped / name, u"x");
    const auto own = fx->context.folders.user / "procvicovani";  // found whatever its case
    std::filesystem::create_directories(own);
    writeText(own / "Dub.vyu", u"Dub roste.\r\nA sílí.\r\n");
    fill(open<frmVUzivNastaveni>(QStringLiteral("miProcvicovani")), "3;15;120;4");
    click("cmdStorno", fx->dialogs.last<frmVyukaSeznam>());  // nothing left to type
    QVERIFY(!box()->isEnabled() && !fx->dialogs.last<QDialog>());
    fill(open<frmVUzivNastaveni>(QStringLiteral("miProcvicovani")), "3;15;120;4");
    auto* list = fx->dialogs.last<frmVyukaSeznam>();
    auto* view = child<QListWidget>(QStringLiteral("lstSeznam"), list);
    QStringList names;
    for (int i = 0; i < view->count(); ++i) names << view->item(i)->text();
    QCOMPARE(names, (QStringList{"abc", "Cesta", "Dub", "Řeka"}));
    click("cmdOK", list);
    QCOMPARE(fx->messages.said, QStringList{"Přerušení, Information: Nemáte vybrán žádný test."});
    // A text gone since it was listed is named, and the list stays for another.
    std::filesystem::remove(shipped / "abc.vyu");
    view->setCurrentRow(0);
    click("cmdOK", list);
    QVERIFY(fx->messages.said.last().contains("'abc' nebyla nalezena") && list->isVisible());
    const QPoint onDub = view->visualItemRect(view->item(2)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onDub);
    click("cmdUkaz", list);
    auto* preview = fx->dialogs.last<frmUkaz>();
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtUkaz"), preview)->toPlainText(),
             QStringLiteral("Dub roste.\nA sílí.\n"));
    click("cmdZavrit", preview);
    QVERIFY(!fx->state.UkazProcvicovani);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onDub);
    QVERIFY(!fx->dialogs.last<QDialog>());
    QCOMPARE(texts({"lblNazev", "lblDoba", "lblZtrata", "lblRadek(0)", "lblRadek(2)"}),
             (QStringList{"Dub", "3 min", "15", "Dub roste.", "A sílí."}));
    QCOMPARE(std::tuple(fx->state.LimitRychlostiTestu, fx->state.LimitChybTestu),
             std::tuple(120, 4));
  }

  void theFolderBrowserListsFiltersAndKeepsAFolderItCannotOpen() {
    const auto folder = fx->context.folders.shipped / "Cviceni";  // found whatever its case
    std::filesystem::create_directories(folder / "zmizelá");
    for (const char* name : {"Čaj.txt", "abc.TXT", "lekce.vyu", ".skrytý.txt"})
      writeText(folder / name, u"x");
    auto* browser = open<frmSlozka>(QStringLiteral("miSlozka"));
    const auto files = [browser] {
      auto* list = browser->findChild<QListWidget*>(QStringLiteral("File1"));
      QStringList names;
      for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
      return names.join('/');
    };
    QCOMPARE(text(QStringLiteral("lblCesta"), browser), QString::fromStdString(folder.string()));
    QCOMPARE(files(), QStringLiteral("abc.TXT/Čaj.txt/lekce.vyu"));
    auto* pattern = child<QLineEdit>(QStringLiteral("txtPrikaz"), browser);
    pattern->setText(QStringLiteral("č*; *.VYU"));
    QTest::keyClick(pattern, Qt::Key_Return);
    QVERIFY(files() == QStringLiteral("Čaj.txt/lekce.vyu") && browser->isVisible());
    // A folder that vanishes while the tree shows it: said, and the last one stays.
    auto* tree = child<QTreeView>(QStringLiteral("Dir1"), browser);
    const auto* model = qobject_cast<const QFileSystemModel*>(tree->model());
    const QModelIndex gone = model->index(QString::fromStdString((folder / "zmizelá").string()));
    std::filesystem::remove(folder / "zmizelá");
    tree->setCurrentIndex(gone);
    QVERIFY(fx->messages.said.value(0).startsWith(QStringLiteral("Přerušení, Critical: Složku")));
    QCOMPARE(text(QStringLiteral("lblCesta"), browser), QString::fromStdString(folder.string()));
  }

  void theLessonDialogShowsTheIntroductionOrStartsALesson_data() {
    rowsFrom("lesson_dialog.txt", {"steps", "said", "open"});
  }

  void theLessonDialogShowsTheIntroductionOrStartsALesson() {
    QFETCH(QString, steps);
    QFETCH(QString, said);
    QFETCH(QString, open);
    const auto folder = fx->context.folders.shipped / "Vyuka";
    if (!steps.contains("no Vyuka")) std::filesystem::create_directories(folder);
    if (!steps.contains("no ")) writeText(folder / "Úvod.txt", u"Úvod\r\n\r\nJak sedět");
    for (const char* lesson : {"01 Krátká.vyu", "02 Prázdná.vyu"}) std::ofstream(folder / lesson);
    child<QAction>(QStringLiteral("miVyuka"))->trigger();
    for (const QString& step : steps.split(QStringLiteral(", "))) {
      QDialog* top = fx->dialogs.last<QDialog>();
      if (!top || step.startsWith("no ")) continue;
      if (step.startsWith("cmd")) {
        QTest::mouseClick(child<QPushButton>(step, top), Qt::LeftButton);
      } else if (step == "Esc") {
        QTest::keyClick(top, Qt::Key_Escape);
      } else if (step == "close box") {
        top->close();
      } else {
        auto* list = child<QComboBox>(QStringLiteral("cmbVyuka"), top);
        list->setCurrentIndex(list->findText(step, Qt::MatchStartsWith));
      }
    }
    if (auto* introduction = fx->dialogs.last<frmVyukaUvod>())
      QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtUvod"), introduction)->toPlainText(),
               QStringLiteral("Úvod\n\nJak sedět"));
    QStringList left;
    for (QDialog* dialog : fx->dialogs.opened)
      if (dialog && dialog->isVisible()) left << dialog->objectName();
    QCOMPARE(left.isEmpty() ? QStringLiteral("none") : left.join(' '), open);
    QCOMPARE(fx->messages.said.join('\n').replace(fx->programDir.path(), "…"),
             said == "none" ? QString() : said);
    QVERIFY(fx->state.NazevTestu.empty());  // no lesson has started
  }

  void theKeyboardWindowLightsTheKeysAndNamesTheFinger() {
    auto* keys = open<frmKlavesnice>(QStringLiteral("miKlavesnice"));
    auto* picture = child<QWidget>(QStringLiteral("Picture1"), keys);
    const auto& lit = child<KeyboardPicture>(QStringLiteral("imgKlavesnice"), keys)->img1;
    const auto said = [&] { return text(QStringLiteral("lblPopis"), keys); };
    QVERIFY(!child<QCheckBox>(QStringLiteral("chkChyby"), keys)->isEnabled());  // no run yet
    QTest::keyPress(picture, Qt::Key_A, Qt::ShiftModifier);
    QVERIFY(lit.isLit(160) && lit.isLit(161) && lit.isLit(65));
    QCOMPARE(said(), QStringLiteral("Tato klávesa se stiská levým malíčkem"));
    QKeyEvent releaseA(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(picture, &releaseA);  // Shift still held
    QVERIFY(!lit.isLit(65) && lit.isLit(160) && said().isEmpty());
    QTest::keyRelease(picture, Qt::Key_Shift);
    QVERIFY(!lit.isLit(160) && !lit.isLit(161));
    QTest::keyClick(picture, Qt::Key_Space);  // the box is not ticked by it
    QTest::keyPress(picture, Qt::Key_Space);
    QVERIFY(said().startsWith(QStringLiteral("Tuto klávesu stisknete levým nebo pravým palcem (")));
    QTest::keyPress(picture, Qt::Key_F1);
    QVERIFY(said().isEmpty());
    QTest::keyClick(picture, Qt::Key_Escape);
    QVERIFY(!keys->isVisible());
  }

  void menusOfferWhatTheStateAllows_data() {
    rowsFrom("menus.txt", {"identity", "typed", "offered", "refused"});
  }

  void menusOfferWhatTheStateAllows() {
    QFETCH(QString, identity);
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    QFETCH(QString, refused);
    fx->state.AktualniUzivatel = identity.toStdU16String();
    if (!typed.isEmpty()) {
      startExercise(QStringLiteral("Jaro"), u"Jaro je tady.");
      typeText(box(), typed);
    }
    for (QAction* menu : window->menuBar()->actions()) emit menu->menu()->aboutToShow();
    QStringList wrong;
    for (const QString& name : (offered + " " + refused).split(QLatin1Char(' ')))
      if (child<QAction>(name)->isEnabled() != offered.split(QLatin1Char(' ')).contains(name))
        wrong << name;
    QCOMPARE(wrong, QStringList());
  }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
