#pragma once
// Every file dialog of the program goes through this door, so that tests can
// answer it with a path (or a cancel) without showing anything.

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
};

// Shows a modal QFileDialog.
class QtFileDialogs final : public FileDialogs {
 public:
  QString openFileName(QWidget* parent, const FileQuestion& question) override;
  QString saveFileName(QWidget* parent, const FileQuestion& question) override;
};

}  // namespace tymba
