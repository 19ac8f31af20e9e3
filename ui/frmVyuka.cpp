#include "ui/frmVyuka.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmSlozka.h"
#include "ui/frmVyukaUvod.h"
#include "ui/frmZaklad.h"

namespace tymba {
namespace {

const QString kIntroduction = QStringLiteral("Úvod - než začnete psát!");

}  // namespace

QStringList lessonTextNames(AppContext& context, std::string_view folder, QWidget* parent) {
  QStringList names;
  auto folders = context.folders.existingFolders(folder);
  if (folders.empty()) return names;
  frmSlozka lister(context, parent);  // loaded for its file list, never shown
  lister.setFileFolders(std::move(folders));
  lister.setFilePattern(QStringLiteral("*.vyu"));
  for (const QString& file : lister.fileNames()) names.append(file.chopped(4));
  return names;
}

frmVyuka::frmVyuka(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmVyuka"));
  setWindowTitle(QStringLiteral("Výuka"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = new QLabel(
      QStringLiteral(
          "Pokud jste začátečníky v psaní na stroji, je toto určeno právě pro vás. Nyní "
          "si tedy můžete vybrat určitou lekci (doporučuji jít postupně) a cvičit určité "
          "písmena. A pokud je budete umět můžete je procvičit na souhrnných textech."),
      this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setWordWrap(true);
  Label2 = new QLabel(QStringLiteral("Lekce:"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  cmbVyuka = new QComboBox(this);
  cmbVyuka->setObjectName(QStringLiteral("cmbVyuka"));
  Label2->setBuddy(cmbVyuka);
  cmdVyuka = new QPushButton(QStringLiteral("Výuka"), this);
  cmdVyuka->setObjectName(QStringLiteral("cmdVýuka"));
  cmdVyuka->setDefault(true);  // Enter in the list starts the chosen entry
  Command1 = new QPushButton(QStringLiteral("Klávesnice..."), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
  cmdStorno->setObjectName(QStringLiteral("cmdStorno"));

  auto* choice = new QHBoxLayout();
  choice->addWidget(Label2);
  choice->addWidget(cmbVyuka, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(Command1);
  buttons->addStretch();
  buttons->addWidget(cmdVyuka);
  buttons->addWidget(cmdStorno);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(choice);
  layout->addLayout(buttons);
  resize(460, 200);

  // Esc and the close box reject the dialog, as Storno does.
  connect(cmdVyuka, &QPushButton::clicked, this, &frmVyuka::cmdVyuka_Click);
  connect(Command1, &QPushButton::clicked, this, &frmVyuka::Command1_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmVyuka::cmdStorno_Click);
  Form_Load();
}

void frmVyuka::Form_Load() {
  cmbVyuka->addItem(kIntroduction);
  cmbVyuka->addItems(lessonTextNames(context_, "\\Vyuka", this));
  cmbVyuka->setCurrentIndex(0);
}

void frmVyuka::cmdVyuka_Click() {
  if (cmbVyuka->currentIndex() <= 0) {
    openIntroduction(context_, *this);
    return;
  }
  // The dialog steps aside while the lesson starts; a lesson that cannot be
  // read brings it back with the choice as it was.
  hide();
  if (zaklad_.startLessonFile(cmbVyuka->currentText(), LessonKind::Lesson))
    accept();
  else
    show();
}

void frmVyuka::Command1_Click() { zaklad_.openKeyboardWindow(); }

void frmVyuka::cmdStorno_Click() { reject(); }

}  // namespace tymba
