// The menu bar of the main window: its tree and the rules that enable its
// items each time a menu opens.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "ui/frmAplikace.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

struct Row {
  QString name;  // "-" for a separator (named or not)
  QString caption;
  QString shortcut;
};

// The whole bar, menu by menu, in order; submenus follow their item.
const QList<QPair<QString, QList<Row>>> kTree = {
    {"&Soubor",
     {{"miOtevrit", "&Otevřít ...", "Ctrl+O"},
      {"miUlozit", "Uložit &jako...", "Ctrl+S"},
      {"miSlozka", "S&ložka", ""},
      {"-", "", ""},
      {"miPrepnoutIdentitu", "&Přepnout identitu...", ""},
      {"miIdentity", "&Identity Uživatelů", ""},
      {"-", "", ""},
      {"miKonec", "&Konec", ""}}},
    {"&Identity Uživatelů",
     {{"miNovaIdentita", "&Vytvořit novou identitu...", ""},
      {"miSpravaIdentit", "S&práva identit...", ""},
      {"miOdhlasitIdentitu", "O&dhlásit identitu...", "Ctrl+E"}}},
    {"Úp&ravy", {{"miZnovu", "Začít &znovu", "F2"}}},
    {"&Procvičování",
     {{"miTestPresnosti", "&Test přesnosti", ""},
      {"mi1Test", "&minutový test", ""},
      {"mi5Test", "&5 minutový test", ""},
      {"mi10Test", "&10 minutový test", ""},
      {"mi30Test", "&30 minutový test", ""},
      {"miDiktafon", "Test s &diktafonem", ""},
      {"-", "", ""},
      {"miTestSoubor", "Test ze &souboru...", ""},
      {"miUzivTest", "&Uživatelské nastavení testu...", ""}}},
    {"&Začátečník",
     {{"miVyuka", "&Výuka", "Ctrl+V"}, {"miProcvicovani", "&Procvičování", "Ctrl+P"}}},
    {"Z&obrazit",
     {{"miUzivatel", "&Uživatel...", ""},
      {"miKlavesnice", "&Klávesnice", "Ctrl+K"},
      {"miPismo", "&Písmo", ""},
      {"-", "", ""},
      {"miVyhodnoceniTestu", "V&yhodnocení testu ...", "F5"}}},
    {"&Písmo", {{"miVelke", "&Velké", ""}, {"miStredni", "&Střední", ""}, {"miMale", "&Malé", ""}}},
    {"&Nástroje", {{"miMoznosti", "&Možnosti...", ""}}},
    {"Nápově&da", {{"miAplikace", "O &aplikaci", ""}, {"miObsah", "Obsah", "F1"}}},
};

}  // namespace

class TestMenus : public MainWindowTest {
  Q_OBJECT

 private:
  QAction* item(const char* name) { return child<QAction>(QString::fromLatin1(name)); }
  QMenu* menu(const char* name) { return child<QMenu>(QString::fromLatin1(name)); }
  // What opening the menu does to its items, without showing it.
  void open(const char* name) { emit menu(name)->aboutToShow(); }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void theTreeIsAsListed() {
    QList<QMenu*> menus;
    for (QAction* top : window->menuBar()->actions()) {
      menus.append(top->menu());
      for (QAction* action : top->menu()->actions())
        if (action->menu()) menus.append(action->menu());
    }
    QCOMPARE(menus.size(), kTree.size());
    for (int m = 0; m < kTree.size(); ++m) {
      QCOMPARE(menus[m]->title(), kTree[m].first);
      const QList<QAction*> actions = menus[m]->actions();
      const QList<Row>& rows = kTree[m].second;
      QCOMPARE(actions.size(), rows.size());
      for (int i = 0; i < rows.size(); ++i) {
        const QString where = kTree[m].first + QLatin1Char('/') + QString::number(i);
        if (rows[i].name == QLatin1String("-")) {
          QVERIFY2(actions[i]->isSeparator(), qPrintable(where));
          continue;
        }
        QCOMPARE(actions[i]->objectName(), rows[i].name);
        QCOMPARE(actions[i]->text(), rows[i].caption);
        QCOMPARE(actions[i]->shortcut().toString(), rows[i].shortcut);
      }
    }
  }

  void whileARunIsTimedOnlyHarmlessItemsAreOffered() {
    startExercise(QStringLiteral("Jaro"), u"Jaro je tady.");
    typeText(box(), QStringLiteral("Ja"));
    QVERIFY(timer("tmrCas")->isActive());
    for (const char* name :
         {"mnuSoubor", "mnuTest", "muZacatecnik", "mnuZobrazit", "mnuNastroji", "mnuNapoveda"})
      open(name);
    for (const char* name : {"miOtevrit", "miSlozka", "miIdentity", "miPrepnoutIdentitu", "miKonec",
                             "mi1Test", "mi5Test", "miTestPresnosti", "miVyuka", "miProcvicovani",
                             "miKlavesnice", "miMoznosti", "miAplikace"})
      QVERIFY2(!item(name)->isEnabled(), name);
    // The later rules of "Zobrazit" win over the clock.
    QVERIFY(item("miVyhodnoceniTestu")->isEnabled());
    QVERIFY(!item("miPismo")->isEnabled());  // something is typed
  }

  void idleMenusOfferEverything() {
    for (const char* name :
         {"mnuSoubor", "mnuTest", "muZacatecnik", "mnuZobrazit", "mnuNastroji", "mnuNapoveda"})
      open(name);
    for (const char* name : {"miOtevrit", "miSlozka", "miKonec", "mi1Test", "miProcvicovani",
                             "miKlavesnice", "miPismo", "miMoznosti", "miAplikace"})
      QVERIFY2(item(name)->isEnabled(), name);
    // Before the first keystroke there is nothing to evaluate, until the
    // menu is opened again during a run.
    QVERIFY(!item("miVyhodnoceniTestu")->isEnabled());
  }

  void theMainIdentityCannotLogOffNorBrowse() {
    open("mnuSoubor");
    open("mnuZobrazit");
    QVERIFY(!item("miOdhlasitIdentitu")->isEnabled());
    QVERIFY(!item("miUzivatel")->isEnabled());
    fx->state.AktualniUzivatel = u"Jana";
    open("mnuSoubor");
    open("mnuZobrazit");
    QVERIFY(item("miOdhlasitIdentitu")->isEnabled());
    QVERIFY(item("miUzivatel")->isEnabled());
  }

  void helpNoticeAndAboutWindow() {
    item("miObsah")->trigger();
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text,
             QStringLiteral("Veškeré informace ohledně ovládání a používání tohoto programu "
                            "naleznete na instalačním CD v podobě dokumentu Word v kořenovém "
                            "adresáři pod názvem manuál.doc"));
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Tymba"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Information);

    item("miAplikace")->trigger();
    auto* about = fx->dialogs.last<frmAplikace>();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("O aplikaci"));
    QTest::mouseClick(child<QPushButton>(about, QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!fx->dialogs.last<frmAplikace>());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tymba"));
  TestMenus test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_menus.moc"
