#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace tymba {

void registerFontSubstitutes() {
  const QStringList substitutes{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
  QFont::insertSubstitutions(QString::fromLatin1(kTypingFontFamily), substitutes);
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
}

bool isFontInstalled(const QString& family) {
  if (QFontDatabase::hasFamily(family)) return true;
  const QStringList substitutes = QFont::substitutes(family);
  return std::any_of(substitutes.begin(), substitutes.end(),
                     [](const QString& name) { return QFontDatabase::hasFamily(name); });
}

QFont typingFont(int pismo) {
  QFont font(QString::fromLatin1(kTypingFontFamily));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(pismo + 9);
  return font;
}

}  // namespace tymba

#include <QFontMetricsF>

#include "core/twips.h"

namespace tymba {

QFont lessonFont(int pismo) {
  QFont font = typingFont(pismo);
  const double cell = (120.0 + 15.0 * (pismo - 1)) / kTwipsPerPixel;
  const double advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('W'));
  font.setLetterSpacing(QFont::AbsoluteSpacing, cell - advance);
  return font;
}

}  // namespace tymba
