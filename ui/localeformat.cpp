#include "ui/localeformat.h"

#include <QLocale>

namespace tymba {

QString dateText(const QDate& date) {
  const QLocale locale;
  if (locale.language() == QLocale::Czech || locale.language() == QLocale::Slovak)
    return locale.toString(date, QStringLiteral("d.M.yyyy"));
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // Qt's short formats often cut the year to two digits.
  if (!format.contains(QStringLiteral("yyyy")))
    format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  return locale.toString(date, format);
}

QString timeText(const QTime& time) {
  const QLocale locale;
  if (locale.language() == QLocale::Czech || locale.language() == QLocale::Slovak)
    return locale.toString(time, QStringLiteral("H:mm:ss"));
  return locale.toString(time, QLocale::LongFormat).section(QLatin1Char(' '), 0, 0);
}

}  // namespace tymba
