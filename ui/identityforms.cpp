#include "ui/identityforms.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/application.h"
#include "ui/centring.h"
#include "ui/selectonfocus.h"
#include "ui/textconvert.h"

namespace tymba {

void setUpIdentityDialog(QDialog& dialog, const char* name, const QString& title) {
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setWindowTitle(title);
  dialog.setAttribute(Qt::WA_DeleteOnClose);
}

QLabel* identityLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

QPushButton* identityButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* identityBox(const char* name, int maxLength, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxLength(maxLength);
  selectAllOnFocus(*box);
  return box;
}

QLineEdit* passwordBox(const char* name, int maxLength, QWidget* parent) {
  QLineEdit* box = identityBox(name, maxLength, parent);
  box->setEchoMode(QLineEdit::Password);
  box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  return box;
}

QHBoxLayout* okAndStornoRow(QDialog& dialog, QPushButton*& cmdOK, QPushButton*& cmdStorno) {
  cmdOK = identityButton("cmdOK", QStringLiteral("OK"), &dialog);
  cmdOK->setDefault(true);
  cmdStorno = identityButton("cmdStorno", QStringLiteral("Storno"), &dialog);
  QObject::connect(cmdStorno, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout();
  row->addStretch();
  row->addWidget(cmdOK);
  row->addWidget(cmdStorno);
  return row;
}

bool refillIdentities(QListWidget& list, const std::vector<std::u16string>& names) {
  const QSignalBlocker quiet(list);
  const std::u16string chosen = chosenIdentity(list);
  list.clear();
  for (const std::u16string& name : names) {
    list.addItem(toQString(name));
    if (!chosen.empty() && name == chosen) list.setCurrentRow(list.count() - 1);
  }
  return !list.selectedItems().isEmpty();
}

std::u16string chosenIdentity(const QListWidget& list) {
  const QList<QListWidgetItem*> chosen = list.selectedItems();
  return chosen.isEmpty() ? std::u16string() : fromQString(chosen.front()->text());
}

void openCentred(AppContext& context, QDialog& dialog) {
  centreOnScreen(dialog);
  context.dialogs.run(dialog);
}

}  // namespace tymba
