#pragma once
// The about window: the program's picture and a button back.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tymba {

class frmAplikace : public QDialog {
  Q_OBJECT
 public:
  explicit frmAplikace(QWidget* parent = nullptr);

 private:
  QLabel* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;
};

}  // namespace tymba
