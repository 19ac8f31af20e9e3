#include "ui/targettextlabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace tymba {

TargetTextLabel::TargetTextLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TargetTextLabel::~TargetTextLabel() = default;

void TargetTextLabel::setText(const QString& text) {
  text_ = text;
  laidOutWidth_ = -1;
  update();
}

void TargetTextLabel::setLineHeight(int pixels) {
  lineHeight_ = std::max(1, pixels);
  laidOutWidth_ = -1;
  update();
}

void TargetTextLabel::setTextColor(const QColor& color) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, color);
  setPalette(pal);
}

int TargetTextLabel::autoHeight() const {
  ensureLayout();
  return totalHeight_;
}

void TargetTextLabel::ensureLayout() const {
  if (laidOutWidth_ == width()) return;
  paragraphs_.clear();
  paragraphTops_.clear();
  const int lineWidth = std::max(1, width());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  int y = 0;
  const auto pieces = QStringView(text_).split(QLatin1Char('\n'));
  // The final line break of a text opens one more, empty line, as a label
  // that grows to its text shows it.
  for (const QStringView piece : pieces) {
    auto layout = std::make_unique<QTextLayout>(piece.toString(), font());
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    int lines = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(lineWidth);
      line.setPosition(QPointF(0, lines * lineHeight_));
      ++lines;
    }
    layout->endLayout();
    paragraphTops_.push_back(y);
    y += std::max(1, lines) * lineHeight_;
    paragraphs_.push_back(std::move(layout));
  }
  totalHeight_ = y;
  laidOutWidth_ = width();
}

void TargetTextLabel::paintEvent(QPaintEvent* event) {
  ensureLayout();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect area = event->rect();
  // The first paragraph that reaches into the area, then on until below it.
  auto first = std::upper_bound(paragraphTops_.begin(), paragraphTops_.end(), area.top());
  std::size_t index = first == paragraphTops_.begin()
                          ? 0
                          : static_cast<std::size_t>(first - paragraphTops_.begin() - 1);
  for (; index < paragraphs_.size() && paragraphTops_[index] <= area.bottom(); ++index)
    paragraphs_[index]->draw(&painter, QPointF(0, paragraphTops_[index]));
}

void TargetTextLabel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (laidOutWidth_ != width()) laidOutWidth_ = -1;
}

void TargetTextLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) laidOutWidth_ = -1;
  QWidget::changeEvent(event);
}

}  // namespace tymba
