#pragma once
// The one place the windows read the time of day. Tests hand the windows a
// fake that they advance by hand, so no test waits on the wall clock.

#include <QDateTime>

namespace tymba {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;

  // Seconds since midnight with a fraction, the unit of every rule.
  double secondsSinceMidnight() const;
  // The time and the date as "current time & three blanks & current date".
  QString timeAndDateText() const;
  // The date and the time as "current date & three blanks & current time".
  QString dateAndTimeText() const;
};

class SystemClock final : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace tymba
