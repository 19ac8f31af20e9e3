#include "ui/frmNovaIdentita.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/identity.h"
#include "ui/application.h"
#include "ui/identityforms.h"
#include "ui/textconvert.h"

namespace tymba {

frmNovaIdentita::frmNovaIdentita(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), store_(context.settings, context.folders) {
  setUpIdentityDialog(*this, "frmNovaIdentita", QStringLiteral("Vytvoření nové identity"));
  Label1 = identityLabel(
      "Label1",
      QStringLiteral("Zde si můžete vytvořit svou vlastní identifikaci zadáním uživatelského "
                     "jména a hesla. Po přihlášení bude program automaticky ukládat všechny "
                     "vaše napsané testy."),
      this);
  Label2 = identityLabel("Label2", QStringLiteral("Zadejte:"), this);
  Label4 = identityLabel("Label4", QStringLiteral("Uživatelské jméno:"), this);
  txtJmeno = identityBox("txtJmeno", int(kIdentityNameMaxLength), this);
  Label5 = identityLabel("Label5", QStringLiteral("Heslo:"), this);
  txtHeslo = passwordBox("txtHeslo", 10, this);
  QHBoxLayout* buttons = okAndStornoRow(*this, cmdOK, cmdStorno);
  connect(cmdOK, &QPushButton::clicked, this, &frmNovaIdentita::cmdOK_Click);

  auto* fields = new QGridLayout();
  fields->addWidget(Label4, 0, 0);
  fields->addWidget(txtJmeno, 0, 1);
  fields->addWidget(Label5, 1, 0);
  fields->addWidget(txtHeslo, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  resize(420, 0);
  adjustSize();
}

void frmNovaIdentita::refuse(const QString& text) {
  context_.messages.show(text, QStringLiteral("Přerušení"), MessageIcon::Exclamation);
}

void frmNovaIdentita::cmdOK_Click() {
  const std::u16string name = fromQString(txtJmeno->text());
  CreateOutcome outcome{};
  try {
    outcome = store_.create(name, fromQString(txtHeslo->text()));
  } catch (const std::runtime_error&) {
    context_.messages.show(QStringLiteral("Identitu '%1' nelze vytvořit, protože soubor uživatele "
                                          "nebo nastavení programu nelze zapsat.")
                               .arg(txtJmeno->text()),
                           QStringLiteral("Chyba"), MessageIcon::Critical);
    return;
  }
  switch (outcome) {
    case CreateOutcome::EmptyField:
      refuse(QStringLiteral("Políčko Uživatele nebo Hesla není zadáno"));
      return;
    case CreateOutcome::NameExists:
      refuse(QStringLiteral("Uživatelské jméno již existuje, zadejte prosím jiné"));
      return;
    case CreateOutcome::NameRefused:
      // The name becomes the name of the identity's file, so it must be one.
      refuse(
          QStringLiteral("Uživatelské jméno nesmí obsahovat znaky \\/:*?\"<>| ani řídicí "
                         "znaky a nesmí začínat ani končit mezerou nebo tečkou, zadejte "
                         "prosím jiné"));
      txtJmeno->setFocus();
      txtJmeno->selectAll();
      return;
    case CreateOutcome::Created:
      break;
  }
  context_.messages.show(QStringLiteral("Vše proběhlo v pořádku"), QStringLiteral("Hláška"),
                         MessageIcon::Information);
  accept();
}

}  // namespace tymba
