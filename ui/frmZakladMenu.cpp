// The menu bar of the main window and the rules that enable its items each
// time a menu opens.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <string_view>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmAplikace.h"
#include "ui/frmSlozka.h"
#include "ui/frmTest.h"
#include "ui/frmUzivNastaveni.h"
#include "ui/frmVUzivNastaveni.h"
#include "ui/frmVyuka.h"
#include "ui/frmZaklad.h"
#include "ui/textconvert.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// The accuracy test is not about speed: it gives the typist the time of a
// 5-minute test.
constexpr int kAccuracyTestMinutes = 5;

struct MenuItem {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

QAction* addItem(QMenu* menu, const MenuItem& item) {
  auto* action = new QAction(QString::fromUtf8(item.caption), menu);
  action->setObjectName(QString::fromLatin1(item.name));
  action->setShortcut(item.shortcut);
  menu->addAction(action);
  return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// The user's own texts when there are any, else the texts the program ships.
std::filesystem::path exerciseFolderToBrowse(const AppContext& context) {
  const auto folders = context.folders.existingFolders("\\cviceni");
  return folders.empty() ? context.folders.find("\\cviceni") : folders.front();
}

// Without its folder a list of texts would open empty and only ask for a
// choice that cannot be made, so the user is told where the folder was looked
// for instead, and nothing opens. whose names the folder in the message.
bool dataFolderReadable(AppContext& context, std::string_view relative, const QString& whose) {
  for (const auto& existing : context.folders.existingFolders(relative))
    if (QFileInfo(QString::fromStdString(existing.string())).isReadable()) return true;
  const QString folder = QString::fromStdString(context.folders.find(relative).string());
  context.messages.show(QStringLiteral("%1 nebyla nalezena nebo ji nelze přečíst. Hledána byla "
                                       "složka '%2' (na velikosti písmen nezáleží).")
                            .arg(whose, folder),
                        QStringLiteral("Přerušení"), MessageIcon::Critical);
  return false;
}

bool exerciseFolderReadable(AppContext& context) {
  return dataFolderReadable(context, "\\cviceni", QStringLiteral("Složka s písemnostmi"));
}

}  // namespace

void frmZaklad::buildMenus() {
  QMenuBar* bar = menuBar();
  const auto item = [](QMenu* menu, const char* name, const char* caption,
                       QKeySequence shortcut = {}) {
    return addItem(menu, {name, caption, shortcut});
  };
  const auto separator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  mnuSoubor = addMenu(bar, "mnuSoubor", "&Soubor");
  item(mnuSoubor, "miOtevrit", "&Otevřít ...", QKeySequence(Qt::CTRL | Qt::Key_O));
  mnuSoubor->addAction(miUlozit);
  miUlozit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QAction* miSlozka = item(mnuSoubor, "miSlozka", "S&ložka");
  connect(miSlozka, &QAction::triggered, this, &frmZaklad::miSlozka_Click);
  separator(mnuSoubor, "miStarBar7");
  item(mnuSoubor, "miPrepnoutIdentitu", "&Přepnout identitu...");
  QMenu* identities = mnuSoubor->addMenu(QStringLiteral("&Identity Uživatelů"));
  identities->menuAction()->setObjectName(QStringLiteral("miIdentity"));
  item(identities, "miNovaIdentita", "&Vytvořit novou identitu...");
  item(identities, "miSpravaIdentit", "S&práva identit...");
  miOdhlasitIdentitu = item(identities, "miOdhlasitIdentitu", "O&dhlásit identitu...",
                            QKeySequence(Qt::CTRL | Qt::Key_E));
  miOdhlasitIdentitu->setEnabled(false);
  connectIdentityItems();
  separator(mnuSoubor, "miStarbar2");
  QAction* miKonec = item(mnuSoubor, "miKonec", "&Konec");
  connect(miKonec, &QAction::triggered, this, &frmZaklad::miKonec_Click);

  QMenu* mnuUpravy = addMenu(bar, "mnuUpravy", "Úp&ravy");
  mnuUpravy->addAction(miZnovu);

  mnuTest = addMenu(bar, "mnuTest", "&Procvičování");
  // Each exercise test opens the list of texts with its own duration and
  // rules; the loss per error is the one set in the options.
  const auto exerciseTest = [this](QAction* action, int minutes, bool bezMazani) {
    connect(action, &QAction::triggered, this,
            [this, minutes, bezMazani] { openTextList(minutes, bezMazani); });
  };
  exerciseTest(item(mnuTest, "miTestPresnosti", "&Test přesnosti"), kAccuracyTestMinutes, true);
  exerciseTest(item(mnuTest, "mi1Test", "&minutový test"), 1, false);
  exerciseTest(item(mnuTest, "mi5Test", "&5 minutový test"), 5, false);
  exerciseTest(item(mnuTest, "mi10Test", "&10 minutový test"), 10, false);
  exerciseTest(item(mnuTest, "mi30Test", "&30 minutový test"), 30, false);
  QAction* miDiktafon = item(mnuTest, "miDiktafon", "Test s &diktafonem");
  connect(miDiktafon, &QAction::triggered, this, &frmZaklad::miDiktafon_Click);
  separator(mnuTest, "miStarBar3");
  QAction* miTestSoubor = item(mnuTest, "miTestSoubor", "Test ze &souboru...");
  connect(miTestSoubor, &QAction::triggered, this, &frmZaklad::miTestSoubor_Click);
  QAction* miUzivTest = item(mnuTest, "miUzivTest", "&Uživatelské nastavení testu...");
  connect(miUzivTest, &QAction::triggered, this, &frmZaklad::miUzivTest_Click);

  muZacatecnik = addMenu(bar, "muZacatecnik", "&Začátečník");
  QAction* miVyuka = item(muZacatecnik, "miVyuka", "&Výuka", QKeySequence(Qt::CTRL | Qt::Key_V));
  connect(miVyuka, &QAction::triggered, this, &frmZaklad::miVyuka_Click);
  QAction* miProcvicovani =
      item(muZacatecnik, "miProcvicovani", "&Procvičování", QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(miProcvicovani, &QAction::triggered, this, &frmZaklad::miProcvicovani_Click);

  mnuZobrazit = addMenu(bar, "mnuZobrazit", "Z&obrazit");
  item(mnuZobrazit, "miUzivatel", "&Uživatel...");
  QAction* miKlavesnice =
      item(mnuZobrazit, "miKlavesnice", "&Klávesnice", QKeySequence(Qt::CTRL | Qt::Key_K));
  connect(miKlavesnice, &QAction::triggered, this, &frmZaklad::miKlavesnice_Click);
  QMenu* fonts = mnuZobrazit->addMenu(QStringLiteral("&Písmo"));
  fonts->menuAction()->setObjectName(QStringLiteral("miPismo"));
  item(fonts, "miVelke", "&Velké");
  item(fonts, "miStredni", "&Střední");
  item(fonts, "miMale", "&Malé");
  connectFontItems();
  separator(mnuZobrazit, "miStarBar4");
  mnuZobrazit->addAction(miVyhodnoceniTestu);

  mnuNastroji = addMenu(bar, "mnuNastroji", "&Nástroje");
  QAction* miMoznosti = item(mnuNastroji, "miMoznosti", "&Možnosti...");
  connect(miMoznosti, &QAction::triggered, this, &frmZaklad::miMoznosti_Click);

  mnuNapoveda = addMenu(bar, "mnuNapoveda", "Nápově&da");
  QAction* miAplikace = item(mnuNapoveda, "miAplikace", "O &aplikaci");
  QAction* miObsah = item(mnuNapoveda, "miObsah", "Obsah", QKeySequence(Qt::Key_F1));
  connect(miAplikace, &QAction::triggered, this, &frmZaklad::miAplikace_Click);
  connect(miObsah, &QAction::triggered, this, &frmZaklad::miObsah_Click);

  connect(mnuSoubor, &QMenu::aboutToShow, this, &frmZaklad::mnuSoubor_Click);
  connect(mnuTest, &QMenu::aboutToShow, this, &frmZaklad::mnuTest_Click);
  connect(muZacatecnik, &QMenu::aboutToShow, this, &frmZaklad::muZacatecnik_Click);
  connect(mnuZobrazit, &QMenu::aboutToShow, this, &frmZaklad::mnuZobrazit_Click);
  connect(mnuNastroji, &QMenu::aboutToShow, this, &frmZaklad::mnuNastroji_Click);
  connect(mnuNapoveda, &QMenu::aboutToShow, this, &frmZaklad::mnuNapoveda_Click);
  connectRecordItems();
}

QAction* frmZaklad::menuItem(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

// While a run is timed the menus offer only what does not disturb it.
void frmZaklad::enableWhileIdle(std::initializer_list<const char*> names) {
  const bool idle = !tmrCas->isActive();
  for (const char* name : names) menuItem(name)->setEnabled(idle);
}

// Its shortcut Ctrl+V reaches the item without the menu opening, so the rule
// of the menu (nothing that disturbs a timed run) is kept here as well.
// Without the lesson folder there is neither a lesson nor the introduction,
// which lives there too.
void frmZaklad::miVyuka_Click() {
  if (tmrCas->isActive()) return;
  if (!dataFolderReadable(context_, "\\Vyuka", QStringLiteral("Složka s lekcemi"))) return;
  auto* lessons = new frmVyuka(context_, *this);
  centreOnScreen(*lessons);
  context_.dialogs.run(*lessons);
}

void frmZaklad::mnuSoubor_Click() {
  enableWhileIdle({"miOtevrit", "miSlozka", "miIdentity", "miPrepnoutIdentitu", "miKonec"});
  miOdhlasitIdentitu->setEnabled(context_.stav.AktualniUzivatel != u"Hlavni");
}

void frmZaklad::mnuTest_Click() {
  enableWhileIdle({"miTestPresnosti", "mi1Test", "mi5Test", "mi10Test", "mi30Test", "miTestSoubor",
                   "miUzivTest"});
  // Without sound there is no dictation.
  menuItem("miDiktafon")->setEnabled(!tmrCas->isActive() && context_.stav.ZvukPripraven);
}

void frmZaklad::muZacatecnik_Click() { enableWhileIdle({"miVyuka", "miProcvicovani"}); }

void frmZaklad::mnuZobrazit_Click() {
  const SharedState& stav = context_.stav;
  enableWhileIdle({"miUzivatel", "miKlavesnice", "miPismo", "miVyhodnoceniTestu"});
  // These three are set again, and these settings are the ones that count.
  menuItem("miUzivatel")->setEnabled(stav.AktualniUzivatel != u"Hlavni");
  miVyhodnoceniTestu->setEnabled(stav.TestBezi);
  menuItem("miPismo")->setEnabled(!stav.JeNapsano);
}

void frmZaklad::mnuNastroji_Click() { enableWhileIdle({"miMoznosti"}); }

void frmZaklad::mnuNapoveda_Click() { enableWhileIdle({"miAplikace"}); }

void frmZaklad::openTextList(int minutes, bool bezMazani) {
  if (!exerciseFolderReadable(context_)) return;
  SharedState& stav = context_.stav;
  stav.BezMazani = bezMazani;
  stav.TextZeSouboru = false;
  stav.DobaTestu = minutes;
  stav.ZtrataUhozu = stav.nastaveni.Chyba;
  openTextList();
}

void frmZaklad::openTextList() {
  auto* list = new frmTest(context_, *this);
  centreOnScreen(*list);
  context_.dialogs.run(*list);
}

void frmZaklad::miUzivTest_Click() {
  if (!exerciseFolderReadable(context_)) return;  // before anything is asked
  SharedState& stav = context_.stav;
  keepTestSource(stav);  // the settings dialog restores these when cancelled
  stav.ZdrojTestu.clear();
  stav.BezMazani = false;
  stav.TextZeSouboru = false;
  auto* settings = new frmUzivNastaveni(context_, *this);
  centreOnScreen(*settings);
  context_.dialogs.run(*settings);
}

void frmZaklad::miTestSoubor_Click() {
  const QString path = context_.files.openFileName(
      this, {QStringLiteral("Test ze souboru"),
             QString::fromStdString(exerciseFolderToBrowse(context_).string()),
             QStringLiteral("Textové soubory (*.txt);;Všechny soubory (*)")});
  if (path.isEmpty()) return;  // cancelled: nothing changes
  SharedState& stav = context_.stav;
  keepTestSource(stav);  // the settings dialog restores these when cancelled
  stav.ZdrojTestu = u"Ze souboru";
  stav.TextZeSouboru = true;
  stav.BezMazani = false;
  stav.VybranyText = fromQString(path);
  stav.DruhTestu = TestKind::Cviceni;
  stav.NazevTestu = fromQString(QFileInfo(path).completeBaseName());
  auto* settings = new frmUzivNastaveni(context_, *this);
  centreOnScreen(*settings);
  context_.dialogs.run(*settings);
}

void frmZaklad::miSlozka_Click() {
  auto* folders = new frmSlozka(context_, this);
  context_.dialogs.run(*folders);
}

void frmZaklad::miAplikace_Click() {
  auto* about = new frmAplikace(this);
  centreOnScreen(*about);
  context_.dialogs.run(*about);
}

void frmZaklad::miObsah_Click() {
  context_.messages.show(
      QStringLiteral("Veškeré informace ohledně ovládání a používání tohoto programu naleznete na "
                     "instalačním CD v podobě dokumentu Word v kořenovém adresáři pod názvem "
                     "manuál.doc"),
      QApplication::applicationName(), MessageIcon::Information);
}

void frmZaklad::miKonec_Click() {
  QCoreApplication::processEvents();
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

void frmZaklad::miProcvicovani_Click() {
  if (tmrCas->isActive()) return;  // Ctrl+P must not open it over a timed run
  auto* settings = new frmVUzivNastaveni(context_, *this);
  centreOnScreen(*settings);
  context_.dialogs.run(*settings);
}

}  // namespace tymba
