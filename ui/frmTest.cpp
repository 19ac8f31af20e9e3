#include "ui/frmTest.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmSlozka.h"
#include "ui/frmUkaz.h"
#include "ui/frmZaklad.h"
#include "ui/selectonfocus.h"
#include "ui/textlist.h"

namespace tymba {

frmTest::frmTest(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmTest"));
  setWindowTitle(QStringLiteral("Přehled písemností"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label2 = new QLabel(QStringLiteral("Nyní si vyberte písemnost, kterou chcete psát"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label1 = new QLabel(QStringLiteral("Seznam písemnosti:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  lstSeznam = new QListWidget(this);
  lstSeznam->setObjectName(QStringLiteral("lstSeznam"));
  cmdUkaz = new QPushButton(QStringLiteral("Ukaž"), this);
  cmdUkaz->setObjectName(QStringLiteral("cmdUkaz"));
  Command2 = new QPushButton(QStringLiteral("Storno"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);

  layOutTextList(*this, {Label2, Label1}, lstSeznam, cmdUkaz, {cmdOK, Command2});

  // An entry is chosen by the mouse or by the keyboard (arrows, Home, End,
  // its first letter); every way enables the preview.
  connect(lstSeznam, &QListWidget::itemSelectionChanged, this, &frmTest::lstSeznam_Click);
  connect(lstSeznam, &QListWidget::itemDoubleClicked, this, &frmTest::cmdOK_Click);
  connect(cmdUkaz, &QPushButton::clicked, this, &frmTest::cmdUkaz_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmTest::cmdOK_Click);
  connect(Command2, &QPushButton::clicked, this, &frmTest::Command2_Click);
  Form_Load();
}

void frmTest::Form_Load() {
  lstSeznam->addItems(listedTextNames(context_, this, "\\cviceni", QStringLiteral("*.txt")));
  keepNoEntryCurrent(*lstSeznam);
  cmdUkaz->setEnabled(false);
}

QString frmTest::selectedEntry() const { return chosenEntry(*lstSeznam); }

void frmTest::lstSeznam_Click() { cmdUkaz->setEnabled(!selectedEntry().isEmpty()); }

void frmTest::cmdUkaz_Click() {
  const QString entry = selectedEntry();
  if (entry.isEmpty()) return;
  auto* preview = new frmUkaz(context_, entry, this);
  centreOnScreen(*preview);
  context_.dialogs.run(*preview);
}

void frmTest::cmdOK_Click() {
  const QString entry = selectedEntry();
  context_.stav.TextZeSouboru = false;
  if (entry.isEmpty()) {
    zaklad_.startExerciseRun(entry);  // says "Vyberte písemnost"; the list stays open
    return;
  }
  // The list closes before the rules are shown; a text that cannot be read
  // brings it back.
  hide();
  if (zaklad_.startExerciseRun(entry))
    accept();
  else
    show();
}

void frmTest::Command2_Click() {
  zaklad_.disableExerciseBox();
  reject();
}

}  // namespace tymba
