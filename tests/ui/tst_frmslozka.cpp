// The folder browser, opened from the menu as a user opens it.

#include <QAction>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmSlozka.h"

using namespace tymba;
using namespace tymba::testing;

class TestFrmSlozka : public MainWindowTest {
  Q_OBJECT

 private:
  frmSlozka* openBrowser() {
    child<QAction>(QStringLiteral("miSlozka"))->trigger();
    return fx->dialogs.last<frmSlozka>();
  }
  QStringList files(frmSlozka* browser) {
    auto* list = child<QListWidget>(browser, QStringLiteral("File1"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names.append(list->item(i)->text());
    return names;
  }
  QString shownFolder(frmSlozka* browser) {
    return child<QLabel>(browser, QStringLiteral("lblCesta"))->text();
  }
  QTreeView* tree(frmSlozka* browser) { return child<QTreeView>(browser, QStringLiteral("Dir1")); }
  QModelIndex folderIndex(frmSlozka* browser, const std::filesystem::path& folder) {
    auto* model = qobject_cast<QFileSystemModel*>(tree(browser)->model());
    return model ? model->index(QString::fromStdString(folder.string())) : QModelIndex();
  }
  void enterPattern(frmSlozka* browser, const QString& pattern) {
    auto* box = child<QLineEdit>(browser, QStringLiteral("txtPrikaz"));
    box->setText(pattern);
    QTest::keyClick(box, Qt::Key_Return);
  }
  std::filesystem::path exerciseFolder() { return fx->context.programFolder / "Cviceni"; }

 private slots:
  void init() {
    openWindow();
    std::filesystem::create_directories(exerciseFolder());
    for (const char* name : {"Čaj.txt", "abc.TXT", "lekce.vyu", "ČTIMNE", ".skrytý.txt"})
      writeText(exerciseFolder() / name, u"x");
  }
  void cleanup() { closeWindow(); }

  void startsInTheExerciseFolderWithEveryFile() {
    frmSlozka* browser = openBrowser();
    QVERIFY(browser);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Složka"));
    QCOMPARE(child<QLineEdit>(browser, QStringLiteral("txtPrikaz"))->text(), QStringLiteral("*.*"));
    // The folder is found whatever its case on disk.
    QCOMPARE(shownFolder(browser), QString::fromStdString(exerciseFolder().string()));
    QCOMPARE(files(browser), (QStringList{"abc.TXT", "Čaj.txt", "ČTIMNE", "lekce.vyu"}));
    // The tree is open down to that folder and has it chosen.
    QCoreApplication::processEvents();
    const QModelIndex current = tree(browser)->currentIndex();
    QCOMPARE(current, folderIndex(browser, exerciseFolder()));
    QVERIFY(tree(browser)->isExpanded(current.parent()));
  }

  void enterAppliesThePatternAndKeepsTheWindow() {
    frmSlozka* browser = openBrowser();
    enterPattern(browser, QStringLiteral("*.txt"));
    QCOMPARE(files(browser), (QStringList{"abc.TXT", "Čaj.txt"}));
    enterPattern(browser, QStringLiteral("č*; *.VYU"));
    QCOMPARE(files(browser), (QStringList{"Čaj.txt", "ČTIMNE", "lekce.vyu"}));
    QVERIFY(browser->isVisible());
  }

  void anotherFolderListsItsFiles() {
    const auto other = fx->context.programFolder / "Jiné texty";
    std::filesystem::create_directories(other / "podsložka");
    writeText(other / "dopis.txt", u"x");
    frmSlozka* browser = openBrowser();
    tree(browser)->setCurrentIndex(folderIndex(browser, other));
    QCOMPARE(shownFolder(browser), QString::fromStdString(other.string()));
    QCOMPARE(files(browser), QStringList{"dopis.txt"});
  }

  void aFolderThatCannotBeReadKeepsThePreviousOne() {
    const auto gone = fx->context.programFolder / "zmizelá";
    std::filesystem::create_directories(gone);
    frmSlozka* browser = openBrowser();
    const QModelIndex shown = folderIndex(browser, gone);
    QVERIFY(shown.isValid());
    std::filesystem::remove(gone);  // vanishes while the tree still shows it
    tree(browser)->setCurrentIndex(shown);
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Přerušení"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Critical);
    QVERIFY(fx->messages.said[0].text.contains(QStringLiteral("zmizelá")));
    QCOMPARE(shownFolder(browser), QString::fromStdString(exerciseFolder().string()));
    QCOMPARE(files(browser).size(), 4);
  }

  void closeButtonClosesTheWindow() {
    frmSlozka* browser = openBrowser();
    QTest::mouseClick(child<QPushButton>(browser, QStringLiteral("cmdZavrit")), Qt::LeftButton);
    QVERIFY(!fx->dialogs.last<frmSlozka>());
  }
};

QTEST_MAIN(TestFrmSlozka)
#include "tst_frmslozka.moc"
