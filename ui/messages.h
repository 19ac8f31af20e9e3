#pragma once
// Every message box of the program goes through this door, so that tests can
// record exactly what was said and answer it without showing anything.

#include <QString>

class QWidget;

namespace tymba {

enum class MessageIcon { Information, Exclamation, Critical, Question, NoIcon };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Messages {
 public:
  virtual ~Messages() = default;
  virtual MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Shows a modal QMessageBox over the active window.
class QtMessages final : public Messages {
 public:
  MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                     MessageButtons buttons) override;
};

}  // namespace tymba
