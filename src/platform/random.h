#pragma once

#include <cstdint>
#include <random>

namespace platform {

// The program's one random generator, seeded once per run; tests seed it to get the
// same draws every time.
class Random {
 public:
  Random();  // seeded from the system's entropy source
  explicit Random(std::uint32_t seed) : engine_(seed) {}

  void seed(std::uint32_t value) { engine_.seed(value); }
  // A whole number from low to high, both included.
  int between(int low, int high);
  std::mt19937& engine() { return engine_; }

 private:
  std::mt19937 engine_;
};

}  // namespace platform
