#pragma once
// "Uživatelské nastavení procvičování": the duration, the loss per error and
// the two limits of a practice run. "Pokračovat" checks them, puts them into
// the run and opens the list of practice texts.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmVUzivNastaveni : public QDialog {
  Q_OBJECT
 public:
  frmVUzivNastaveni(AppContext& context, frmZaklad& zaklad);

 private:
  void cmdOK_Click();
  void cmdStorno_Click();

  AppContext& context_;
  frmZaklad& zaklad_;
  QLabel* Label4 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtDoba = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* txtChyba = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* txtLRychlost = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* txtLChyba = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
