#pragma once
// Dates and times written the way a user of this program reads them: in
// Czech 3.12.2026 and 23:39:39, in other locales their own long-year form.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace tymba {

QString dateText(const QDate& date);
QString timeText(const QTime& time);

}  // namespace tymba

#include "core/clockmath.h"
#include "storage/resultrecord.h"

namespace tymba {

// A four-decimal value in the user's locale with no trailing zeros and no
// grouping: 2,5641 and 0 and -100 in Czech.
QString fixed4Text(Fixed4 value);

// A whole number in the user's locale without grouping.
QString wholeNumberText(long long value);

// The date and time of a record written at this moment, and its error
// percentage.
LocaleTexts localeTexts(const QDateTime& moment, Fixed4 percent);

}  // namespace tymba
