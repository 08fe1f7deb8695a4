#include "ui/services_real.h"

#include <ctime>

namespace zunobi::ui {

DateTime SystemClock::now() const {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTime::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec);
}

ClockSeededRandom::ClockSeededRandom(const Clock& clock)
    : clock_(clock),
      state_(0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(clock.now().seconds)) {
  step();
}

std::uint64_t ClockSeededRandom::step() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double ClockSeededRandom::next() {
  // 53 random bits: r is a multiple of 2^-53, strictly below 1.
  return static_cast<double>(step() >> 11) * 0x1.0p-53;
}

void ClockSeededRandom::reseed() {
  // Mixing, not assigning: the state keeps everything drawn so far.
  state_ ^= static_cast<std::uint64_t>(clock_.now().seconds) * 0xD6E8FEB86659FD93ULL;
  step();
}

}  // namespace zunobi::ui
