#include "ui/programpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tymba {

QPixmap programPicture() {
  QPixmap picture(360, 150);
  picture.fill(QColor(0xf4, 0xf1, 0xe8));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  // A key cap: a rounded square with a lighter top face and the letter T.
  QPainterPath cap;
  cap.addRoundedRect(QRectF(24, 27, 96, 96), 14, 14);
  painter.fillPath(cap, QColor(0x3b, 0x4a, 0x5c));
  QPainterPath face;
  face.addRoundedRect(QRectF(34, 33, 76, 72), 10, 10);
  painter.fillPath(face, QColor(0x5b, 0x72, 0x8c));
  QFont letter(QStringLiteral("Liberation Sans"), 40, QFont::Bold);
  painter.setFont(letter);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(34, 33, 76, 72), Qt::AlignCenter, QStringLiteral("T"));

  QFont title(QStringLiteral("Liberation Sans"), 30, QFont::Bold);
  painter.setFont(title);
  painter.setPen(QColor(0x3b, 0x4a, 0x5c));
  painter.drawText(QRectF(140, 30, 210, 50), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Tymba"));
  QFont line(QStringLiteral("Liberation Sans"), 11);
  painter.setFont(line);
  painter.setPen(QColor(0x55, 0x55, 0x55));
  painter.drawText(QRectF(142, 82, 210, 40), Qt::AlignLeft | Qt::TextWordWrap,
                   QStringLiteral("Psaní všemi deseti\na testy opisu"));
  return picture;
}

}  // namespace tymba
