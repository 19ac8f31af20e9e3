#include "ui/frmSpravaIdentit.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "ui/application.h"
#include "ui/frmHeslo.h"
#include "ui/frmNovaIdentita.h"
#include "ui/identityforms.h"
#include "ui/textconvert.h"

namespace tymba {

frmSpravaIdentit::frmSpravaIdentit(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), store_(context.settings, context.folders) {
  setUpIdentityDialog(*this, "frmSpravaIdentit", QStringLiteral("Správce identit ..."));
  Label5 = identityLabel(
      "Label5",
      QStringLiteral("Pomocí tlačítka' Nová' můžete vytvořit novou uživatelskou identitu. Pomocí "
                     "tlačítka 'Odebrat' můžete identitu odstranit. 'Nastavit jako výchozí' "
                     "nastaví první spuštění aplikace touto identitou"),
      this);
  Label1 = identityLabel("Label1", QStringLiteral("Název uživatele:"), this);
  lstIdentity = new QListWidget(this);
  lstIdentity->setObjectName(QStringLiteral("lstIdentity"));
  Command1 = identityButton("Command1", QStringLiteral("Přidat identitu"), this);
  cmdOdebrat = identityButton("cmdOdebrat", QStringLiteral("Odebrat identitu"), this);
  cmdOdebrat->setEnabled(false);
  cmdOK = identityButton("cmdOK", QStringLiteral("Zavřít"), this);
  connect(lstIdentity, &QListWidget::itemSelectionChanged, this,
          &frmSpravaIdentit::lstIdentity_Click);
  connect(Command1, &QPushButton::clicked, this, &frmSpravaIdentit::Command1_Click);
  connect(cmdOdebrat, &QPushButton::clicked, this, &frmSpravaIdentit::cmdOdebrat_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmSpravaIdentit::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label5, 0, 0, 1, 2);
  grid->addWidget(Label1, 1, 0);
  grid->addWidget(lstIdentity, 2, 0, 4, 1);
  grid->addWidget(Command1, 2, 1);
  grid->addWidget(cmdOdebrat, 3, 1);
  grid->addWidget(cmdOK, 5, 1);
  resize(460, 0);
  adjustSize();
  refill();
}

// The window is active again after a dialog or a message box closed over
// it: the list shows the store as it is now.
void frmSpravaIdentit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) refill();
  QDialog::changeEvent(event);
}

// "Odebrat identitu" keeps its state while the chosen entry is still listed.
void frmSpravaIdentit::refill() {
  if (!refillIdentities(*lstIdentity, store_.list())) cmdOdebrat->setEnabled(false);
}

void frmSpravaIdentit::lstIdentity_Click() {
  cmdOdebrat->setEnabled(!chosenIdentity(*lstIdentity).empty());
}

void frmSpravaIdentit::Command1_Click() {
  cmdOdebrat->setEnabled(false);
  auto* nova = new frmNovaIdentita(context_, this);
  connect(nova, &QDialog::finished, this, &frmSpravaIdentit::refill);
  openCentred(context_, *nova);
}

void frmSpravaIdentit::cmdOdebrat_Click() {
  removing_ = chosenIdentity(*lstIdentity);
  if (removing_.empty()) return;
  auto* prompt = new frmHeslo(context_, this);
  connect(prompt, &QDialog::finished, this, &frmSpravaIdentit::frmHeslo_Unload);
  context_.dialogs.run(*prompt);  // it centres itself
}

void frmSpravaIdentit::frmHeslo_Unload() {
  const SharedState& stav = context_.stav;
  const QString name = toQString(removing_);
  const QString title = QStringLiteral("Přerušení");
  if (stav.HesloZruseno) {
    cmdOdebrat->setEnabled(false);
    return;
  }
  if (!store_.verify(removing_, stav.HesloZadane)) {
    context_.messages.show(QStringLiteral("Zadali ste špatné heslo"), title,
                           MessageIcon::Exclamation);
    cmdOdebrat->setEnabled(false);
    return;
  }
  if (!store_.hasUserFile(removing_)) {
    context_.messages.show(QStringLiteral("Soubor nejspíš neexistuje nebo je poškozen!!"), title,
                           MessageIcon::Critical);
    return;
  }
  if (context_.messages.show(QStringLiteral("Opravdu chcete smazat uzivatele '%1'?. Tím ztrátíte "
                                            "všechny napsané testy tohoto uživatele.")
                                 .arg(name),
                             title, MessageIcon::NoIcon,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  try {
    store_.remove(removing_);
  } catch (const std::runtime_error&) {
    context_.messages.show(QStringLiteral("Identitu '%1' nelze odstranit, protože soubor "
                                          "uživatele nebo nastavení programu nelze změnit.")
                               .arg(name),
                           QStringLiteral("Chyba"), MessageIcon::Critical);
    refill();
    return;
  }
  context_.messages.show(
      QStringLiteral("Vše proběhlo v pořádku\r\nUzivatel '%1' je odstraněn").arg(name),
      QStringLiteral("Hláška"), MessageIcon::Information);
  refill();
}

}  // namespace tymba
