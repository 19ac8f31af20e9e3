#include "ui/filedialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace tymba {

QString QtFileDialogs::openFileName(QWidget* parent, const FileQuestion& question) {
  return QFileDialog::getOpenFileName(parent, question.title, question.folder, question.filter);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const FileQuestion& question) {
  return QFileDialog::getSaveFileName(parent, question.title, question.folder, question.filter,
                                      nullptr, QFileDialog::DontConfirmOverwrite);
}

QColor QtFileDialogs::chooseColour(QWidget* parent, const QColor& initial) {
  return QColorDialog::getColor(initial, parent);
}

}  // namespace tymba
