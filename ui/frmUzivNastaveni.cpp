#include "ui/frmUzivNastaveni.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/application.h"
#include "ui/frmZaklad.h"
#include "ui/settingsfields.h"

namespace tymba {

frmUzivNastaveni::frmUzivNastaveni(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmUzivNastaveni"));
  setWindowTitle(QStringLiteral("Uživatelovo nastavení testu"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label4 = namedLabel("Label4",
                      QStringLiteral("Nyní si můžete nastavit test podle vlastní úvahy. "), this);
  Label3 = namedLabel("Label3", QStringLiteral("Nastavte:"), this);
  Label2 = namedLabel("Label2", QStringLiteral("Dobu testu (minuty):"), this);
  txtDoba = numberBox("txtDoba", QStringLiteral("10"), 3, this);
  Label6 = namedLabel("Label6", QStringLiteral("Ztrátu úhozů za chybu:"), this);
  txtChyba = numberBox("txtChyba", QStringLiteral("20"), 3, this);
  cmdOK = namedButton("cmdOK", QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  cmdStorno = namedButton("cmdStorno", QStringLiteral("Storno"), this);
  connect(cmdOK, &QPushButton::clicked, this, &frmUzivNastaveni::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmUzivNastaveni::cmdStorno_Click);
  layOutSettings(*this, {Label4, Label3}, {{Label2, txtDoba}, {Label6, txtChyba}},
                 {cmdOK, cmdStorno});
}

void frmUzivNastaveni::cmdOK_Click() {
  SharedState& stav = context_.stav;
  const auto settings = checkedOwnTestSettings(context_.messages, *txtDoba, *txtChyba);
  if (!settings) return;
  const int doba = settings->minutes, ztrata = settings->loss;
  if (stav.ZdrojTestu == u"Ze souboru") {
    startFileTest(doba, ztrata);
    return;
  }
  zaklad_.Vymazat();
  stav.DobaTestu = doba;
  stav.ZtrataUhozu = ztrata;
  accept();
  zaklad_.openTextList();
}

// The run resets itself once its text has been read; a text that cannot be
// started (gone, unreadable, empty, too large) leaves everything as it was
// before the menu item, as if the dialog had been cancelled.
void frmUzivNastaveni::startFileTest(int doba, int ztrata) {
  SharedState& stav = context_.stav;
  const int previousDoba = stav.DobaTestu;
  const int previousZtrata = stav.ZtrataUhozu;
  stav.DobaTestu = doba;
  stav.ZtrataUhozu = ztrata;
  stav.ZdrojTestu.clear();
  accept();
  if (zaklad_.startFileTest()) return;
  restoreTestSource(stav);
  stav.DobaTestu = previousDoba;
  stav.ZtrataUhozu = previousZtrata;
}

void frmUzivNastaveni::cmdStorno_Click() { reject(); }

void frmUzivNastaveni::reject() {
  restoreTestSource(context_.stav);
  QDialog::reject();
}

}  // namespace tymba
