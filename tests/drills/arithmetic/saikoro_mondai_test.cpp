#include "drills/arithmetic/saikoro_mondai.h"

#include <gtest/gtest.h>

#include <vector>

namespace zunobi::drills {
namespace {

// The dice window's run shows every face and checks every kind of sum; what
// it never meets is a face outside 1 … 6, and the hidden faces the question
// keeps beside the shown ones.
TEST(Dice, NoPipsOutsideOneToSixAndHiddenFacesAddUpToSeven) {
  EXPECT_EQ(facePips(0), Pips{});
  EXPECT_EQ(facePips(7), Pips{});
  const SaikoroQuestion q = makeSaikoroQuestion(2, 6, 3, 1, 2);
  EXPECT_EQ((std::vector{q.Ura1, q.Ura2, q.Ura3}), (std::vector{5, 1, 4}));
  EXPECT_EQ(q.Seikai, 2);
}

}  // namespace
}  // namespace zunobi::drills
