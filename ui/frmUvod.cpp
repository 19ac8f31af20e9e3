#include "ui/frmUvod.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/programpicture.h"

namespace tymba {

frmUvod::frmUvod() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmUvod"));
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(programPicture());
  Picture1->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Picture1);
  adjustSize();
}

void frmUvod::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  emit firstPainted();
}

}  // namespace tymba
