#pragma once
// "Klávesnice ...": the keyboard window. A key pressed lights up on the
// picture and the sentence below names the finger that presses it. Beyond
// that, the keys can be coloured by how often their characters were mistyped
// in the last evaluated run.

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tymba {

struct AppContext;
class KeyboardPicture;

class frmKlavesnice : public QDialog {
  Q_OBJECT
 public:
  frmKlavesnice(AppContext& context, QWidget* parent);

 protected:
  // The window and its picture box take the keys alike: the picture box has
  // the focus and leaves its keys to the window.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Form_KeyDown(QKeyEvent* event);
  void Form_KeyUp(QKeyEvent* event);
  void chkChyby_Click();
  QWidget* buildLegend();

  AppContext& context_;
  QLabel* Label1 = nullptr;
  QWidget* Picture1 = nullptr;
  KeyboardPicture* imgKlavesnice = nullptr;
  QLabel* lblPopis = nullptr;
  QCheckBox* chkChyby = nullptr;
  QWidget* legend_ = nullptr;
};

}  // namespace tymba
