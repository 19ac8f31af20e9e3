#pragma once
// "Přepnout identitu ...": switches to another identity, the main one without
// a password, any other with its password. Opening it drops the identities
// whose user file has gone; the list is read again whenever the window
// becomes active, so that it shows what the identity manager changed.

#include <QDialog>
#include <string>

#include "storage/identitystore.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmPrepnoutIde : public QDialog {
  Q_OBJECT
 public:
  frmPrepnoutIde(AppContext& context, frmZaklad& zaklad);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void refill();
  void lstIdentita_Click();
  void cmdOK_Click();
  void cmdSpravaIdentit_Click();

  AppContext& context_;
  frmZaklad& zaklad_;
  IdentityStore store_;
  QLabel* Label4 = nullptr;
  QLabel* Label1 = nullptr;
  QListWidget* lstIdentita = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtHeslo = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
  QPushButton* cmdSpravaIdentit = nullptr;
};

}  // namespace tymba
