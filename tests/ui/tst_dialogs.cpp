// The dialogs the main window's menus open, opened and answered as a user
// does: the lists of texts and of files, the test settings, and the menus'
// own rules.

#include <QAction>
#include <QFileSystemModel>
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
#include "ui/frmAplikace.h"
#include "ui/frmSlozka.h"
#include "ui/frmTest.h"
#include "ui/frmUkaz.h"
#include "ui/frmUzivNastaveni.h"

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
  QStringList items(const char* list, QWidget* dialog) {
    auto* view = child<QListWidget>(QString::fromLatin1(list), dialog);
    QStringList names;
    for (int i = 0; i < view->count(); ++i) names << view->item(i)->text();
    return names;
  }
  std::filesystem::path exerciseFolder() { return fx->context.programFolder / "cviceni"; }

  // The test settings: minutes and loss per error typed in, then OK.
  void fill(QWidget* dialog, const QString& minutes, const QString& loss) {
    child<QLineEdit>(QStringLiteral("txtDoba"), dialog)->setText(minutes);
    child<QLineEdit>(QStringLiteral("txtChyba"), dialog)->setText(loss);
    click("cmdOK", dialog);
  }

  // The folder browser, on a folder "Cviceni" whose case differs from the
  // one the program asks for.
  frmSlozka* openBrowser() {
    const auto folder = fx->context.programFolder / "Cviceni";
    std::filesystem::create_directories(folder);
    for (const char* name :
         {"Čaj.txt", "abc.TXT", "lekce.vyu", "ČTIMNE", ".skrytý.txt", "Dub.txt", "chata.txt"})
      writeText(folder / name, u"x");
    return open<frmSlozka>(QStringLiteral("miSlozka"));
  }
  QTreeView* tree(frmSlozka* browser) { return child<QTreeView>(QStringLiteral("Dir1"), browser); }
  QModelIndex folderIndex(frmSlozka* browser, const std::filesystem::path& folder) {
    auto* model = qobject_cast<QFileSystemModel*>(tree(browser)->model());
    return model ? model->index(QString::fromStdString(folder.string())) : QModelIndex();
  }
  void enterPattern(frmSlozka* browser, const QString& pattern) {
    auto* box = child<QLineEdit>(QStringLiteral("txtPrikaz"), browser);
    box->setText(pattern);
    QTest::keyClick(box, Qt::Key_Return);
  }

 private slots:
  void theSettingsCheckWhatIsTyped_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("loss");
    QTest::addColumn<QString>("outcome");  // "minutes loss" taken, or the focused field | message
    const QString refused = QStringLiteral("| Přerušení, Exclamation: ");
    const QString doba =
        "txtDoba " + refused + "Můžete zadávat pouze hodnoty pro pole 'doba' pouze od 1 do 60";
    const QString chyba =
        "txtChyba " + refused + "Můžete zadávat pouze hotnoty pro pole 'chyba' pouze od 1 do 500";
    const QString numbers = refused +
                            "Všechna políčka mohou mít pouze číselnou hodnotu\r\n"
                            "Políčko 'Doba testu' nesmí přesáhnout hodnotu 60 minut\r\n"
                            "Ztráta úhozů nesmí přesáhnout 500 úhozů";
    const QString empty = refused + "Všechna políčka musí být vyplněna";
    const std::tuple<const char*, QString, QString, QString> rows[] = {
        {"the longest and the dearest", "60", "500", "60 500"},
        {"a decimal comma rounds half to even", "7,5", "20", "8 20"},
        {"0,6 rounds up to the shortest", "0,6", "0,6", "1 1"},
        {"61 minutes", "61", "20", doba},
        {"0,5 minutes round to 0", "0,5", "20", doba},
        {"a loss of 0,5 rounds to 0", "10", "0,5", chyba},
        {"a loss of 501", "10", "501", chyba},
        {"nan is no number", "nan", "20", "txtDoba " + numbers},
        {"letters for the loss", "10", "ab", "txtChyba " + numbers},
        {"both empty", "", "", "txtChyba " + empty},
        {"minutes empty", "", "20", "txtDoba " + empty},
    };
    for (const auto& [row, minutes, loss, outcome] : rows)
      QTest::newRow(row) << minutes << loss << outcome;
  }

  void theSettingsCheckWhatIsTyped() {
    QFETCH(QString, minutes);
    QFETCH(QString, loss);
    QFETCH(QString, outcome);
    std::filesystem::create_directories(exerciseFolder());
    auto* dialog = open<frmUzivNastaveni>(QStringLiteral("miUzivTest"));
    QApplication::setActiveWindow(dialog);
    fill(dialog, minutes, loss);
    const bool taken = fx->messages.said.isEmpty();
    QCOMPARE(taken ? QStringLiteral("%1 %2").arg(fx->state.DobaTestu).arg(fx->state.ZtrataUhozu)
                   : dialog->focusWidget()->objectName() + " | " + fx->messages.said.join('\n'),
             outcome);
    // Taken, the list of texts follows; refused, nothing has changed.
    QCOMPARE(std::tuple(dialog->isVisible(), bool(fx->dialogs.last<frmTest>())),
             std::tuple(!taken, taken));
    if (!taken) QCOMPARE(fx->state.DobaTestu, 1);
  }

  void everyWayOfCancellingRestoresWhatTheMenuChanged_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("way");
    for (const char* opener : {"miUzivTest", "miTestSoubor"})
      for (const char* way : {"Storno", "Esc", "close box"})
        QTest::addRow("%s, %s", opener, way) << opener << way;
    for (const char* way : {"OK on a text too large", "no file chosen"})
      QTest::addRow("miTestSoubor, %s", way) << "miTestSoubor" << way;
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
    std::filesystem::create_directories(exerciseFolder());
    const auto file = fx->context.programFolder / "velký.txt";
    std::ofstream(file) << std::string(kMaxTextFileBytes + 1, 'a');
    if (way != "no file chosen") fx->files.answers.enqueue(QString::fromStdString(file.string()));
    auto* dialog = open<frmUzivNastaveni>(opener);
    QCOMPARE(source() != before, dialog != nullptr);
    if (way == "Storno")
      click("cmdStorno", dialog);
    else if (way == "Esc")
      QTest::keyClick(child<QLineEdit>(QStringLiteral("txtDoba"), dialog), Qt::Key_Escape);
    else if (way.startsWith("OK"))
      fill(dialog, "3", "10");
    else if (dialog)
      dialog->close();
    QVERIFY(!fx->dialogs.last<frmUzivNastaveni>());
    QVERIFY(source() == before);
    QCOMPARE(fx->messages.said.size(), int(way.startsWith("OK")));
    if (way.startsWith("OK")) QVERIFY(fx->messages.said[0].contains("příliš velká"));
  }

  void aTextFileStartsAtOnceWithoutTheRules() {
    const auto file = fx->context.programFolder / "Moje texty" / "Vlastní Text.TXT";
    std::filesystem::create_directories(file.parent_path());
    // Written by another editor: UTF-8 with LF line ends.
    std::ofstream(file, std::ios::binary) << "M\xC5\xAFj text.\nDruh\xC3\xBD \xC5\x99\xC3\xA1"
                                             "dek.";
    const QString path = QString::fromStdString(file.string());
    fx->files.answers.enqueue(path);
    auto* dialog = open<frmUzivNastaveni>(QStringLiteral("miTestSoubor"));
    QVERIFY(dialog && fx->files.asked.size() == 1);
    QVERIFY(fx->files.asked[0].folder.endsWith(QStringLiteral("/cviceni")));
    QVERIFY(fx->files.asked[0].filter.startsWith(QStringLiteral("Textové soubory (*.txt)")));
    fill(dialog, "3", "10");
    QVERIFY(fx->messages.said.isEmpty() && !fx->dialogs.last<frmTest>());
    QVERIFY(alignmentCopy().starts_with(u"Můj text.\r\nDruhý řádek."));
    QCOMPARE(std::tuple(fx->state.TextZeSouboru, fx->state.ZtrataUhozu), std::tuple(true, 10));
    QCOMPARE(window->focusWidget(), box());
    QApplication::setActiveWindow(window.get());
    // F2 starts it again under the same name and title.
    typeText(box(), QStringLiteral("M"));
    pressKey(box(), Qt::Key_F2);
    QVERIFY(box()->toPlainText().isEmpty());
    QCOMPARE(texts({"lblNazev", "lblDoba"}), (QStringList{"Vlastní Text", "3 min"}));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - ") + path);
  }

  void theListShowsTheTextsInCzechOrderAndWantsAChoice() {
    for (const char* name : {"abc", "Dub", "Čaj", "Cesta", "chata"})
      addExerciseText(QString::fromUtf8(name), u"Text.");
    writeText(exerciseFolder() / "poznámka.doc", u"není text");
    auto* list = open<frmTest>(QStringLiteral("mi1Test"));
    QCOMPARE(items("lstSeznam", list), (QStringList{"abc", "Cesta", "Čaj", "Dub", "chata"}));
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdUkaz"), list)->isEnabled());
    click("cmdOK", list);
    QCOMPARE(fx->messages.said, QStringList{"Chyba, Exclamation: Vyberte písemnost"});
    QVERIFY(list->isVisible());
    click("Command2", list);  // cancelled: nothing to type
    QVERIFY(!fx->dialogs.last<frmTest>() && !box()->isEnabled());
  }

  void withoutTheExerciseFolderNothingOpens_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("a 5-minute test") << "mi5Test";
    QTest::newRow("a test of one's own") << "miUzivTest";
  }

  void withoutTheExerciseFolderNothingOpens() {
    QFETCH(QString, menuItem);
    QVERIFY(!open<QDialog>(menuItem));
    QCOMPARE(fx->state.DobaTestu, 1);
    QCOMPARE(fx->messages.said.size(), 1);
    QVERIFY(fx->messages.said[0].startsWith("Přerušení, Critical: "));
    QVERIFY(fx->messages.said[0].contains(QString::fromStdString(exerciseFolder().string())));
  }

  void aChosenTextStartsTheTestOfTheMenuItem_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<bool>("doubleClick");  // else a click and OK
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("rules");  // a part of the rules shown
    QTest::newRow("a double click, minute test") << "mi1Test" << true << 1 << "po dobu 1 munut";
    QTest::newRow("OK, accuracy test") << "miTestPresnosti" << false << 5 << "nemáte možnost";
  }

  void aChosenTextStartsTheTestOfTheMenuItem() {
    QFETCH(QString, menuItem);
    QFETCH(bool, doubleClick);
    QFETCH(int, minutes);
    QFETCH(QString, rules);
    fx->state.nastaveni.Chyba = 15;
    addExerciseText(QStringLiteral("Jaro"), u"Jaro je tady.");
    auto* list = open<frmTest>(menuItem);
    auto* view = child<QListWidget>(QStringLiteral("lstSeznam"), list);
    const QPoint onText = view->visualItemRect(view->item(0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onText);
    if (doubleClick)
      QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onText);
    else
      click("cmdOK", list);
    QVERIFY(!fx->dialogs.last<frmTest>());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Jaro"));
    QCOMPARE(std::tuple(fx->state.DobaTestu, fx->state.ZtrataUhozu, fx->state.BezMazani),
             std::tuple(minutes, 15, !doubleClick));
    QVERIFY(fx->messages.said.last().contains(rules));
  }

  void aTextChosenWithTheKeyboardCanBePreviewed_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("arrow") << int(Qt::Key_Down) << "abc";
    QTest::newRow("Home") << int(Qt::Key_Home) << "abc";
    QTest::newRow("first letter") << int(Qt::Key_Z) << "Zima";
  }

  void aTextChosenWithTheKeyboardCanBePreviewed() {
    QFETCH(int, key);
    QFETCH(QString, chosen);
    for (const char* name : {"abc", "Jaro", "Zima"}) addExerciseText(name, u"Text.\r\nDruhý.");
    auto* list = open<frmTest>(QStringLiteral("mi5Test"));
    QTest::keyClick(child<QListWidget>(QStringLiteral("lstSeznam"), list), Qt::Key(key));
    click("cmdUkaz", list);
    auto* preview = fx->dialogs.last<frmUkaz>();
    QVERIFY(preview);
    QCOMPARE(text(QStringLiteral("lblNazev"), preview), chosen);
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtUkaz"), preview)->toPlainText(),
             QStringLiteral("Text.\nDruhý."));
  }

  void theBrowserListsTheExerciseFolderAsThePatternSays() {
    frmSlozka* browser = openBrowser();
    const QString folder = QString::fromStdString((fx->context.programFolder / "Cviceni").string());
    QCOMPARE(text(QStringLiteral("lblCesta"), browser), folder);
    QCOMPARE(items("File1", browser),
             (QStringList{"abc.TXT", "Čaj.txt", "ČTIMNE", "Dub.txt", "chata.txt", "lekce.vyu"}));
    // The tree is open down to that folder and has it chosen.
    QCoreApplication::processEvents();
    const QModelIndex current = tree(browser)->currentIndex();
    QCOMPARE(current, folderIndex(browser, folder.toStdString()));
    QVERIFY(tree(browser)->isExpanded(current.parent()));
    enterPattern(browser, QStringLiteral("*.txt"));
    QCOMPARE(items("File1", browser), (QStringList{"abc.TXT", "Čaj.txt", "Dub.txt", "chata.txt"}));
    enterPattern(browser, QStringLiteral("č*; *.VYU"));
    QCOMPARE(items("File1", browser), (QStringList{"Čaj.txt", "ČTIMNE", "lekce.vyu"}));
    click("cmdZavrit", browser);
    QVERIFY(!fx->dialogs.last<frmSlozka>());
  }

  void aFolderChosenInTheTreeListsItsFilesIfItCan() {
    const auto other = fx->context.programFolder / "Jiné texty";
    const auto gone = fx->context.programFolder / "zmizelá";
    std::filesystem::create_directories(other / "podsložka");
    std::filesystem::create_directories(gone);
    writeText(other / "dopis.txt", u"x");
    frmSlozka* browser = openBrowser();
    const QModelIndex shown = folderIndex(browser, gone);
    QVERIFY(shown.isValid());
    std::filesystem::remove(gone);  // vanishes while the tree still shows it
    tree(browser)->setCurrentIndex(shown);
    QCOMPARE(fx->messages.said.size(), 1);
    QVERIFY(fx->messages.said[0].startsWith("Přerušení, Critical: "));
    QVERIFY(fx->messages.said[0].contains(QStringLiteral("zmizelá")));
    QCOMPARE(items("File1", browser).size(), 6);  // the previous folder's
    tree(browser)->setCurrentIndex(folderIndex(browser, other));
    QCOMPARE(text(QStringLiteral("lblCesta"), browser), QString::fromStdString(other.string()));
    QCOMPARE(items("File1", browser), QStringList{"dopis.txt"});
  }

  void menusOfferWhatTheStateAllows_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("typed");  // into an exercise run
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("idle, the main identity")
        << "Hlavni"
        << ""
        << QStringList{"miOtevrit",    "miSlozka", "miKonec",    "mi1Test",   "miProcvicovani",
                       "miKlavesnice", "miPismo",  "miMoznosti", "miAplikace"}
        << QStringList{"miVyhodnoceniTestu", "miOdhlasitIdentitu", "miUzivatel"};
    QTest::newRow("idle, another identity")
        << "Jana"
        << "" << QStringList{"miOdhlasitIdentitu", "miUzivatel"} << QStringList{};
    // The later rules of "Zobrazit" win over the clock.
    QTest::newRow("a timed run")
        << "Hlavni"
        << "Ja" << QStringList{"miVyhodnoceniTestu"}
        << QStringList{"miOtevrit",  "miSlozka",   "miIdentity",     "miPrepnoutIdentitu",
                       "miKonec",    "mi1Test",    "mi5Test",        "miTestPresnosti",
                       "miUzivTest", "miVyuka",    "miProcvicovani", "miKlavesnice",
                       "miMoznosti", "miAplikace", "miPismo"};
  }

  void menusOfferWhatTheStateAllows() {
    QFETCH(QString, user);
    QFETCH(QString, typed);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    fx->state.AktualniUzivatel = user.toStdU16String();
    if (!typed.isEmpty()) {
      startExercise(QStringLiteral("Jaro"), u"Jaro je tady.");
      typeText(box(), typed);
    }
    for (QAction* menu : window->menuBar()->actions()) emit menu->menu()->aboutToShow();
    QStringList wrong;
    for (const QString& name : enabled)
      if (!child<QAction>(name)->isEnabled()) wrong << name;
    for (const QString& name : disabled)
      if (child<QAction>(name)->isEnabled()) wrong << name;
    QCOMPARE(wrong, QStringList());
  }

  void helpNoticeAndAboutWindow() {
    QApplication::setApplicationName(QStringLiteral("Tymba"));
    child<QAction>(QStringLiteral("miObsah"))->trigger();
    QCOMPARE(fx->messages.said,
             QStringList{"Tymba, Information: Veškeré informace ohledně ovládání a používání "
                         "tohoto programu naleznete na instalačním CD v podobě dokumentu Word v "
                         "kořenovém adresáři pod názvem manuál.doc"});
    auto* about = open<frmAplikace>(QStringLiteral("miAplikace"));
    QVERIFY(about);
    click("Command1", about);
    QVERIFY(!fx->dialogs.last<frmAplikace>());
  }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
