#pragma once
// How a window opens another one modally. The program waits in the dialog's
// own event loop; window tests show it without waiting and drive it like any
// other widget, so no test needs a nested event loop.

class QDialog;

namespace tymba {

class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  // Shows the dialog; it does everything that follows its closing itself.
  virtual void run(QDialog& dialog) = 0;
};

class ModalDialogRunner final : public DialogRunner {
 public:
  void run(QDialog& dialog) override;
};

}  // namespace tymba
