#include "ui/filedialogs.h"

#include <QFileDialog>

namespace tymba {

QString QtFileDialogs::openFileName(QWidget* parent, const FileQuestion& question) {
  return QFileDialog::getOpenFileName(parent, question.title, question.folder, question.filter);
}

}  // namespace tymba
