#include "ui/frmPrepnoutIde.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/identity.h"
#include "ui/application.h"
#include "ui/frmSpravaIdentit.h"
#include "ui/frmZaklad.h"
#include "ui/identityforms.h"
#include "ui/textconvert.h"

namespace tymba {

frmPrepnoutIde::frmPrepnoutIde(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad),
      context_(context),
      zaklad_(zaklad),
      store_(context.settings, context.folders) {
  setUpIdentityDialog(*this, "frmPrepnoutIde", QStringLiteral("Přepnout identitu ..."));
  Label4 = identityLabel(
      "Label4",
      QStringLiteral("Nyní si můžete přepnout identitu uživatele, kam se budou nadále ukládat "
                     "napsané testy a výsledky. Pomocí 'správa identit' můžete upravovat "
                     "identity uživatelů."),
      this);
  Label1 = identityLabel("Label1", QStringLiteral("Vyber identitu uživatele:"), this);
  lstIdentita = new QListWidget(this);
  lstIdentita->setObjectName(QStringLiteral("lstIdentita"));
  Label2 = identityLabel("Label2", QStringLiteral("Zadej heslo:"), this);
  txtHeslo = passwordBox("txtHeslo", 32767, this);  // as long as a box takes
  cmdSpravaIdentit = identityButton("cmdSpravaIdentit", QStringLiteral("Správa identit..."), this);
  connect(lstIdentita, &QListWidget::itemSelectionChanged, this,
          &frmPrepnoutIde::lstIdentita_Click);
  QHBoxLayout* buttons = okAndStornoRow(*this, cmdOK, cmdStorno);
  connect(cmdOK, &QPushButton::clicked, this, &frmPrepnoutIde::cmdOK_Click);
  connect(cmdSpravaIdentit, &QPushButton::clicked, this, &frmPrepnoutIde::cmdSpravaIdentit_Click);

  buttons->insertWidget(0, cmdSpravaIdentit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label4);
  layout->addWidget(Label1);
  layout->addWidget(lstIdentita);
  layout->addWidget(Label2);
  layout->addWidget(txtHeslo);
  layout->addLayout(buttons);
  resize(440, 0);
  adjustSize();

  refillIdentities(*lstIdentita, store_.listCleanedUp());
  lstIdentita_Click();  // nothing chosen: no password to give
}

// The window is active again after the identity manager or a message box
// closed over it: the list shows the store as it is now.
void frmPrepnoutIde::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) refill();
  QDialog::changeEvent(event);
}

void frmPrepnoutIde::refill() {
  refillIdentities(*lstIdentita, store_.list());
  lstIdentita_Click();
}

void frmPrepnoutIde::lstIdentita_Click() {
  const std::u16string chosen = chosenIdentity(*lstIdentita);
  const bool password = !chosen.empty() && !isMainIdentity(chosen);
  Label2->setEnabled(password);
  txtHeslo->setEnabled(password);
}

void frmPrepnoutIde::cmdOK_Click() {
  const std::u16string chosen = chosenIdentity(*lstIdentita);
  if (chosen.empty()) return;
  if (!isMainIdentity(chosen)) {
    if (!store_.verify(chosen, fromQString(txtHeslo->text()))) {
      context_.messages.show(QStringLiteral("zadali ste špatné heslo uživatele"),
                             QStringLiteral("Přerušení"), MessageIcon::Exclamation);
      txtHeslo->setFocus();
      txtHeslo->selectAll();
      return;
    }
    if (!store_.hasUserFile(chosen)) return;
  }
  zaklad_.switchIdentity(chosen);
  accept();
}

void frmPrepnoutIde::cmdSpravaIdentit_Click() {
  auto* manager = new frmSpravaIdentit(context_, this);
  connect(manager, &QDialog::finished, this, &frmPrepnoutIde::refill);
  openCentred(context_, *manager);
}

}  // namespace tymba
