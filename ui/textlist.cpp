#include "ui/textlist.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tymba {

void layOutTextList(QDialog& dialog, std::initializer_list<QLabel*> captions, QListWidget* list,
                    QPushButton* preview, std::initializer_list<QPushButton*> buttons) {
  auto* buttonRow = new QHBoxLayout();
  buttonRow->addWidget(preview);
  buttonRow->addStretch();
  for (QPushButton* button : buttons) buttonRow->addWidget(button);
  auto* layout = new QVBoxLayout(&dialog);
  for (QLabel* caption : captions) layout->addWidget(caption);
  layout->addWidget(list);
  layout->addLayout(buttonRow);
  dialog.resize(420, 380);
}

QString chosenEntry(const QListWidget& list) {
  const QListWidgetItem* item = list.currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

}  // namespace tymba
