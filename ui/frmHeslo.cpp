#include "ui/frmHeslo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/identityforms.h"
#include "ui/textconvert.h"

namespace tymba {

frmHeslo::frmHeslo(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setUpIdentityDialog(*this, "frmHeslo", QStringLiteral("Ověření"));
  Label1 = identityLabel("Label1", QStringLiteral("Zadejte uživetelské heslo:"), this);
  txtHeslo = passwordBox("txtHeslo", 30, this);
  QHBoxLayout* buttons = okAndStornoRow(*this, cmdOK, cmdStorno);
  connect(cmdOK, &QPushButton::clicked, this, &frmHeslo::cmdOK_Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(txtHeslo);
  layout->addLayout(buttons);
  adjustSize();
  centreOnScreen(*this);
}

void frmHeslo::cmdOK_Click() {
  context_.stav.HesloZruseno = false;
  context_.stav.HesloZadane = fromQString(txtHeslo->text());
  accept();
}

void frmHeslo::reject() {
  context_.stav.HesloZruseno = true;
  context_.stav.HesloZadane.clear();
  QDialog::reject();
}

}  // namespace tymba
