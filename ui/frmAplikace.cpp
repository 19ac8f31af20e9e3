#include "ui/frmAplikace.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/programpicture.h"

namespace tymba {

frmAplikace::frmAplikace(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAplikace"));
  setWindowTitle(QStringLiteral("O aplikaci"));
  setAttribute(Qt::WA_DeleteOnClose);

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(programPicture());
  Command1 = new QPushButton(QStringLiteral("Zpět"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Picture1);
  layout->addWidget(Command1, 0, Qt::AlignRight);
  adjustSize();
}

}  // namespace tymba
