#pragma once
// The splash window: no caption, only the program's picture, shown while the
// main window loads.

#include <QWidget>

class QLabel;

namespace tymba {

class frmUvod : public QWidget {
  Q_OBJECT
 public:
  frmUvod();

 signals:
  // The first time the window is painted: the user sees it.
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* Picture1 = nullptr;
  bool painted_ = false;
};

}  // namespace tymba
