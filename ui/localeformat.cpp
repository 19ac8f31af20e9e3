#include "ui/localeformat.h"

#include <QDateTime>
#include <QLocale>

#include "ui/textconvert.h"

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

namespace tymba {

QString fixed4Text(Fixed4 value) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  const bool negative = value < 0;
  const Fixed4 magnitude = negative ? -value : value;
  QString text = locale.toString(static_cast<qlonglong>(magnitude / kFixed4Scale));
  Fixed4 fraction = magnitude % kFixed4Scale;
  if (fraction != 0) {
    QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    text += locale.decimalPoint() + digits;
  }
  return negative ? locale.negativeSign() + text : text;
}

LocaleTexts localeTexts(const QDateTime& moment, Fixed4 percent) {
  return {fromQString(dateText(moment.date())), fromQString(timeText(moment.time())),
          fromQString(fixed4Text(percent))};
}

QString wholeNumberText(long long value) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(static_cast<qlonglong>(value));
}

}  // namespace tymba
