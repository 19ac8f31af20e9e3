#pragma once
// Every file dialog of the program, and its colour dialog, goes through this
// door, so that tests can answer it with a path or a colour (or a cancel)
// without showing anything.

#include <QColor>
#include <QString>

class QWidget;

namespace tymba {

struct FileQuestion {
  QString title;
  QString folder;  // where the dialog starts
  QString filter;  // "Textové soubory (*.txt)"
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The full path of an existing file the user chose, or empty when cancelled.
  virtual QString openFileName(QWidget* parent, const FileQuestion& question) = 0;
  // The full path the user chose to save to, or empty when cancelled. The
  // dialog does not ask about an existing file: the caller does.
  virtual QString saveFileName(QWidget* parent, const FileQuestion& question) = 0;
  // The colour the user chose, the dialog starting from initial; an invalid
  // colour when cancelled.
  virtual QColor chooseColour(QWidget* parent, const QColor& initial) = 0;
};

// Shows a modal QFileDialog or QColorDialog.
class QtFileDialogs final : public FileDialogs {
 public:
  QString openFileName(QWidget* parent, const FileQuestion& question) override;
  QString saveFileName(QWidget* parent, const FileQuestion& question) override;
  QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace tymba
