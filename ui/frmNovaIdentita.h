#pragma once
// "Vytvoření nové identity": a new identity from a name and a password. The
// new identity does not become the current one.

#include <QDialog>

#include "storage/identitystore.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tymba {

struct AppContext;

class frmNovaIdentita : public QDialog {
  Q_OBJECT
 public:
  frmNovaIdentita(AppContext& context, QWidget* parent);

 private:
  void cmdOK_Click();
  void refuse(const QString& text);

  AppContext& context_;
  IdentityStore store_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtJmeno = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* txtHeslo = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
