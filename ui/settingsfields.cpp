#include "ui/settingsfields.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/testsetup.h"
#include "ui/messages.h"
#include "ui/selectonfocus.h"

namespace tymba {

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLineEdit* numberBox(const char* name, const QString& initial, int maxLength, QWidget* parent) {
  auto* box = new QLineEdit(initial, parent);
  box->setObjectName(QString::fromLatin1(name));
  if (maxLength > 0) box->setMaxLength(maxLength);
  selectAllOnFocus(*box);
  return box;
}

std::optional<double> numberIn(const QLineEdit& box) {
  bool ok = false;
  const double value = QLocale().toDouble(box.text().trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

void layOutSettings(QDialog& dialog, std::initializer_list<QLabel*> captions,
                    std::initializer_list<std::pair<QLabel*, QLineEdit*>> rows,
                    std::initializer_list<QPushButton*> buttons) {
  auto* layout = new QVBoxLayout(&dialog);
  for (QLabel* caption : captions) layout->addWidget(caption);
  auto* fields = new QGridLayout();
  int row = 0;
  for (const auto& [label, box] : rows) {
    fields->addWidget(label, row, 0);
    fields->addWidget(box, row++, 1);
  }
  layout->addLayout(fields);
  auto* buttonRow = new QHBoxLayout();
  buttonRow->addStretch();
  for (QPushButton* button : buttons) buttonRow->addWidget(button);
  layout->addLayout(buttonRow);
  dialog.adjustSize();
}

void refuseField(Messages& messages, const QString& text, QLineEdit* field) {
  messages.show(text, QStringLiteral("Přerušení"), MessageIcon::Exclamation);
  if (!field) return;
  field->setFocus();
  field->selectAll();
}

std::optional<OwnTestSettings> checkedOwnTestSettings(Messages& messages, QLineEdit& doba,
                                                      QLineEdit& chyba) {
  if (doba.text().isEmpty() || chyba.text().isEmpty()) {
    refuseField(messages, QStringLiteral("Všechna políčka musí být vyplněna"), nullptr);
    if (doba.text().isEmpty()) doba.setFocus();
    if (chyba.text().isEmpty()) chyba.setFocus();
    return std::nullopt;
  }
  const auto minutes = numberIn(doba);
  const auto loss = numberIn(chyba);
  if (!minutes || !loss) {
    refuseField(messages,
                QStringLiteral("Všechna políčka mohou mít pouze číselnou hodnotu\r\n"
                               "Políčko 'Doba testu' nesmí přesáhnout hodnotu 60 minut\r\n"
                               "Ztráta úhozů nesmí přesáhnout 500 úhozů"),
                !minutes ? &doba : &chyba);
    return std::nullopt;
  }
  const auto minutesWhole = roundedWithin(*minutes, kTestMinutesMin, kTestMinutesMax);
  if (!minutesWhole) {
    refuseField(messages,
                QStringLiteral("Můžete zadávat pouze hodnoty pro pole 'doba' pouze od 1 do 60"),
                &doba);
    return std::nullopt;
  }
  const auto lossWhole = roundedWithin(*loss, kLossPerErrorMin, kLossPerErrorMax);
  if (!lossWhole) {
    refuseField(messages,
                QStringLiteral("Můžete zadávat pouze hotnoty pro pole 'chyba' pouze od 1 do 500"),
                &chyba);
    return std::nullopt;
  }
  return OwnTestSettings{*minutesWhole, *lossWhole};
}

}  // namespace tymba
