#pragma once
// "Ověření": asks for an identity's password before the identity is removed.
// Its answer is left in the shared state (HesloZadane, HesloZruseno) for the
// identity manager, which goes on when this window closes.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tymba {

struct AppContext;

class frmHeslo : public QDialog {
  Q_OBJECT
 public:
  frmHeslo(AppContext& context, QWidget* parent);

  // Storno, Esc and the close box all cancel the prompt.
  void reject() override;

 private:
  void cmdOK_Click();

  AppContext& context_;
  QLabel* Label1 = nullptr;
  QLineEdit* txtHeslo = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
