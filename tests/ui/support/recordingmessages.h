#pragma once
// Records every message box instead of showing it, and answers from a queue
// (OK, or "Yes" for a question when the queue is empty).

#include <QList>
#include <QQueue>

#include "ui/messages.h"

namespace tymba::testing {

struct RecordedMessage {
  QString text;
  QString title;
  MessageIcon icon;
  MessageButtons buttons;
};

class RecordingMessages final : public Messages {
 public:
  MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                     MessageButtons buttons) override {
    said.append({text, title, icon, buttons});
    if (!answers.isEmpty()) return answers.dequeue();
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }

  QList<RecordedMessage> said;
  QQueue<MessageAnswer> answers;
};

}  // namespace tymba::testing
