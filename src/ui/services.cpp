#include "ui/services.h"

namespace zunobi::ui {
namespace {

constexpr std::int64_t kDay = 86400;

// Days from 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::int64_t secondOfDay(std::int64_t seconds) {
  std::int64_t s = seconds % kDay;
  return s < 0 ? s + kDay : s;
}

}  // namespace

DateTime DateTime::fromCivil(int year, int month, int day, int hour, int minute, int second) {
  return {daysFromCivil(year, month, day) * kDay + hour * 3600 + minute * 60 + second};
}

int DateTime::hour() const { return static_cast<int>(secondOfDay(seconds) / 3600); }
int DateTime::minute() const { return static_cast<int>(secondOfDay(seconds) / 60 % 60); }
int DateTime::second() const { return static_cast<int>(secondOfDay(seconds) % 60); }

std::int32_t DateTime::secondsSinceMidnight() const {
  return static_cast<std::int32_t>(secondOfDay(seconds));
}

std::string DateTime::timeText() const {
  auto two = [](int v) { return std::string{char('0' + v / 10), char('0' + v % 10)}; };
  return std::to_string(hour()) + ":" + two(minute()) + ":" + two(second());
}

}  // namespace zunobi::ui
