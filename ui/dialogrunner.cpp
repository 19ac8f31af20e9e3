#include "ui/dialogrunner.h"

#include <QDialog>

namespace tymba {

void ModalDialogRunner::run(QDialog& dialog) { dialog.exec(); }

}  // namespace tymba
