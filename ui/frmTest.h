#pragma once
// "Přehled písemností": the list of exercise texts. OK starts the chosen text
// as the test the menu item prepared.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmTest : public QDialog {
  Q_OBJECT
 public:
  frmTest(AppContext& context, frmZaklad& zaklad);

 private:
  void Form_Load();
  void lstSeznam_Click();
  void cmdUkaz_Click();
  void cmdOK_Click();
  void Command2_Click();
  QString selectedEntry() const;

  AppContext& context_;
  frmZaklad& zaklad_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* lstSeznam = nullptr;
  QPushButton* cmdUkaz = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* cmdOK = nullptr;
};

}  // namespace tymba
