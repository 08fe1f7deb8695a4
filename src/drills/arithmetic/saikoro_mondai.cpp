#include "drills/arithmetic/saikoro_mondai.h"

namespace zunobi::drills {

Pips facePips(int v) {
  // Pip k: 0 1 2 top row, 3 4 5 bottom row, 6 centre.
  static constexpr std::array<Pips, 6> kFaces{{
      {false, false, false, false, false, false, true},  // 1: centre
      {false, false, true, true, false, false, false},   // 2: top right, bottom left
      {false, true, false, false, true, false, true},    // 3: vertical line
      {true, false, true, true, false, true, false},     // 4: corners
      {true, false, true, true, false, true, true},      // 5: corners and centre
      {true, true, true, true, true, true, false},       // 6: two rows of three
  }};
  if (v < 1 || v > 6) return {};
  return kFaces[v - 1];
}

int saikoroSeikai(int me1, int me2, int me3, int enzan, int enzan2) {
  const int ura1 = 7 - me1, ura2 = 7 - me2, ura3 = 7 - me3;
  int seikai = enzan == 2 ? ura1 - ura2 : ura1 + ura2;
  if (enzan2 == 1) seikai += ura3;
  if (enzan2 == 2) seikai -= ura3;
  return seikai;
}

SaikoroQuestion makeSaikoroQuestion(int me1, int me2, int me3, int enzan, int enzan2) {
  SaikoroQuestion q;
  q.Me1 = me1;
  q.Me2 = me2;
  q.Me3 = me3;
  q.Ura1 = 7 - me1;
  q.Ura2 = 7 - me2;
  q.Ura3 = 7 - me3;
  q.Enzan = enzan;
  q.Enzan2 = enzan2;
  q.Seikai = saikoroSeikai(me1, me2, me3, enzan, enzan2);
  return q;
}

SaikoroQuestion drawSaikoroQuestion(ui::RandomSource& random) {
  const int me1 = ui::drawOneTo(random.draw(), 6);
  const int me2 = ui::drawOneTo(random.draw(), 6);
  const int me3 = ui::drawOneTo(random.draw(), 6);
  const int enzan = ui::drawOneTo(random.draw(), 2);
  const int enzan2 = ui::drawOneTo(random.draw(), 3) - 1;
  return makeSaikoroQuestion(me1, me2, me3, enzan, enzan2);
}

}  // namespace zunobi::drills
