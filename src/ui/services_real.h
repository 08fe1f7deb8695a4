// The real clock and random source.
#pragma once

#include <cstdint>

#include "ui/services.h"

namespace zunobi::ui {

// The local wall clock.
class SystemClock final : public Clock {
 public:
  DateTime now() const override;
};

// A 64-bit generator (SplitMix64 steps) seeded from the clock. reseed()
// folds the clock reading into the running state, so a reseed within the
// same second never repeats a draw.
class ClockSeededRandom final : public RandomSource {
 public:
  explicit ClockSeededRandom(const Clock& clock);
  double next() override;
  void reseed() override;

 private:
  std::uint64_t step();
  const Clock& clock_;
  std::uint64_t state_;
};

}  // namespace zunobi::ui
