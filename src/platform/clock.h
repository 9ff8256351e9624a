#pragma once

#include <QDateTime>

namespace platform {

// The one source of the current time; tests set it.
class Clock {
 public:
  virtual ~Clock();
  virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(const QDateTime& time) : time_(time) {}
  QDateTime now() const override { return time_; }
  void set(const QDateTime& time) { time_ = time; }
  void advanceSeconds(qint64 seconds) { time_ = time_.addSecs(seconds); }

 private:
  QDateTime time_;
};

}  // namespace platform
