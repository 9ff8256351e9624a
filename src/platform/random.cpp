#include "platform/random.h"

namespace platform {

Random::Random() : engine_(std::random_device{}()) {}

int Random::between(int low, int high) {
  if (high < low)
    return low;
  std::uniform_int_distribution<int> distribution(low, high);
  return distribution(engine_);
}

}  // namespace platform
