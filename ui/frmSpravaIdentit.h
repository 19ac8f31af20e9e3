#pragma once
// "Správce identit ...": lists the identities, adds one, and removes one once
// its password has been given again and the removal confirmed. The list is
// read again whenever the window becomes active and after each change.

#include <QDialog>
#include <string>

#include "storage/identitystore.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tymba {

struct AppContext;

class frmSpravaIdentit : public QDialog {
  Q_OBJECT
 public:
  frmSpravaIdentit(AppContext& context, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void refill();
  void lstIdentity_Click();
  void Command1_Click();
  void cmdOdebrat_Click();
  // The rest of a removal, once the password prompt has closed.
  void frmHeslo_Unload();

  AppContext& context_;
  IdentityStore store_;
  std::u16string removing_;
  QLabel* Label5 = nullptr;
  QLabel* Label1 = nullptr;
  QListWidget* lstIdentity = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* cmdOdebrat = nullptr;
  QPushButton* cmdOK = nullptr;
};

}  // namespace tymba
