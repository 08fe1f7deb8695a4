// The moment a window waits for on its ticks: the end of a one-minute run,
// of the time to memorise. Times are whole seconds, so it has passed at the
// first tick strictly later than it. Until armed, and once cleared, it never
// passes.
#pragma once

#include <optional>

#include "ui/services.h"

namespace zunobi::drills {

class Deadline {
 public:
  void arm(const ui::DateTime& at) { at_ = at; }
  void clear() { at_.reset(); }
  bool passed(const ui::DateTime& now) const { return at_ && now > *at_; }

 private:
  std::optional<ui::DateTime> at_;
};

}  // namespace zunobi::drills
