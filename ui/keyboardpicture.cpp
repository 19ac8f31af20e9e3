#include "ui/keyboardpicture.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/fingermap.h"

namespace tymba {
namespace {

// A key: its row (0 the number row), its left edge and width in key units,
// its code (0: a key without a picture) and its legends: the Shift level
// above, the plain level below; a letter or a named key has one legend.
struct Key {
  double row;
  double x;
  double width;
  int code;
  const char* upper;
  const char* lower = "";
};

constexpr double kWidthUnits = 15;
constexpr double kHeightUnits = 5;
constexpr double kMarginUnits = 0.1;
constexpr int kEnter = 13;

// clang-format off
constexpr Key kKeys[] = {
    {0, 0, 1, 0, "°", ";"},
    {0, 1, 1, 49, "1", "+"}, {0, 2, 1, 50, "2", "ě"}, {0, 3, 1, 51, "3", "š"},
    {0, 4, 1, 52, "4", "č"}, {0, 5, 1, 53, "5", "ř"}, {0, 6, 1, 54, "6", "ž"},
    {0, 7, 1, 55, "7", "ý"}, {0, 8, 1, 56, "8", "á"}, {0, 9, 1, 57, "9", "í"},
    {0, 10, 1, 48, "0", "é"}, {0, 11, 1, 189, "%", "="}, {0, 12, 1, 187, "ˇ", "´"},
    {0, 13, 2, 8, "Backspace"},
    {1, 0, 1.5, 0, "Tab"},
    {1, 1.5, 1, 81, "Q"}, {1, 2.5, 1, 87, "W"}, {1, 3.5, 1, 69, "E"}, {1, 4.5, 1, 82, "R"},
    {1, 5.5, 1, 84, "T"}, {1, 6.5, 1, 90, "Z"}, {1, 7.5, 1, 85, "U"}, {1, 8.5, 1, 73, "I"},
    {1, 9.5, 1, 79, "O"}, {1, 10.5, 1, 80, "P"}, {1, 11.5, 1, 219, "/", "ú"},
    {1, 12.5, 1, 221, "(", ")"},
    {1, 13.5, 1.5, kEnter, "Enter"},  // reaches down into the next row
    {2, 0, 1.75, 0, "Caps Lock"},
    {2, 1.75, 1, 65, "A"}, {2, 2.75, 1, 83, "S"}, {2, 3.75, 1, 68, "D"}, {2, 4.75, 1, 70, "F"},
    {2, 5.75, 1, 71, "G"}, {2, 6.75, 1, 72, "H"}, {2, 7.75, 1, 74, "J"}, {2, 8.75, 1, 75, "K"},
    {2, 9.75, 1, 76, "L"}, {2, 10.75, 1, 186, "\"", "ů"}, {2, 11.75, 1, 222, "!", "§"},
    {2, 12.75, 1, 220, "'", "¨"},
    {3, 0, 1.25, 160, "Shift"}, {3, 1.25, 1, 0, "|", "\\"},
    {3, 2.25, 1, 89, "Y"}, {3, 3.25, 1, 88, "X"}, {3, 4.25, 1, 67, "C"}, {3, 5.25, 1, 86, "V"},
    {3, 6.25, 1, 66, "B"}, {3, 7.25, 1, 78, "N"}, {3, 8.25, 1, 77, "M"},
    {3, 9.25, 1, 188, "?", ","}, {3, 10.25, 1, 190, ":", "."}, {3, 11.25, 1, 191, "_", "-"},
    {3, 12.25, 2.75, 161, "Shift"},
    {4, 0, 1.25, 0, "Ctrl"}, {4, 1.25, 1.25, 0, "Win"}, {4, 2.5, 1.25, 0, "Alt"},
    {4, 3.75, 6.25, 32, ""}, {4, 10, 1.25, 0, "AltGr"}, {4, 11.25, 1.25, 0, "Win"},
    {4, 12.5, 1.25, 0, "Menu"}, {4, 13.75, 1.25, 0, "Ctrl"},
};
// clang-format on

// Lit keys in colours that read on light and dark palettes alike.
const QColor kPressed(0x2e, 0x9e, 0x44);  // green
const QColor kNext(0x1f, 0x6f, 0xd6);     // blue

const Key* keyOf(int code) {
  if (code == 0) return nullptr;
  const auto it = std::find_if(std::begin(kKeys), std::end(kKeys),
                               [code](const Key& key) { return key.code == code; });
  return it == std::end(kKeys) ? nullptr : &*it;
}

// The picture's scale and origin in the widget: as large as fits, centred.
struct Frame {
  double unit;
  QPointF origin;
};

Frame frameFor(const QSize& size) {
  const double unit = std::min(size.width() / (kWidthUnits + 2 * kMarginUnits),
                               size.height() / (kHeightUnits + 2 * kMarginUnits));
  const QPointF origin((size.width() - kWidthUnits * unit) / 2,
                       (size.height() - kHeightUnits * unit) / 2);
  return {unit, origin};
}

// The key's shape, drawn `inset` pixels inside its place.
QPainterPath outline(const Key& key, const Frame& frame, double inset = 0) {
  const double gap = 0.06 * frame.unit + inset;
  const auto rect = [&](double row, double x, double width) {
    return QRectF(frame.origin.x() + x * frame.unit + gap,
                  frame.origin.y() + row * frame.unit + gap, width * frame.unit - 2 * gap,
                  frame.unit - 2 * gap);
  };
  QPainterPath path;
  const double radius = std::max(0.0, 0.12 * frame.unit - inset);
  path.addRoundedRect(rect(key.row, key.x, key.width), radius, radius);
  if (key.code == kEnter) {
    // The tall Enter of the 105-key keyboard: its lower part is narrower.
    QRectF lower = rect(key.row + 1, key.x + 0.25, key.width - 0.25);
    lower.setTop(lower.top() - 3 * gap);
    QPainterPath below;
    below.addRoundedRect(lower, radius, radius);
    path = path.united(below);
  }
  return path;
}

// Black or white, whichever reads on the fill.
QColor legendOn(const QColor& fill) { return fill.lightnessF() > 0.6 ? Qt::black : Qt::white; }

}  // namespace

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("imgKlavesnice"));
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setMinimumSize(300, 100);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void KeyboardPicture::Overlay::show(int key) {
  if (hasKeyPicture(key) && lit_.insert(key).second) picture_.repaintKey(key);
}

void KeyboardPicture::Overlay::hide(int key) {
  if (lit_.erase(key) != 0) picture_.repaintKey(key);
}

void KeyboardPicture::Overlay::hideAll() {
  const std::set<int> was = std::move(lit_);
  lit_.clear();
  for (const int key : was) picture_.repaintKey(key);
}

void KeyboardPicture::setMistakes(std::map<int, int> perKey) {
  mistakes_ = std::move(perKey);
  keys_ = QImage();
  update();
}

int KeyboardPicture::mistakes(int key) const {
  const auto it = mistakes_.find(key);
  return it == mistakes_.end() ? 0 : it->second;
}

QColor KeyboardPicture::mistakeColour(int count) {
  if (count <= 0) return {};
  if (count == 1) return {0xf5, 0xd0, 0x42};  // yellow
  if (count <= 4) return {0xf0, 0x8a, 0x24};  // orange
  return {0xc8, 0x28, 0x28};                  // red
}

QRect KeyboardPicture::keyRect(int key) const {
  const Key* found = keyOf(key);
  return found ? outline(*found, frameFor(size())).boundingRect().toAlignedRect() : QRect();
}

int KeyboardPicture::heightForWidth(int width) const {
  return static_cast<int>(
      std::lround(width * (kHeightUnits + 2 * kMarginUnits) / (kWidthUnits + 2 * kMarginUnits)));
}

QSize KeyboardPicture::sizeHint() const { return {608, heightForWidth(608)}; }

void KeyboardPicture::repaintKey(int key) { update(keyRect(key).adjusted(-1, -1, 1, 1)); }

namespace {

void paintKey(QPainter& painter, const Key& key, const Frame& frame, const QColor& fill,
              const QPalette& colours, QFont legend) {
  const QPainterPath path = outline(key, frame);
  const QRectF box = path.boundingRect();
  // The edge as a fill below the key's face: much cheaper than a stroke.
  painter.fillPath(path, colours.color(QPalette::Mid));
  painter.fillPath(outline(key, frame, std::max(1.0, frame.unit / 40)), fill);

  const bool own = fill == colours.color(QPalette::Button);
  painter.setPen(own ? colours.color(QPalette::ButtonText) : legendOn(fill));
  const double pad = 0.14 * frame.unit;
  const QRectF inner = box.adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
  const QString upper = QString::fromUtf8(key.upper);
  const bool twoLevels = *key.lower != '\0';
  legend.setPixelSize(
      std::max(1, static_cast<int>(frame.unit * (twoLevels || upper.size() == 1 ? 0.3 : 0.2))));
  painter.setFont(legend);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, upper);
  if (twoLevels)
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf8(key.lower));
  if (key.code == 70 || key.code == 74) {  // the bumps of F and J
    const double y = box.bottom() - 0.2 * frame.unit;
    painter.drawLine(QPointF(box.center().x() - 0.12 * frame.unit, y),
                     QPointF(box.center().x() + 0.12 * frame.unit, y));
  }
}

}  // namespace

void KeyboardPicture::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
    keys_ = QImage();
  QWidget::changeEvent(event);
}

// The keys at rest are drawn once for each size, screen scale, palette and
// set of mistakes, at the screen's own resolution; a keystroke draws only the
// lit keys over them.
void KeyboardPicture::paintEvent(QPaintEvent*) {
  const Frame frame = frameFor(size());
  const qreal scale = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * scale).toSize();
  if (keys_.size() != pixels || keys_.devicePixelRatio() != scale) {
    // Opaque, so that drawing it is a plain copy.
    keys_ = QImage(pixels, QImage::Format_RGB32);
    keys_.setDevicePixelRatio(scale);
    keys_.fill(palette().color(QPalette::Window));
    QPainter painter(&keys_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Key& key : kKeys) {
      const QColor marked = mistakeColour(mistakes(key.code));
      paintKey(painter, key, frame, marked.isValid() ? marked : palette().color(QPalette::Button),
               palette(), font());
    }
  }
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), keys_);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Overlay* overlay : {&img2, &img1})
    for (const int code : overlay->lit_)
      if (const Key* key = keyOf(code))
        paintKey(painter, *key, frame, overlay == &img1 ? kPressed : kNext, palette(), font());
}

}  // namespace tymba
