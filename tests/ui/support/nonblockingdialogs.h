#pragma once
// Shows dialogs without waiting for them and keeps track of them, so a test
// can find the dialog a window opened and close it as a user would.

#include <QDialog>
#include <QList>
#include <QPointer>

#include "ui/dialogrunner.h"

namespace tymba::testing {

class NonBlockingDialogs final : public DialogRunner {
 public:
  void run(QDialog& dialog) override {
    opened.append(&dialog);
    dialog.setModal(true);
    dialog.show();
  }

  // The last dialog opened that is still open, or nullptr.
  template <typename T>
  T* last() const {
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
      if (auto* dialog = qobject_cast<T*>(it->data()); dialog && dialog->isVisible()) return dialog;
    return nullptr;
  }

  QList<QPointer<QDialog>> opened;
};

}  // namespace tymba::testing
