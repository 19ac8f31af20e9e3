#pragma once
// A clock that stands still until the test moves it.

#include "ui/clock.h"

namespace tymba::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 3), QTime(10, 0, 0)))
      : now_(start) {}
  QDateTime now() const override { return now_; }
  void advance(double seconds) { now_ = now_.addMSecs(static_cast<qint64>(seconds * 1000.0)); }
  void set(const QDateTime& moment) { now_ = moment; }

 private:
  QDateTime now_;
};

}  // namespace tymba::testing
