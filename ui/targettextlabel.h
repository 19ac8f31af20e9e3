#pragma once
// One copy of the target text of an exercise run: the whole text wrapped at
// the label's width with a fixed line height. A 30-minute text is thousands
// of lines, so the wrapped lines are laid out once per text, font and width,
// and a repaint draws only the lines in view.

#include <QWidget>
#include <memory>
#include <vector>

class QTextLayout;

namespace tymba {

class TargetTextLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TargetTextLabel(QWidget* parent = nullptr);
  ~TargetTextLabel() override;

  void setText(const QString& text);  // line breaks as LF
  const QString& text() const { return text_; }
  void setLineHeight(int pixels);
  void setTextColor(const QColor& color);

  // The height the whole text takes at the current width and font.
  int autoHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ensureLayout() const;

  QString text_;
  int lineHeight_ = 16;
  mutable std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
  mutable std::vector<int> paragraphTops_;
  mutable int laidOutWidth_ = -1;
  mutable int totalHeight_ = 0;
};

}  // namespace tymba
