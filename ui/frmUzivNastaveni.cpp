#include "ui/frmUzivNastaveni.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/testsetup.h"
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

void frmUzivNastaveni::refuse(const QString& text, QLineEdit* field) {
  refuseField(context_.messages, text, field);
}

void frmUzivNastaveni::cmdOK_Click() {
  SharedState& stav = context_.stav;
  if (txtDoba->text().isEmpty() || txtChyba->text().isEmpty()) {
    refuse(QStringLiteral("Všechna políčka musí být vyplněna"), nullptr);
    if (txtDoba->text().isEmpty()) txtDoba->setFocus();
    if (txtChyba->text().isEmpty()) txtChyba->setFocus();
    return;
  }
  const auto minutes = numberIn(*txtDoba);
  const auto loss = numberIn(*txtChyba);
  if (!minutes || !loss) {
    refuse(QStringLiteral("Všechna políčka mohou mít pouze číselnou hodnotu\r\n"
                          "Políčko 'Doba testu' nesmí přesáhnout hodnotu 60 minut\r\n"
                          "Ztráta úhozů nesmí přesáhnout 500 úhozů"),
           !minutes ? txtDoba : txtChyba);
    return;
  }
  const auto doba = roundedWithin(*minutes, kTestMinutesMin, kTestMinutesMax);
  if (!doba) {
    refuse(QStringLiteral("Můžete zadávat pouze hodnoty pro pole 'doba' pouze od 1 do 60"),
           txtDoba);
    return;
  }
  const auto ztrata = roundedWithin(*loss, kLossPerErrorMin, kLossPerErrorMax);
  if (!ztrata) {
    refuse(QStringLiteral("Můžete zadávat pouze hotnoty pro pole 'chyba' pouze od 1 do 500"),
           txtChyba);
    return;
  }
  if (stav.ZdrojTestu == u"Ze souboru") {
    startFileTest(*doba, *ztrata);
    return;
  }
  zaklad_.Vymazat();
  stav.DobaTestu = *doba;
  stav.ZtrataUhozu = *ztrata;
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
