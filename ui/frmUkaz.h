#pragma once
// "Test": a preview of an exercise or practice text before it is chosen.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tymba {

struct AppContext;

class frmUkaz : public QDialog {
  Q_OBJECT
 public:
  // entry: the text's name in the practice folder when the state's
  // UkazProcvicovani says so, else in the exercise folder.
  frmUkaz(AppContext& context, const QString& entry, QWidget* parent);

  // Zavřít, Esc and the close box all end here: the next preview is of an
  // exercise text again unless its opener says otherwise.
  void done(int result) override;

 private:
  AppContext& context_;
  QLabel* Label1 = nullptr;
  QLabel* lblNazev = nullptr;
  QPlainTextEdit* txtUkaz = nullptr;
  QPushButton* cmdZavrit = nullptr;
};

}  // namespace tymba
