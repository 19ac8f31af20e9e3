#pragma once
// The input box of a run. Its text changes are the keystrokes that count, so
// letters composed with dead keys (input-method commits) count like any
// other. It takes text from typing only: nothing can be pasted or dropped
// into it. Where deleting is not allowed, no edit may remove typed text.

#include <QPlainTextEdit>
#include <functional>

namespace tymba {

class TypingBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TypingBox(QWidget* parent = nullptr);

  // Asked on every edit; when it answers false, Backspace, Delete, cut,
  // undo and typing over a selection are refused.
  void setDeletingAllowed(std::function<bool()> allowed) { deletingAllowed_ = std::move(allowed); }

  // Runs before the box handles a key; returns true when it took the key.
  void setKeyDownHandler(std::function<bool(QKeyEvent*)> handler) {
    keyDownHandler_ = std::move(handler);
  }
  // Runs for keys that type text (KeyPress); returns true when it took the key.
  void setKeyPressHandler(std::function<bool(QKeyEvent*)> handler) {
    keyPressHandler_ = std::move(handler);
  }

  // Runs when a key is released; returns true when it took the key.
  void setKeyUpHandler(std::function<bool(QKeyEvent*)> handler) {
    keyUpHandler_ = std::move(handler);
  }

  // Keys it answers true for reach the box (and its key-down handler) even
  // where a menu item has them as its shortcut.
  void setClaimedKeys(std::function<bool(const QKeyEvent&)> claimed) {
    claimedKeys_ = std::move(claimed);
  }

  // Length of the text with a line break counted as CR LF, without copying it.
  int coreLength() const;

  // Sets the text without it counting as a change (a reset by the program).
  void setTextQuietly(const QString& text);

 signals:
  // The text changed and the change stands; refused edits never get here.
  void changed();
  void lostFocus(Qt::FocusReason reason);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool deleting() const { return !deletingAllowed_ || deletingAllowed_(); }
  bool removesText(QKeyEvent* event) const;
  void dropSelectionAtEnd();
  void checkChange();

  std::function<bool()> deletingAllowed_;
  std::function<bool(QKeyEvent*)> keyDownHandler_;
  std::function<bool(QKeyEvent*)> keyPressHandler_;
  std::function<bool(QKeyEvent*)> keyUpHandler_;
  std::function<bool(const QKeyEvent&)> claimedKeys_;
  QString lastText_;
  bool restoring_ = false;
};

}  // namespace tymba
