#include "ui/frmUzivNastaveni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "core/testsetup.h"
#include "ui/application.h"
#include "ui/frmZaklad.h"
#include "ui/selectonfocus.h"

namespace tymba {
namespace {

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* numberBox(const char* name, const QString& initial, QWidget* parent) {
  auto* box = new QLineEdit(initial, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxLength(3);
  return box;
}

// A number as the user's locale writes it ("7,5" in Czech). The parser also
// takes "nan" and "inf", which are no numbers of a duration.
std::optional<double> numberIn(const QLineEdit* box) {
  bool ok = false;
  const double value = QLocale().toDouble(box->text().trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

frmUzivNastaveni::frmUzivNastaveni(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmUzivNastaveni"));
  setWindowTitle(QStringLiteral("Uživatelovo nastavení testu"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label4 = namedLabel("Label4",
                      QStringLiteral("Nyní si můžete nastavit test podle vlastní úvahy. "), this);
  Label3 = namedLabel("Label3", QStringLiteral("Nastavte:"), this);
  Label2 = namedLabel("Label2", QStringLiteral("Dobu testu (minuty):"), this);
  txtDoba = numberBox("txtDoba", QStringLiteral("10"), this);
  Label6 = namedLabel("Label6", QStringLiteral("Ztrátu úhozů za chybu:"), this);
  txtChyba = numberBox("txtChyba", QStringLiteral("20"), this);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
  cmdStorno->setObjectName(QStringLiteral("cmdStorno"));
  for (QLineEdit* box : {txtDoba, txtChyba}) selectAllOnFocus(*box);
  connect(cmdOK, &QPushButton::clicked, this, &frmUzivNastaveni::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmUzivNastaveni::cmdStorno_Click);

  auto* fields = new QGridLayout();
  fields->addWidget(Label2, 0, 0);
  fields->addWidget(txtDoba, 0, 1);
  fields->addWidget(Label6, 1, 0);
  fields->addWidget(txtChyba, 1, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdStorno);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label4);
  layout->addWidget(Label3);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  adjustSize();
}

void frmUzivNastaveni::refuse(const QString& text, QLineEdit* field) {
  context_.messages.show(text, QStringLiteral("Přerušení"), MessageIcon::Exclamation);
  if (!field) return;
  field->setFocus();
  field->selectAll();
}

void frmUzivNastaveni::cmdOK_Click() {
  SharedState& stav = context_.stav;
  if (txtDoba->text().isEmpty() || txtChyba->text().isEmpty()) {
    refuse(QStringLiteral("Všechna políčka musí být vyplněna"), nullptr);
    if (txtDoba->text().isEmpty()) txtDoba->setFocus();
    if (txtChyba->text().isEmpty()) txtChyba->setFocus();
    return;
  }
  const auto minutes = numberIn(txtDoba);
  const auto loss = numberIn(txtChyba);
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
