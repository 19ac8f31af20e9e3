#include "ui/filedialogs.h"

#include <QFileDialog>

namespace tymba {

QString QtFileDialogs::openFileName(QWidget* parent, const FileQuestion& question) {
  return QFileDialog::getOpenFileName(parent, question.title, question.folder, question.filter);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const FileQuestion& question) {
  return QFileDialog::getSaveFileName(parent, question.title, question.folder, question.filter,
                                      nullptr, QFileDialog::DontConfirmOverwrite);
}

}  // namespace tymba
