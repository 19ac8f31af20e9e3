#include "ui/selectonfocus.h"

#include <QAbstractItemView>
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

// A current index set on purpose, even none, stops the view from choosing one.
void keepNoEntryCurrent(QAbstractItemView& list) { list.setCurrentIndex(QModelIndex()); }

}  // namespace tymba
