#pragma once
// "Úvod - než začnete psát!": the introduction to the lessons (how to sit,
// where the fingers rest, how to practise), read from the lesson folder and
// shown whole, wrapped to the window, for reading only.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tymba {

struct AppContext;

class frmVyukaUvod : public QDialog {
  Q_OBJECT
 public:
  frmVyukaUvod(const QString& text, QWidget* parent);

 private:
  QPlainTextEdit* txtUvod = nullptr;
  QPushButton* cmdZavrit = nullptr;
};

// Reads the introduction and shows it centred and modal over parent; says
// so instead when it cannot be read.
void openIntroduction(AppContext& context, QWidget& parent);

}  // namespace tymba
