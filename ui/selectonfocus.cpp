#include "ui/selectonfocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace tymba {
namespace {

class SelectAllFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Deferred: a mouse click that gave the focus would otherwise place the
    // cursor after the selection was made.
    if (event->type() == QEvent::FocusIn)
      if (auto* box = qobject_cast<QLineEdit*>(watched))
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return false;
  }
};

}  // namespace

void selectAllOnFocus(QLineEdit& box) { box.installEventFilter(new SelectAllFilter(&box)); }

}  // namespace tymba
