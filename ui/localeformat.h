#pragma once
// Dates and times written the way a user of this program reads them: in
// Czech 3.12.2026 and 23:39:39, in other locales their own long-year form.

#include <QDate>
#include <QString>
#include <QTime>

namespace tymba {

QString dateText(const QDate& date);
QString timeText(const QTime& time);

}  // namespace tymba
