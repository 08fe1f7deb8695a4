// Test doubles of the runtime services: a clock that moves only when told,
// a random source that plays back a script, and recorders for navigation
// and the message box.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/services.h"

namespace zunobi::ui::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(DateTime start = DateTime::fromCivil(2026, 12, 6, 9, 5, 3)) : now_(start) {}
  DateTime now() const override { return now_; }
  void set(DateTime t) { now_ = t; }
  void setTime(int hour, int minute, int second) {
    now_ = DateTime::fromCivil(2026, 12, 6, hour, minute, second);
  }
  void advance(std::int64_t seconds) { now_ = now_.plusSeconds(seconds); }

 private:
  DateTime now_;
};

// Plays back the given values in order, then repeats the last one forever
// (or `fallback` when the script was empty). Counts re-seeds.
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<double> script) : script_(script) {}
  void push(double r) { script_.push_back(r); }
  void push(std::initializer_list<double> rs) { script_.insert(script_.end(), rs); }
  double next() override {
    ++draws_;
    if (pos_ < script_.size()) return last_ = script_[pos_++];
    return last_;
  }
  void reseed() override { ++reseeds_; }
  std::size_t draws() const { return draws_; }
  std::size_t reseeds() const { return reseeds_; }
  std::size_t remaining() const { return script_.size() - pos_; }

 private:
  std::vector<double> script_;
  std::size_t pos_ = 0;
  std::size_t draws_ = 0;
  std::size_t reseeds_ = 0;
  double last_ = 0.0;
};

// Records what a window asked of navigation without creating anything; an
// unload still raises the window's unload event, as the real one does.
class RecordingNavigator final : public Navigator {
 public:
  void show(std::string_view formName) override {
    calls.push_back("show " + std::string(formName));
  }
  void unload(Form& form) override;
  void unloadByName(std::string_view formName) override {
    calls.push_back("unload " + std::string(formName));
  }
  void endProgram() override { calls.push_back("end"); }
  std::vector<std::string> calls;
};

class RecordingMessageBox final : public MessageBox {
 public:
  void show(std::string_view prompt) override { prompts.emplace_back(prompt); }
  std::vector<std::string> prompts;
};

// A bundle of all four doubles, for building a window under test.
struct TestServices {
  FakeClock clock;
  ScriptedRandom random;
  RecordingNavigator navigator;
  RecordingMessageBox messageBox;
  Services services{clock, random, navigator, messageBox};
};

}  // namespace zunobi::ui::testing
