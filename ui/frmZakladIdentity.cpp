// The main window's identity commands: switch, create, manage, log off.
#include <QAction>
#include <QLabel>

#include "core/identity.h"
#include "ui/application.h"
#include "ui/frmNovaIdentita.h"
#include "ui/frmPrepnoutIde.h"
#include "ui/frmSpravaIdentit.h"
#include "ui/frmZaklad.h"
#include "ui/identityforms.h"
#include "ui/textconvert.h"

namespace tymba {

void frmZaklad::connectIdentityItems() {
  connect(menuItem("miPrepnoutIdentitu"), &QAction::triggered, this,
          &frmZaklad::miPrepnoutIdentitu_Click);
  connect(menuItem("miNovaIdentita"), &QAction::triggered, this, &frmZaklad::miNovaIdentita_Click);
  connect(menuItem("miSpravaIdentit"), &QAction::triggered, this,
          &frmZaklad::miSpravaIdentit_Click);
  connect(miOdhlasitIdentitu, &QAction::triggered, this, &frmZaklad::miOdhlasitIdentitu_Click);
}

void frmZaklad::switchIdentity(const std::u16string& name) {
  std::u16string& current = context_.stav.AktualniUzivatel;
  current = isMainIdentity(name) ? std::u16string(kMainIdentity) : name;
  for (QLabel* label : lblIdentita) label->setText(toQString(current));
}

void frmZaklad::miPrepnoutIdentitu_Click() {
  openCentred(context_, *new frmPrepnoutIde(context_, *this));
}

void frmZaklad::miNovaIdentita_Click() {
  openCentred(context_, *new frmNovaIdentita(context_, this));
}

void frmZaklad::miSpravaIdentit_Click() {
  openCentred(context_, *new frmSpravaIdentit(context_, this));
}

// The item stays enabled until "Soubor" is opened again, so it may be
// chosen with the main identity current: it then does nothing.
void frmZaklad::miOdhlasitIdentitu_Click() {
  if (isMainIdentity(context_.stav.AktualniUzivatel)) return;
  if (context_.messages.show(QStringLiteral("Chcete odhlásit aktuálního uživatele? "),
                             QStringLiteral("Odhlášení"), MessageIcon::Question,
                             MessageButtons::YesNo) == MessageAnswer::Yes)
    switchIdentity(std::u16string(kMainIdentity));
}

}  // namespace tymba
