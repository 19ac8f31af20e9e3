#pragma once
// The lists of texts to choose from (exercise texts, practice texts). An
// entry counts as chosen only while it is selected, by the mouse or by the
// keyboard; a list filled with no entry chosen keeps none current, so that the
// first Down chooses the first entry.

#include <QString>
#include <initializer_list>

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;

namespace tymba {

// The captions on top, the list, the preview button on the left and the
// others on the right below it.
void layOutTextList(QDialog& dialog, std::initializer_list<QLabel*> captions, QListWidget* list,
                    QPushButton* preview, std::initializer_list<QPushButton*> buttons);

// The chosen entry's name; empty when none is chosen.
QString chosenEntry(const QListWidget& list);

}  // namespace tymba
