#pragma once
// "Test": a preview of an exercise text before it is chosen.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tymba {

struct AppContext;

class frmUkaz : public QDialog {
  Q_OBJECT
 public:
  // entry: the text's name in the exercise folder.
  frmUkaz(AppContext& context, const QString& entry, QWidget* parent);

 private:
  QLabel* Label1 = nullptr;
  QLabel* lblNazev = nullptr;
  QPlainTextEdit* txtUkaz = nullptr;
  QPushButton* cmdZavrit = nullptr;
};

}  // namespace tymba
