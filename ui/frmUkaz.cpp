#include "ui/frmUkaz.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cp1250.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/textconvert.h"

namespace tymba {

frmUkaz::frmUkaz(AppContext& context, const QString& entry, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmUkaz"));
  setWindowTitle(QStringLiteral("Test"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = new QLabel(QStringLiteral("Název:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  lblNazev = new QLabel(entry, this);
  lblNazev->setObjectName(QStringLiteral("lblNazev"));
  txtUkaz = new QPlainTextEdit(this);
  txtUkaz->setObjectName(QStringLiteral("txtUkaz"));
  txtUkaz->setReadOnly(true);
  txtUkaz->setFont(QFont(QStringLiteral("Courier New")));
  cmdZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
  cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
  connect(cmdZavrit, &QPushButton::clicked, this, &QDialog::accept);

  auto* name = new QHBoxLayout();
  name->addWidget(Label1);
  name->addWidget(lblNazev, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(name);
  layout->addWidget(txtUkaz);
  layout->addWidget(cmdZavrit, 0, Qt::AlignRight);
  resize(560, 420);

  const std::string text = entry.toStdString();
  const auto file =
      context.folders.find(context.stav.UkazProcvicovani ? "\\Procvicovani\\" + text + ".vyu"
                                                         : "\\cviceni\\" + text + ".txt");
  try {
    txtUkaz->setPlainText(toBox(readWholeText(file)));
  } catch (const TextFileError&) {
    txtUkaz->setPlainText(QStringLiteral("Písemnost '%1' nelze přečíst.").arg(entry));
  }
}

void frmUkaz::done(int result) {
  context_.stav.UkazProcvicovani = false;
  QDialog::done(result);
}

}  // namespace tymba
