// The main window's side of the options window: opening it, and showing at
// once what it has saved.

#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmMoznosti.h"
#include "ui/frmZaklad.h"

namespace tymba {

// Not over a timed run: the options change what the run is measured by.
void frmZaklad::miMoznosti_Click() {
  if (tmrCas->isActive()) return;
  auto* options = new frmMoznosti(context_, *this);
  centreOnScreen(*options);
  context_.dialogs.run(*options);
}

void frmZaklad::showSavedOptions(int pismo) {
  SharedState& stav = context_.stav;
  const Nastaveni& options = stav.nastaveni;
  applyOptions();
  if (!picVZadani->isHidden()) showKeyboardGuide(options.ZobrazKlavesnici == "1");
  frmLimity->setVisible(options.LimityVisible == "1");
  lstSeznamChyb->setVisible(options.SeznamChyb == "1");
  // A prepared test takes the new loss per error, so that what its caption
  // says is what its result charges.
  if (!lblZtrata->text().isEmpty()) {
    stav.ZtrataUhozu = options.Chyba;
    lblZtrata->setText(QString::number(options.Chyba));
  }
  if (pismo == 1) MalePismo();
  if (pismo == 2) StredniPismo();
  if (pismo == 3) VelkePismo();
}

}  // namespace tymba
