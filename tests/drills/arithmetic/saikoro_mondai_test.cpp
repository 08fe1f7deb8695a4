#include "drills/arithmetic/saikoro_mondai.h"

#include <gtest/gtest.h>

#include <set>

#include "drills/arithmetic/scripted_draws.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using testing::kTop;
using ui::testing::FakeClock;
using ui::testing::ScriptedRandom;

// The pips k that show face v: 0-2 top row, 3-5 bottom row, 6 centre.
const std::set<int> kFaceTable[7] = {
    {}, {6}, {2, 3}, {1, 4, 6}, {0, 2, 3, 5}, {0, 2, 3, 5, 6}, {0, 1, 2, 3, 4, 5},
};

TEST(Dice, ShowsEachFaceByTheFaceTable) {
  for (int v = 0; v <= 7; ++v) {
    const Pips pips = facePips(v);
    std::set<int> shown;
    for (int k = 0; k < kPipsPerDie; ++k)
      if (pips[k]) shown.insert(k);
    const std::set<int> expected = v >= 1 && v <= 6 ? kFaceTable[v] : std::set<int>{};
    EXPECT_EQ(shown, expected) << "face " << v;
    if (v >= 1 && v <= 6) {
      EXPECT_EQ(int(shown.size()), v) << "a face shows as many pips as it counts";
    }
  }
}

TEST(Dice, CalculatesWithTheHiddenFaces) {
  struct Case {
    int me1, me2, me3, enzan, enzan2, seikai;
  };
  const Case cases[] = {
      {2, 6, 3, 1, 2, 2},    // hidden 5 + 1 − 4
      {6, 6, 1, 1, 0, 2},    // hidden 1 + 1; the third die takes no part
      {6, 6, 6, 1, 0, 2},    // whatever the third die shows
      {1, 1, 1, 1, 1, 18},   // 6 + 6 + 6
      {6, 1, 1, 2, 2, -11},  // 1 − 6 − 6
      {6, 1, 3, 2, 0, -5},   // 1 − 6
      {1, 6, 3, 2, 0, 5},    // 6 − 1
      {3, 3, 4, 2, 1, 3},    // 4 − 4 + 3
  };
  for (const auto& c : cases) {
    EXPECT_EQ(saikoroSeikai(c.me1, c.me2, c.me3, c.enzan, c.enzan2), c.seikai)
        << c.me1 << c.me2 << c.me3 << " " << c.enzan << c.enzan2;
    const SaikoroQuestion q = makeSaikoroQuestion(c.me1, c.me2, c.me3, c.enzan, c.enzan2);
    EXPECT_EQ(q.Ura1 + q.Me1, 7);
    EXPECT_EQ(q.Ura2 + q.Me2, 7);
    EXPECT_EQ(q.Ura3 + q.Me3, 7);
    EXPECT_EQ(q.Seikai, c.seikai);
  }
}

TEST(DiceDraw, MapsTheEdgesOfTheUnitInterval) {
  struct Case {
    double r;
    int me, enzan, enzan2;
  };
  // Just below 1, Int(r × 2 + 1) would round up to 3: the sign must stay 2.
  const Case cases[] = {{0.0, 1, 1, 0}, {kTop, 6, 2, 2}, {1.0, 6, 2, 2}, {-1.0, 1, 1, 0}};
  for (const auto& c : cases) {
    ScriptedRandom random{c.r};
    const SaikoroQuestion q = drawSaikoroQuestion(random);
    EXPECT_EQ(q.Me1, c.me) << c.r;
    EXPECT_EQ(q.Me2, c.me);
    EXPECT_EQ(q.Me3, c.me);
    EXPECT_EQ(q.Enzan, c.enzan) << c.r;
    EXPECT_EQ(q.Enzan2, c.enzan2) << c.r;
    EXPECT_EQ(random.draws(), 5u);
    EXPECT_EQ(random.reseeds(), 5u);
  }
}

}  // namespace
}  // namespace zunobi::drills
