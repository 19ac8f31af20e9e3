#include "ui/clock.h"

#include "ui/localeformat.h"

namespace tymba {

double Clock::secondsSinceMidnight() const { return now().time().msecsSinceStartOfDay() / 1000.0; }

QString Clock::timeAndDateText() const {
  const QDateTime moment = now();
  return timeText(moment.time()) + QStringLiteral("   ") + dateText(moment.date());
}

QString Clock::dateAndTimeText() const {
  const QDateTime moment = now();
  return dateText(moment.date()) + QStringLiteral("   ") + timeText(moment.time());
}

}  // namespace tymba
