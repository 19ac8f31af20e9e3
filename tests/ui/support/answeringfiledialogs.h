#pragma once
// Answers file dialogs from a queue (cancel when it is empty) and records
// what each one asked.

#include <QList>
#include <QQueue>

#include "ui/filedialogs.h"

namespace tymba::testing {

class AnsweringFileDialogs final : public FileDialogs {
 public:
  QString openFileName(QWidget*, const FileQuestion& question) override {
    asked.append(question);
    return answers.isEmpty() ? QString() : answers.dequeue();
  }

  QQueue<QString> answers;
  QList<FileQuestion> asked;
};

}  // namespace tymba::testing
