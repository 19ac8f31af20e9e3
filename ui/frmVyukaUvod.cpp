#include "ui/frmVyukaUvod.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

// Prose to read, not a text to copy: the desktop's own font, a little larger.
constexpr qreal kReadingPointSizeFactor = 1.2;

}  // namespace

frmVyukaUvod::frmVyukaUvod(const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmVyukaUvod"));
  setWindowTitle(QStringLiteral("Úvod - než začnete psát!"));
  setAttribute(Qt::WA_DeleteOnClose);

  txtUvod = new QPlainTextEdit(text, this);
  txtUvod->setObjectName(QStringLiteral("txtUvod"));
  txtUvod->setReadOnly(true);
  txtUvod->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont reading = txtUvod->font();
  reading.setPointSizeF(reading.pointSizeF() * kReadingPointSizeFactor);
  txtUvod->setFont(reading);
  cmdZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
  cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
  cmdZavrit->setDefault(true);
  // Esc closes the window as Zavřít does.
  connect(cmdZavrit, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtUvod);
  layout->addWidget(cmdZavrit, 0, Qt::AlignRight);
  resize(640, 520);
  cmdZavrit->setFocus();
}

void openIntroduction(AppContext& context, QWidget& parent) {
  const auto file = context.folders.find("\\Vyuka\\Úvod.txt");
  QString text;
  try {
    text = toBox(readWholeText(file));
  } catch (const TextFileError&) {
    context.messages.show(QStringLiteral("Úvod '%1' nebyl nalezen nebo jej nelze přečíst.")
                              .arg(QString::fromStdString(file.string())),
                          QStringLiteral("Přerušení"), MessageIcon::Critical);
    return;
  }
  auto* introduction = new frmVyukaUvod(text, &parent);
  centreOnScreen(*introduction);
  context.dialogs.run(*introduction);
}

}  // namespace tymba
