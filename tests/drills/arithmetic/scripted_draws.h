// Helpers for the arithmetic tests: random values that make a chosen
// question or chosen dice.
#pragma once

#include "support/draws.h"
#include "ui/testing.h"

namespace zunobi::drills::testing {

using ui::testing::drawFor;
using ui::testing::kTop;

// Pushes the draws of a question a1 (enzan) a2; for × the right operand is
// redrawn as a2, for ／ a2 is the divisor and a1 / a2 the quotient.
inline void pushQuestion(ui::testing::ScriptedRandom& random, int a1, int enzan, int a2) {
  switch (enzan) {
    case 1:
    case 2:
      random.push({drawFor(a1, 99), drawFor(a2, 99), drawFor(enzan, 4)});
      break;
    case 3:
      random.push({drawFor(a1, 99), 0.0, drawFor(3, 4), drawFor(a2, 9)});
      break;
    default:
      random.push({0.0, 0.0, drawFor(4, 4), drawFor(a2, 9), drawFor(a1 / a2, 9)});
      break;
  }
}

// Pushes the draws of a dice question: shown faces, then both signs.
inline void pushDice(ui::testing::ScriptedRandom& random, int me1, int me2, int me3, int enzan,
                     int enzan2) {
  random.push({drawFor(me1, 6), drawFor(me2, 6), drawFor(me3, 6), drawFor(enzan, 2),
               drawFor(enzan2 + 1, 3)});
}

}  // namespace zunobi::drills::testing
