#pragma once
// What the identity dialogs share: their controls made with the names tests
// use as handles, the password boxes that show "*" for every character, and
// the identity lists that are read again from the store whenever their window
// becomes active, keeping the chosen entry.

#include <QString>
#include <string>
#include <vector>

class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tymba {

struct AppContext;

// The dialog's object name and title; it is deleted once closed.
void setUpIdentityDialog(QDialog& dialog, const char* name, const QString& title);
QLabel* identityLabel(const char* name, const QString& caption, QWidget* parent);
QPushButton* identityButton(const char* name, const QString& caption, QWidget* parent);
// A box of at most maxLength characters that selects its text on focus.
QLineEdit* identityBox(const char* name, int maxLength, QWidget* parent);
QLineEdit* passwordBox(const char* name, int maxLength, QWidget* parent);
// "OK" (the default button) and "Storno" (which rejects the dialog) at the
// right of a row.
QHBoxLayout* okAndStornoRow(QDialog& dialog, QPushButton*& cmdOK, QPushButton*& cmdStorno);

// The names in the list, the entry chosen before still chosen when it is
// there; no signal of the list is sent. Returns whether an entry is chosen.
bool refillIdentities(QListWidget& list, const std::vector<std::u16string>& names);
// The entry chosen, or nothing.
std::u16string chosenIdentity(const QListWidget& list);

// Shows an identity dialog centred on the screen and modal.
void openCentred(AppContext& context, QDialog& dialog);

}  // namespace tymba
