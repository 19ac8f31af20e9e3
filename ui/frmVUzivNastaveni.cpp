#include "ui/frmVUzivNastaveni.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <optional>

#include "core/testsetup.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmVyukaSeznam.h"
#include "ui/frmZaklad.h"
#include "ui/settingsfields.h"

namespace tymba {

frmVUzivNastaveni::frmVUzivNastaveni(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmVUzivNastaveni"));
  setWindowTitle(QStringLiteral("Uživatelské nastavení procvičování"));
  setAttribute(Qt::WA_DeleteOnClose);

  const Nastaveni& options = context.stav.nastaveni;
  Label4 = namedLabel("Label4",
                      QStringLiteral("Nyní si můžete nastavit test podle vlastní úvahy. "), this);
  Label3 = namedLabel("Label3", QStringLiteral("Nastavte:"), this);
  Label2 = namedLabel("Label2", QStringLiteral("Dobu testu (minuty):"), this);
  txtDoba = numberBox("txtDoba", QStringLiteral("1"), 0, this);
  Label6 = namedLabel("Label6", QStringLiteral("Ztrátu úhozů za chybu:"), this);
  txtChyba = numberBox("txtChyba", QString::number(options.Chyba), 3, this);
  Label7 = namedLabel("Label7", QStringLiteral("Zadejte limitu pro rychlost úhozů:"), this);
  txtLRychlost = numberBox("txtLRychlost", QString::number(options.LimitRychlost), 3, this);
  Label8 = namedLabel("Label8", QStringLiteral("Zadejte limitu pro procento chyb"), this);
  txtLChyba = numberBox("txtLChyba", QString::number(options.LimitChyba), 2, this);
  cmdOK = namedButton("cmdOK", QStringLiteral("Pokračovat"), this);
  cmdOK->setDefault(true);
  cmdStorno = namedButton("cmdStorno", QStringLiteral("Storno"), this);
  connect(cmdOK, &QPushButton::clicked, this, &frmVUzivNastaveni::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmVUzivNastaveni::cmdStorno_Click);
  layOutSettings(
      *this, {Label4, Label3},
      {{Label2, txtDoba}, {Label6, txtChyba}, {Label7, txtLRychlost}, {Label8, txtLChyba}},
      {cmdOK, cmdStorno});
}

// Nothing reaches the run before all four boxes have passed.
void frmVUzivNastaveni::cmdOK_Click() {
  const std::array<QLineEdit*, 4> boxes{txtDoba, txtChyba, txtLRychlost, txtLChyba};
  Messages& messages = context_.messages;
  if (std::any_of(boxes.begin(), boxes.end(),
                  [](QLineEdit* box) { return box->text().isEmpty(); })) {
    refuseField(messages, QStringLiteral("Všechny kolonky musí být vyplněny"), nullptr);
    for (QLineEdit* box : boxes)
      if (box->text().isEmpty()) box->setFocus();  // the last empty one keeps it
    return;
  }
  // A limit is a whole number the run can hold; one beyond is refused as
  // no number of a limit.
  const auto limit = [](const QLineEdit& box) -> std::optional<int> {
    const auto value = numberIn(box);
    return value ? roundedWithin(*value, kLimitMin, kLimitMax) : std::nullopt;
  };
  const auto minutes = numberIn(*txtDoba);
  const auto loss = numberIn(*txtChyba);
  const auto speedLimit = limit(*txtLRychlost);
  const auto errorLimit = limit(*txtLChyba);
  const std::array<bool, 4> numbers{bool(minutes), bool(loss), bool(speedLimit), bool(errorLimit)};
  if (const auto first = std::find(numbers.begin(), numbers.end(), false); first != numbers.end()) {
    refuseField(messages, QStringLiteral("Můžete zadávat pouze číselné hodnoty"),
                boxes[std::size_t(first - numbers.begin())]);
    return;
  }
  const auto doba = roundedWithin(*minutes, kTestMinutesMin, kTestMinutesMax);
  const auto ztrata = roundedWithin(*loss, kLossPerErrorMin, kLossPerErrorMax);
  if (!doba || !ztrata) {
    refuseField(messages,
                QStringLiteral("Políčko 'Doba testu' nesmí přesáhnout hodnotu 60 minut\r\n"
                               "Ztráta úhozů nesmí přesáhnout 500 úhozů"),
                doba ? txtChyba : txtDoba);
    return;
  }
  zaklad_.Vymazat();
  SharedState& stav = context_.stav;
  stav.DobaTestu = *doba;
  stav.ZtrataUhozu = *ztrata;
  stav.LimitRychlostiTestu = *speedLimit;
  stav.LimitChybTestu = *errorLimit;
  accept();
  auto* list = new frmVyukaSeznam(context_, zaklad_);
  centreOnScreen(*list);
  context_.dialogs.run(*list);
}

void frmVUzivNastaveni::cmdStorno_Click() { reject(); }

}  // namespace tymba
