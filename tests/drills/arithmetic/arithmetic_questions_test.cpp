#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drills/arithmetic/keisan_mondai.h"
#include "drills/arithmetic/saikoro_mondai.h"
#include "drills/arithmetic/scripted_draws.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using testing::kTop;
using ui::testing::FakeClock;
using ui::testing::ScriptedRandom;

TEST(MakeQuestion, MapsTheEdgesOfTheUnitInterval) {
  const struct Case {
    const char* what;
    std::vector<double> script;
    KeisanMondai expected;
    std::size_t draws;
  } cases[] = {
      {"r = 0 everywhere", {0.0}, {1, 1, 1, 2}, 3},
      {"r just below 1 everywhere", {kTop}, {81, 9, 4, 9}, 5},
      {"equal operands subtract to zero", {kTop, kTop, 0.25}, {99, 99, 2, 0}, 3},
      {"larger right operand goes negative", {0.0, kTop, 0.25}, {1, 99, 2, -98}, 3},
      {"product redraws the right operand", {kTop, 0.3, 0.5, kTop}, {99, 9, 3, 891}, 4},
      {"quarter just below × stays −", {0.0, 0.0, std::nextafter(0.5, 0.0)}, {1, 1, 2, 0}, 3},
      {"dividend built from divisor and quotient", {0.5, 0.5, 0.75, 0.0, kTop}, {9, 1, 4, 9}, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedRandom random;
    for (double r : c.script) random.push(r);
    FakeClock clock;
    KeisanRun run(clock, random);
    EXPECT_EQ(run.MakeQuestion(), c.expected);
    EXPECT_EQ(random.draws(), c.draws);
  }
}

// The eleventh call ends a run of ten, timed in whole minutes and seconds;
// each run counts its right answers from zero. The windows' runs time one
// across midnight and one of no time at all.
TEST(KeisanRun, EndsAfterTenQuestionsAndTimesTheRun) {
  const struct Case {
    int seconds;
    const char* text;
  } cases[] = {{59, "0：59"}, {60, "1：0"}, {3725, "62：5"}};
  FakeClock clock;
  ScriptedRandom random{0.0};
  KeisanRun run(clock, random);
  for (const auto& c : cases) {
    clock.setTime(9, 0, 0);
    run.StartRun();
    for (int k = 1; k <= 10; ++k) {
      ASSERT_TRUE(run.NextQuestion().has_value()) << "question " << k;
      if (k % 2 == 0) run.countRightAnswer();
    }
    clock.advance(c.seconds);
    const std::size_t draws = random.draws();
    EXPECT_FALSE(run.NextQuestion().has_value());
    EXPECT_EQ(random.draws(), draws) << "the ending call draws nothing";
    EXPECT_EQ(run.MondaiBangou(), 0);
    EXPECT_EQ(run.SummaryText(SummaryLayout::Long),
              "問題数　　10\r\n正解数　　5\r\n所要時間　" + std::string(c.text));
  }
}

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
