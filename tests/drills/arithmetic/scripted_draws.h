// Helpers for the arithmetic tests: random values that make a chosen
// question or a chosen dice face.
#pragma once

#include <cmath>
#include <set>
#include <string>

#include "ui/testing.h"

namespace zunobi::drills::testing {

// The largest r below 1: the top edge of [0, 1).
inline const double kTop = std::nextafter(1.0, 0.0);

// The middle of the r interval whose draw floor(r × n) is `k`.
inline double drawOf(int k, int n) { return (k + 0.5) / n; }

// Pushes the draws of a question a1 (enzan) a2; for × the right operand is
// redrawn as a2, for ／ a2 is the divisor and a1 / a2 the quotient.
inline void pushQuestion(ui::testing::ScriptedRandom& random, int a1, int enzan, int a2) {
  switch (enzan) {
    case 1:
    case 2:
      random.push({drawOf(a1 - 1, 99), drawOf(a2 - 1, 99), drawOf(enzan - 1, 4)});
      break;
    case 3:
      random.push({drawOf(a1 - 1, 99), 0.0, drawOf(2, 4), drawOf(a2 - 1, 9)});
      break;
    default:
      random.push({0.0, 0.0, drawOf(3, 4), drawOf(a2 - 1, 9), drawOf(a1 / a2 - 1, 9)});
      break;
  }
}

// Pushes the draws of a dice question: shown faces, then both signs.
inline void pushDice(ui::testing::ScriptedRandom& random, int me1, int me2, int me3, int enzan,
                     int enzan2) {
  random.push({drawOf(me1 - 1, 6), drawOf(me2 - 1, 6), drawOf(me3 - 1, 6), drawOf(enzan - 1, 2),
               drawOf(enzan2, 3)});
}

// The pips k that show face v: 0-2 top row, 3-5 bottom row, 6 centre.
inline const std::set<int> kFaceTable[7] = {
    {}, {6}, {2, 3}, {1, 4, 6}, {0, 2, 3, 5}, {0, 2, 3, 5, 6}, {0, 1, 2, 3, 4, 5},
};

}  // namespace zunobi::drills::testing
