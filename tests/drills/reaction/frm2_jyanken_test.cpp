#include "drills/reaction/frm2_jyanken.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/draws.h"
#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using V = std::vector<std::string>;
const V kHand{"", "グー", "チョキ", "パー"};  // 1 rock, 2 scissors, 3 paper
const V kShiji{"", "勝って！", "負けて！", "勝たないで！", "負けないで！", "引き分けて！"};

// The game's own rule, independent of the window's table.
bool beats(int a, int b) { return (a == 1 && b == 2) || (a == 2 && b == 3) || (a == 3 && b == 1); }

std::set<int> obeying(int shiji, int aite) {
  std::set<int> hands;
  for (int h = 1; h <= 3; ++h) {
    const bool ok[] = {false,           beats(h, aite),  beats(aite, h),
                       !beats(h, aite), !beats(aite, h), h == aite};
    if (ok[shiji]) hands.insert(h);
  }
  return hands;
}

class JyankenTest : public ::testing::Test, protected ui::testing::WindowFixture<Frm2Jyanken> {
 protected:
  // The visible ones of the controls that make up the window's state.
  V shown() {
    V out;
    for (const char* n :
         {"fraOption", "cmdKaishi", "cmdJyanken", "fraAite", "fraOwnAction", "cmdBreake"})
      if (w->control(n).visible()) out.push_back(n);
    return out;
  }
  // Deals a question; shiji 0 when the option fixes the instruction.
  void deal(int aite, int shiji = 0) {
    t.random.push(ui::testing::drawFor(aite, 3));
    if (shiji > 0) t.random.push(ui::testing::drawFor(shiji, 5));
    w->click("cmdJyanken");
  }
  void startMinute() {
    w->click("Option1", 3);
    w->click("cmdKaishi");
  }
  void minutePasses() {
    t.clock.advance(61);
    w->tick();
  }
};

// Only the button whose hands are exactly those obeying the instruction is right.
TEST_F(JyankenTest, RightAnswerTableOfInstructionHandAndButton) {
  const std::vector<std::pair<std::string, std::set<int>>> buttons{
      {"cmdGuu", {1}},       {"cmdTyoki", {2}},       {"cmdPaa", {3}},
      {"cmdGuuPaa", {1, 3}}, {"cmdTyokiGuu", {1, 2}}, {"cmdPaaTyoki", {2, 3}}};
  startMinute();
  int right = 0;
  for (int shiji = 1; shiji <= 5; ++shiji)
    for (int aite = 1; aite <= 3; ++aite)
      for (const auto& [name, hands] : buttons) {
        SCOPED_TRACE(kShiji[shiji] + kHand[aite] + name);
        deal(aite, shiji);
        ASSERT_EQ(caption("lblJyanken") + caption("lblAction"), kHand[aite] + kShiji[shiji]);
        w->click(name);
        const bool expected = hands == obeying(shiji, aite);
        EXPECT_EQ(caption("lblKekka"), expected ? "正解" : "間違い");
        right += expected;
      }
  minutePasses();
  EXPECT_EQ(caption("lblSeika"), "問題数：90　正解数：" + std::to_string(right) + "　正答率：" +
                                     std::to_string(right * 100 / 90));
}

TEST_F(JyankenTest, OptionDecidesInstructionDrawsAndTimeLimit) {
  struct Case {
    int option;  // -1: none selected
    double rAite, rShiji;
    std::string dealt;
    std::size_t draws;
  };
  const std::vector<Case> cases{
      {0, 0.0, 0.9, "グー勝って！", 1},
      {1, 0.3333, 0.9, "グー負けて！", 1},
      {2, 1.0 / 3, 0.1999, "チョキ勝って！", 2},
      {-1, 0.999999, 0.5, "パー勝たないで！", 2},
      {3, 2.0 / 3, 0.999999, "パー引き分けて！", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    ui::testing::WindowFixture<Frm2Jyanken> f;
    if (c.option >= 0) f.w->click("Option1", c.option);
    f.w->click("cmdKaishi");
    f.t.random.push({c.rAite, c.rShiji});
    f.w->click("cmdJyanken");
    EXPECT_EQ(f.caption("lblJyanken") + f.caption("lblAction"), c.dealt);
    EXPECT_EQ(f.t.random.draws(), c.draws);
    f.t.clock.advance(61);
    f.w->tick();
    EXPECT_EQ(f.caption("lblSeika").empty(), c.option != 3) << "only the one-minute option ends";
  }
}

TEST_F(JyankenTest, ScoreLineRoundsTheRateDown) {
  struct Case {
    int dealt, right;
    std::string line;
  };
  const std::vector<Case> cases{
      {50, 29, "問題数：50　正解数：29　正答率：58"},  // 29 / 50 × 100 in floating point is 57.99…
      {0, 0, "問題数：0　正解数：0　正答率：0"},
  };
  for (const auto& c : cases) {
    startMinute();
    for (int i = 0; i < c.dealt; ++i) {
      deal(1, 5);  // draw against rock: only グー is right
      w->click(i < c.right ? "cmdGuu" : "cmdPaa");
    }
    minutePasses();
    EXPECT_EQ(caption("lblSeika"), c.line);
  }
}

TEST_F(JyankenTest, MinuteEndsAtTheFirstTickAfterTheDeadline) {
  startMinute();
  deal(1, 1);
  w->click("cmdPaa");
  t.clock.advance(59);
  w->tick();
  deal(3, 2);          // still on screen when the minute ends
  t.clock.advance(1);  // exactly at the deadline: not yet later
  w->tick();
  EXPECT_EQ(shown(), (V{"fraAite", "fraOwnAction"}));
  t.clock.advance(1);
  w->tick();
  EXPECT_EQ(caption("lblSeika"), "問題数：2　正解数：1　正答率：50");
  EXPECT_EQ(shown(), (V{"fraOption", "cmdKaishi"}));
  w->click("cmdTyoki");  // the question went with its frame: never judged
  EXPECT_EQ(caption("lblKekka"), "");
  // A new start clears the score and both counters; other instructions
  // chosen during the minute do not stop it, and their button stays.
  startMinute();
  EXPECT_EQ(caption("lblSeika"), "");
  deal(1, 4);
  w->click("cmdGuuPaa");
  deal(2, 5);
  w->click("cmdTyoki");
  w->click("cmdBreake");
  EXPECT_EQ(caption("lblKekka") + caption("lblKaishiJikoku"), "");
  minutePasses();
  EXPECT_EQ(caption("lblSeika"), "問題数：2　正解数：2　正答率：100");
  EXPECT_EQ(shown(), (V{"fraOption", "cmdKaishi", "cmdBreake"}));
}

}  // namespace
}  // namespace zunobi::drills
