#pragma once
// The click test, opened by the options window: the click chosen there (not
// saved yet) is heard on each change of the box, as in a run.

#include <QDialog>

class QPushButton;

namespace tymba {

struct AppContext;
class TypingBox;

class frmTestKlik : public QDialog {
  Q_OBJECT
 public:
  // clickListEntry: 0 typewriter, 1 beep, 2 keyboard, 3 no sound.
  frmTestKlik(AppContext& context, int clickListEntry, QWidget* parent = nullptr);

 private:
  void Form_Load();
  void txtTest_Change();
  bool soundOpen() const;

  AppContext& context_;
  int clickListEntry_;
  TypingBox* txtTest = nullptr;
  QPushButton* cmdClose = nullptr;
};

}  // namespace tymba
