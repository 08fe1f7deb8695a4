// Runtime services the windows rely on, as interfaces: each has a real
// implementation (services_real.h, and the Qt message box) and a test double
// (testing.h).
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zunobi::ui {

// A local wall-clock moment to the second, counted from 1970-01-01 00:00:00
// local civil time. Plain arithmetic adds seconds, minutes or hours.
struct DateTime {
  std::int64_t seconds = 0;

  static DateTime fromCivil(int year, int month, int day, int hour, int minute, int second);

  int hour() const;
  int minute() const;
  int second() const;
  // hour × 3600 + minute × 60 + second.
  std::int32_t secondsSinceMidnight() const;
  // 24-hour time of day, no leading zero on the hour: 9:05:03.
  std::string timeText() const;

  DateTime plusSeconds(std::int64_t n) const { return {seconds + n}; }
  DateTime plusMinutes(std::int64_t n) const { return {seconds + 60 * n}; }
  DateTime plusHours(std::int64_t n) const { return {seconds + 3600 * n}; }

  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// Uniform r in [0, 1). reseed() mixes the clock into the running state; it
// never restarts the sequence, so draws within one clock second still differ.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;
  virtual void reseed() = 0;
  // The drills re-seed immediately before every draw.
  double draw() {
    reseed();
    return next();
  }
};

// The draw of 1 … n: Int(r × n) + 1, kept inside 1 … n whatever the
// source returns (a value at or past 1, or not a number).
inline std::int32_t drawOneTo(double r, std::int32_t n) {
  if (!(r >= 0.0)) return 1;
  const double k = std::floor(r * static_cast<double>(n)) + 1.0;
  return k >= static_cast<double>(n) ? n : static_cast<std::int32_t>(k);
}

// The draw of 0 … n to the nearest: r × n rounded, halves to the even
// neighbour, so 0 and n come half as often as the others. Kept inside 0 … n
// like drawOneTo.
inline std::int32_t drawNearest(double r, std::int32_t n) {
  if (!(r >= 0.0)) return 0;
  const double x = r * static_cast<double>(n);
  if (x >= static_cast<double>(n)) return n;
  double k = std::floor(x);
  const double diff = x - k;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(k, 2.0) != 0.0)) k += 1.0;
  return static_cast<std::int32_t>(k);
}

class Form;

class Navigator {
 public:
  virtual ~Navigator() = default;
  // Creates the window if it is not loaded (its load runs to its end before
  // this returns) and shows it modelessly; a loaded window is brought forward.
  virtual void show(std::string_view formName) = 0;
  // Discards the window's state. The program ends when none remains loaded.
  virtual void unload(Form& form) = 0;
  // Unloads the named window if it is loaded.
  virtual void unloadByName(std::string_view formName) = 0;
  // Ends the program at once.
  virtual void endProgram() = 0;
  // Within a transition the program does not end when the last window is
  // unloaded; it ends at the close of the transition if none was shown.
  virtual void beginTransition() {}
  virtual void endTransition() {}
};

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Modal, with an OK button; returns when OK is pressed.
  virtual void show(std::string_view prompt) = 0;
};

// The program's name, used as the message box title.
inline constexpr std::string_view kAppTitle = "ズノビ";

struct Services {
  Clock& clock;
  RandomSource& random;
  Navigator& navigator;
  MessageBox& messageBox;
};

}  // namespace zunobi::ui
