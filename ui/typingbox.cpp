#include "ui/typingbox.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>

namespace tymba {

TypingBox::TypingBox(QWidget* parent) : QPlainTextEdit(parent) {
  setUndoRedoEnabled(false);
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, &TypingBox::checkChange);
}

int TypingBox::coreLength() const {
  const QTextDocument* doc = document();
  // characterCount() counts one separator per paragraph, the last included.
  return doc->characterCount() - 1 + doc->blockCount() - 1;
}

bool TypingBox::removesText(QKeyEvent* event) const {
  static const QKeySequence::StandardKey kRemoving[] = {
      QKeySequence::Cut,
      QKeySequence::Undo,
      QKeySequence::Redo,
      QKeySequence::Delete,
      QKeySequence::DeleteStartOfWord,
      QKeySequence::DeleteEndOfWord,
      QKeySequence::DeleteEndOfLine,
      QKeySequence::DeleteCompleteLine,
      QKeySequence::Backspace,
  };
  for (const auto key : kRemoving)
    if (event->matches(key)) return true;
  return event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

void TypingBox::dropSelectionAtEnd() {
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return;
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
}

bool TypingBox::event(QEvent* event) {
  // Left unclaimed, the paste keys reach the menu item that has them as its
  // shortcut; the box would only refuse them.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
      event->ignore();
      return true;
    }
    if (claimedKeys_ && claimedKeys_(*key)) {
      event->accept();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

void TypingBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::InsertLineSeparator)) {
    // Shift+Enter would insert a soft line break, one character where every
    // line break counts as CR LF: it is an ordinary Enter here.
    QKeyEvent enter(event->type(), Qt::Key_Return, event->modifiers() & Qt::KeypadModifier,
                    event->nativeScanCode(), event->nativeVirtualKey(), event->nativeModifiers(),
                    QStringLiteral("\r"), event->isAutoRepeat(), event->count());
    keyPressEvent(&enter);
    event->setAccepted(enter.isAccepted());
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    // Nothing is pasted, and the clipboard is not even read: while a run is
    // timed the clock empties it many times a second.
    event->accept();
    return;
  }
  if (keyDownHandler_ && keyDownHandler_(event)) return;
  if (!deleting()) {
    if (removesText(event)) {
      // Nothing typed can be deleted: the key is swallowed and the caret
      // goes back to the end of the text.
      QTextCursor cursor = textCursor();
      cursor.movePosition(QTextCursor::End);
      setTextCursor(cursor);
      event->accept();
      return;
    }
    if (!event->text().isEmpty()) dropSelectionAtEnd();
  }
  if (keyPressHandler_ && !event->text().isEmpty() && keyPressHandler_(event)) return;
  QPlainTextEdit::keyPressEvent(event);
}

void TypingBox::keyReleaseEvent(QKeyEvent* event) {
  if (keyUpHandler_ && keyUpHandler_(event)) return;
  QPlainTextEdit::keyReleaseEvent(event);
}

void TypingBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!deleting()) {
    dropSelectionAtEnd();
    if (event->replacementLength() != 0 || event->replacementStart() < 0) {
      // A commit that would replace typed text keeps only its new letters.
      QInputMethodEvent plain(event->preeditString(), event->attributes());
      plain.setCommitString(event->commitString());
      QPlainTextEdit::inputMethodEvent(&plain);
      return;
    }
  }
  QPlainTextEdit::inputMethodEvent(event);
}

// Pasting, the middle button's selection and dropping all end here: the
// box takes no text that was not typed into it.
bool TypingBox::canInsertFromMimeData(const QMimeData*) const { return false; }

void TypingBox::insertFromMimeData(const QMimeData*) {}

void TypingBox::contextMenuEvent(QContextMenuEvent* event) {
  // The menu offers cut, paste, delete and undo; a typing test needs none.
  event->accept();
}

void TypingBox::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  emit lostFocus(event->reason());
}

void TypingBox::setTextQuietly(const QString& text) {
  const QSignalBlocker blocker(this);
  setPlainText(text);
  lastText_ = text;
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
}

// The safety net behind the refused keys: whatever path an edit takes, text
// typed where deleting is not allowed comes back, and the edit never counts.
void TypingBox::checkChange() {
  if (restoring_) return;
  // Only a box that may not lose text needs the copy; the others skip it on
  // every keystroke. A reset by the program sets the copy anew.
  if (deleting()) {
    emit changed();
    return;
  }
  const QString now = toPlainText();
  if (!now.startsWith(lastText_)) {
    restoring_ = true;
    {
      const QSignalBlocker blocker(this);
      setPlainText(lastText_);
      QTextCursor cursor = textCursor();
      cursor.movePosition(QTextCursor::End);
      setTextCursor(cursor);
    }
    restoring_ = false;
    return;
  }
  lastText_ = now;
  emit changed();
}

}  // namespace tymba
