#include "drills/memory/suujiretu_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using Names = std::set<std::string>;

const Names kIdle{"cmdKaishi"};
const Names kMemorising{"fraMondai", "cmdShitumon", "lblKaishiJikoku"};
const Names kTimedOut{"cmdShitumon", "lblTimeOver", "lblKaishiJikoku"};
const Names kAnswering{"lblShitumon", "txtAnswer", "lblKaishiJikoku"};
const Names kResult{"lblKotae", "lblKeikaJikan", "cmdKaishi", "txtAnswer"};

const SuujiretuVariant& variantOf(int variant) {
  return variant == 0 ? SuujiretuWindow::kSuujiretu1 : SuujiretuWindow::kSuujiretu2;
}

// A loaded window on test services, its draws scripted.
struct Drill {
  explicit Drill(int variant, const std::vector<double>& draws = {})
      : count(variantOf(variant).digitCount) {
    t.clock.setTime(10, 0, 0);
    for (double r : draws) t.random.push(r);
    w = std::make_shared<SuujiretuWindow>(t.services, variantOf(variant));
    w->load();
  }
  const ui::Control& c(const char* name, int index = -1) const { return w->control(name, index); }
  // What the user sees of the turn: a shown control, a label only with a caption.
  Names shown() const {
    static const Names kTurn{"cmdKaishi",   "fraMondai",     "cmdShitumon",
                             "lblTimeOver", "lblShitumon",   "txtAnswer",
                             "lblKotae",    "lblKeikaJikan", "lblKaishiJikoku"};
    Names out;
    for (const auto& name : ui::testing::onScreen(*w)) {
      if (!kTurn.contains(name)) continue;
      const ui::Control& control = w->control(name);
      if (!(control.kind() == ui::ControlKind::Label && control.caption().empty()))
        out.insert(name);
    }
    return out;
  }
  std::string focus() const { return w->focused() ? w->focused()->name() : ""; }
  void wait(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      t.clock.advance(1);
      w->tick();
    }
  }
  void answer(const std::string& typed) {
    w->control("txtAnswer").setText("");
    w->type("txtAnswer", typed);
    w->pressEnter("txtAnswer");
  }
  int count;  // digits shown
  ui::testing::TestServices t;
  std::shared_ptr<SuujiretuWindow> w;
};

TEST(SuujiretuWindow, DigitsDisappearAtTheFirstTickPastTheChosenTime) {
  struct Case {
    int option;  // -1: none selected
    int seconds;
  };
  for (const Case c : {Case{-1, 20}, Case{0, 10}, Case{1, 15}, Case{2, 20}}) {
    SCOPED_TRACE(c.option);
    Drill d(0);
    if (c.option >= 0) d.w->click("Option1", c.option);
    for (int turn = 0; turn < 2; ++turn) {  // each turn keeps its own deadline
      d.w->click("cmdKaishi");
      d.wait(c.seconds);
      EXPECT_EQ(d.shown(), kMemorising);
      d.wait(1);
      EXPECT_EQ(d.shown(), kTimedOut);
      EXPECT_EQ(d.c("lblTimeOver").caption(), kTimeOverText);
      d.w->click("cmdShitumon");
      d.wait(3);
      EXPECT_EQ(d.shown(), kAnswering);
      d.answer("");
      d.wait(100);
    }
  }
}

TEST(SuujiretuWindow, NoTimeOverNoticeOnceAskedOrWithNoTurn) {
  Drill d(1);
  d.w->click("Option1", 0);
  d.w->click("cmdKaishi");
  d.wait(3);
  d.w->click("cmdShitumon");
  d.wait(30);
  EXPECT_EQ(d.shown(), kAnswering);
  d.answer("1");
  d.t.clock.advance(86400);
  d.wait(1);
  EXPECT_EQ(d.shown(), kResult);
  Drill idle(1);
  idle.t.clock.advance(86401);
  idle.wait(1);
  EXPECT_EQ(idle.shown(), kIdle);
}

// Scripted draws: the digits, then the sort keys, drawn from 1 … 1000.
struct Turn {
  int variant;
  std::vector<double> draws;
  std::vector<std::string> digits;
  std::string question;
  std::string seikai;
};

const std::vector<Turn>& turns() {
  static const std::vector<Turn> all{
      // The first two keys are both 1000: they keep their order.
      {0,
       {0.75, 0.25, 0.95, 0.45, 0.9995, 0.9990005, 0.1005, 0.3005},
       {"7", "2", "9", "4"},
       "数字列番号\r\n　　　　　　　3、4、1、2　の順に数字を答えなさい",
       "9472"},
      {1,
       {0.35, 0.05, 0.85, 0.55, 0.15, 0.95, 0.4505, 0.1505, 0.5505, 0.6505, 0.2505, 0.3505},
       {"3", "0", "8", "5", "1", "9"},
       "数字列番号\r\n　　　　　　　2、5番目の２桁の数値と、\r\n　　　　　　　6、1番目の２桁の数値"
       "の"
       "\r\n　　　　　　　　　　　　　　　　　　　合計を答えなさい",
       "94"},
  };
  return all;
}

TEST(SuujiretuWindow, WholeTurnThroughEveryState) {
  for (const auto& turn : turns()) {
    SCOPED_TRACE(turn.seikai);
    Drill d(turn.variant, turn.draws);
    EXPECT_EQ(d.shown(), kIdle);
    EXPECT_TRUE(d.c("lblSetumei").caption().starts_with(std::string(kSetumeiFirstLine) + "\r\n②"));

    d.w->click("cmdKaishi");
    EXPECT_EQ(d.shown(), kMemorising);
    EXPECT_EQ(d.c("lblKaishiJikoku").caption(), "開始の時刻　10:00:00");
    std::vector<std::string> digits;
    for (int k = 0; k < d.count; ++k) digits.push_back(d.c("lblSuuji", k).caption());
    EXPECT_EQ(digits, turn.digits);
    EXPECT_FALSE(d.w->has("lblSuuji", d.count));

    d.wait(4);
    d.w->click("cmdShitumon");
    EXPECT_EQ(d.shown(), kAnswering);
    EXPECT_EQ(d.focus(), "txtAnswer");
    EXPECT_EQ(d.c("lblShitumon").caption(), turn.question);
    EXPECT_EQ(d.t.random.draws(), turn.draws.size());
    EXPECT_EQ(d.t.random.reseeds(), d.t.random.draws());

    d.t.clock.advance(9);
    d.answer(turn.seikai);
    EXPECT_EQ(d.shown(), kResult);
    EXPECT_EQ(d.focus(), "cmdKaishi");
    EXPECT_EQ(d.c("lblKotae").caption(), "（前問題）\r\n○");
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　13秒");
    EXPECT_EQ(d.c("txtAnswer").text(), turn.seikai);

    d.w->click("cmdKaishi");
    EXPECT_EQ(d.shown(), kMemorising);
    EXPECT_EQ(d.c("txtAnswer").text(), "");
  }
}

TEST(SuujiretuWindow, JudgesTheTypedTextExactlyAndAgainOnEnter) {
  struct Case {
    std::size_t turn;
    std::string typed;
    bool right;
  };
  const std::vector<Case> cases{{0, "9472", true}, {0, "９４７２", false}, {0, " 9472", false},
                                {1, "94", true},   {1, "094", false},      {1, "", false}};
  for (const auto& c : cases) {
    const Turn& turn = turns().at(c.turn);
    SCOPED_TRACE("'" + c.typed + "' for " + turn.seikai);
    Drill d(turn.variant, turn.draws);
    d.w->click("cmdKaishi");
    d.w->click("cmdShitumon");
    d.wait(2);
    d.answer(c.typed);
    EXPECT_EQ(d.c("lblKotae").caption(),
              c.right ? "（前問題）\r\n○"
                      : "（前問題）\r\n正解は　　" + turn.seikai + "\r\nあなた　　" + c.typed);
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　2秒");
    // Enter again in the result judges the same question, timed from the same start.
    d.wait(40);
    d.answer(turn.seikai);
    EXPECT_EQ(d.c("lblKotae").caption(), "（前問題）\r\n○");
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　42秒");
    EXPECT_EQ(d.t.random.draws(), turn.draws.size());
  }
}

}  // namespace
}  // namespace zunobi::drills
