// The dice question: shown faces, the hidden faces underneath (opposite
// faces add up to 7) and the result worked out from the hidden faces only.
#pragma once

#include <array>

#include "ui/services.h"

namespace zunobi::drills {

inline constexpr int kPipsPerDie = 7;
inline constexpr int kDice = 3;

// Which of the seven pips of a die show face v: pips 0-2 the top row left to
// right, 3-5 the bottom row, 6 the centre.
using Pips = std::array<bool, kPipsPerDie>;
// All pips hidden for a value outside 1..6.
Pips facePips(int v);

struct SaikoroQuestion {
  int Me1 = 1, Me2 = 1, Me3 = 1;     // faces shown
  int Ura1 = 6, Ura2 = 6, Ura3 = 6;  // faces hidden underneath
  int Enzan = 1;                     // 1 "＋", 2 "－"
  int Enzan2 = 0;                    // 0 no third die, 1 "＋", 2 "－"
  int Seikai = 2;
};

// Ura1 (Enzan) Ura2 [(Enzan2) Ura3]; the third die counts only when Enzan2
// is 1 or 2.
int saikoroSeikai(int me1, int me2, int me3, int enzan, int enzan2);
SaikoroQuestion makeSaikoroQuestion(int me1, int me2, int me3, int enzan, int enzan2);

// Five draws, each re-seeded: Me1, Me2, Me3, Enzan, Enzan2.
SaikoroQuestion drawSaikoroQuestion(ui::RandomSource& random);

}  // namespace zunobi::drills
