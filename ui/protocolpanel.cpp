#include "ui/protocolpanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "core/twips.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

// Room around the texts on the moving panel.
constexpr int kTextOffsetTwips = 60;
constexpr int kPanelMarginTwips = 50;

QLabel* protocolLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  QFont font(QStringLiteral("Courier New"), 10);
  font.setStyleHint(QFont::TypeWriter);
  label->setFont(font);
  const int offset = twipsToPixels(kTextOffsetTwips);
  label->move(offset, offset);
  return label;
}

}  // namespace

ProtocolPanel::ProtocolPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("protocolPanel"));
  view_ = new QWidget(this);
  view_->setObjectName(QStringLiteral("protocolView"));
  view_->setBackgroundRole(QPalette::Base);
  view_->setAutoFillBackground(true);
  view_->setMinimumSize(200, 120);
  view_->installEventFilter(this);
  picPosun = new QWidget(view_);
  picPosun->setObjectName(QStringLiteral("picPosun"));
  lblProtokolC = protocolLabel("lblProtokolC", picPosun);
  QPalette red = lblProtokolC->palette();
  // On the viewport's base colour a label writes in the text colour.
  red.setColor(QPalette::Text, Qt::red);
  red.setColor(QPalette::WindowText, Qt::red);
  lblProtokolC->setPalette(red);
  lblProtokol = protocolLabel("lblProtokol", picPosun);
  lblProtokol->raise();  // the marked copy lies over the typed text

  vscVertikalni = new QScrollBar(Qt::Vertical, this);
  vscVertikalni->setObjectName(QStringLiteral("vscVertikalni"));
  vscVertikalni->hide();
  connect(vscVertikalni, &QScrollBar::valueChanged, this, &ProtocolPanel::vscVertikalni_Change);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  layout->addWidget(vscVertikalni);
}

void ProtocolPanel::showProtocol(std::u16string_view typed, std::u16string_view marked) {
  lblProtokolC->setText(toBox(typed));
  lblProtokol->setText(toBox(marked));
  // Each label takes the size of its text.
  lblProtokolC->adjustSize();
  lblProtokol->adjustSize();
  placePanel();
}

// The panel is as large as the longer of the two texts with a margin, shown
// from its top; the scroll bar moves it as far as the texts reach below the
// viewport and shows only when they reach its bottom.
void ProtocolPanel::placePanel() {
  const QRect texts = lblProtokol->geometry().united(lblProtokolC->geometry());
  const int margin = twipsToPixels(kPanelMarginTwips);
  picPosun->resize(texts.right() + 1 + margin, texts.bottom() + 1 + margin);
  picPosun->move(0, 0);
  vscVertikalni->setMaximum(std::max(0, picPosun->height() - view_->height()));
  vscVertikalni->setPageStep(view_->height());
  vscVertikalni->setSingleStep(lblProtokol->fontMetrics().lineSpacing());
  vscVertikalni->setValue(0);
  vscVertikalni->setVisible(texts.bottom() + 1 >= view_->height());
}

void ProtocolPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  vscVertikalni->setMaximum(std::max(0, picPosun->height() - view_->height()));
  vscVertikalni->setPageStep(view_->height());
}

void ProtocolPanel::vscVertikalni_Change(int value) { picPosun->move(0, -value); }

bool ProtocolPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Wheel && vscVertikalni->isVisible())
    return QApplication::sendEvent(vscVertikalni, event);
  return QWidget::eventFilter(watched, event);
}

}  // namespace tymba
