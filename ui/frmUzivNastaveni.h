#pragma once
// "Uživatelovo nastavení testu": the duration and the loss per error of a
// user-configured test. OK checks both and opens the list of texts, or starts
// a text file the user picked at once.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmUzivNastaveni : public QDialog {
  Q_OBJECT
 public:
  frmUzivNastaveni(AppContext& context, frmZaklad& zaklad);

  // Storno, Esc and the close box all end here: what the opener changed
  // is put back.
  void reject() override;

 private:
  void cmdOK_Click();
  void cmdStorno_Click();
  void startFileTest(int doba, int ztrata);

  AppContext& context_;
  frmZaklad& zaklad_;
  QLabel* Label4 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtDoba = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* txtChyba = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
