#pragma once
// The fields of the small dialogs that set up a test: captions, boxes for
// numbers, their layout and their refusals. A number box selects its whole
// text when it gets the focus, so that typing replaces it; what it holds is
// read as the user's locale writes numbers.

#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tymba {

class Messages;

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent);
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);

// maxLength 0: as long as the user likes.
QLineEdit* numberBox(const char* name, const QString& initial, int maxLength, QWidget* parent);

// A number as the user's locale writes it ("7,5" in Czech), blanks around it
// allowed. The parser also takes "nan" and "inf", which are no numbers of a
// test's settings.
std::optional<double> numberIn(const QLineEdit& box);

// The captions above, a caption and its box on each row, the buttons at the
// bottom right.
void layOutSettings(QDialog& dialog, std::initializer_list<QLabel*> captions,
                    std::initializer_list<std::pair<QLabel*, QLineEdit*>> rows,
                    std::initializer_list<QPushButton*> buttons);

// Refused input: the message ("Přerušení", exclamation), then the field, if
// any, gets the focus with its whole text selected.
void refuseField(Messages& messages, const QString& text, QLineEdit* field);

// The duration (1 to 60 minutes) and the loss per error (1 to 500) of a
// test of one's own, checked in this order with their refusals; nothing when
// one was refused.
struct OwnTestSettings {
  int minutes = 0;
  int loss = 0;
};
std::optional<OwnTestSettings> checkedOwnTestSettings(Messages& messages, QLineEdit& doba,
                                                      QLineEdit& chyba);

}  // namespace tymba
