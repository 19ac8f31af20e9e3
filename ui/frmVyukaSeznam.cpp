#include "ui/frmVyukaSeznam.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmSlozka.h"
#include "ui/frmUkaz.h"
#include "ui/frmZaklad.h"
#include "ui/selectonfocus.h"
#include "ui/settingsfields.h"
#include "ui/textlist.h"

namespace tymba {

frmVyukaSeznam::frmVyukaSeznam(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmVyukaSeznam"));
  setWindowTitle(QStringLiteral("Seznam písemností"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = namedLabel("Label1",
                      QStringLiteral("Nyní si vyberte písemnost, pomocí které chcete procvičovat "
                                     "určité partie písmen."),
                      this);
  Label1->setWordWrap(true);
  Label2 = namedLabel("Label2", QStringLiteral("Seznam písemností pro písmena"), this);
  lstSeznam = new QListWidget(this);
  lstSeznam->setObjectName(QStringLiteral("lstSeznam"));
  cmdUkaz = namedButton("cmdUkaz", QStringLiteral("Ukaž"), this);
  cmdOK = namedButton("cmdOK", QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  cmdStorno = namedButton("cmdStorno", QStringLiteral("Storno"), this);

  layOutTextList(*this, {Label1, Label2}, lstSeznam, cmdUkaz, {cmdOK, cmdStorno});

  // Chosen by the mouse or by the keyboard, an entry can be previewed.
  connect(lstSeznam, &QListWidget::itemSelectionChanged, this, &frmVyukaSeznam::lstSeznam_Click);
  connect(lstSeznam, &QListWidget::itemDoubleClicked, this, &frmVyukaSeznam::cmdOK_Click);
  connect(cmdUkaz, &QPushButton::clicked, this, &frmVyukaSeznam::cmdUkaz_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmVyukaSeznam::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmVyukaSeznam::cmdStorno_Click);
  Form_Load();
}

void frmVyukaSeznam::Form_Load() {
  lstSeznam->addItems(listedTextNames(context_, this, "\\Procvicovani", QStringLiteral("*.vyu")));
  keepNoEntryCurrent(*lstSeznam);
  cmdUkaz->setEnabled(false);
}

QString frmVyukaSeznam::selectedEntry() const { return chosenEntry(*lstSeznam); }

void frmVyukaSeznam::lstSeznam_Click() { cmdUkaz->setEnabled(!selectedEntry().isEmpty()); }

void frmVyukaSeznam::cmdUkaz_Click() {
  const QString entry = selectedEntry();
  if (entry.isEmpty()) return;
  context_.stav.UkazProcvicovani = true;
  auto* preview = new frmUkaz(context_, entry, this);
  centreOnScreen(*preview);
  context_.dialogs.run(*preview);
}

// A text that cannot be started has been named in a message; the list stays
// open for another choice.
void frmVyukaSeznam::cmdOK_Click() {
  const QString entry = selectedEntry();
  if (entry.isEmpty()) {
    context_.messages.show(QStringLiteral("Nemáte vybrán žádný test."), QStringLiteral("Přerušení"),
                           MessageIcon::Information);
    return;
  }
  if (zaklad_.startLessonFile(entry, LessonKind::Practice)) accept();
}

void frmVyukaSeznam::cmdStorno_Click() { reject(); }

void frmVyukaSeznam::reject() {
  zaklad_.disableExerciseBox();
  QDialog::reject();
}

}  // namespace tymba
