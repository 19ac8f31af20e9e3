#pragma once
// A hidden holder of text that the windows share (the copies of the target
// text for the alignment). Kept as the core's text, so reading it back costs
// no conversion.

#include <QWidget>
#include <string>

namespace tymba {

class TextHolder : public QWidget {
  Q_OBJECT
 public:
  explicit TextHolder(QWidget* parent = nullptr) : QWidget(parent) { hide(); }
  const std::u16string& text() const { return text_; }
  void setText(std::u16string text) { text_ = std::move(text); }
  void append(std::u16string_view text) { text_ += text; }
  void clear() { text_.clear(); }

 private:
  std::u16string text_;
};

}  // namespace tymba
