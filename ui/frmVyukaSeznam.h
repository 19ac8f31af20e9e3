#pragma once
// "Seznam písemností": the list of practice texts. OK starts the chosen text
// as a practice run with the settings its settings dialog has put into the
// run.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmVyukaSeznam : public QDialog {
  Q_OBJECT
 public:
  frmVyukaSeznam(AppContext& context, frmZaklad& zaklad);

  // Storno, Esc and the close box all end here: nothing is prepared, so the
  // main window's exercise box has nothing to take.
  void reject() override;

 private:
  void Form_Load();
  void lstSeznam_Click();
  void cmdUkaz_Click();
  void cmdOK_Click();
  void cmdStorno_Click();
  QString selectedEntry() const;

  AppContext& context_;
  frmZaklad& zaklad_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* lstSeznam = nullptr;
  QPushButton* cmdUkaz = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
