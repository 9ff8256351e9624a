#include "platform/clock.h"

namespace platform {

Clock::~Clock() = default;

QDateTime SystemClock::now() const {
  return QDateTime::currentDateTime();
}

}  // namespace platform
